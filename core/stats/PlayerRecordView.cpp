#include "stats/PlayerRecordView.h"

#include <algorithm>

#include "stats/TeamStats.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

void SortNewestFirst(const Division& division, std::vector<PlayerMatch>& matches) {
    std::stable_sort(matches.begin(), matches.end(), [&](const PlayerMatch& a, const PlayerMatch& b) {
        return division.Results[a.Result].MatchDate > division.Results[b.Result].MatchDate;
    });
}

PlayerMatch* MatchOf(std::vector<PlayerMatch>& matches, int result) {
    const auto at = std::find_if(matches.begin(), matches.end(),
                                 [result](const PlayerMatch& m) { return m.Result == result; });
    return at == matches.end() ? nullptr : &*at;
}

} // namespace

PlayerSeason PlayerSeasonOf(const Division& division, int player) {
    PlayerSeason season;
    season.player = player;
    std::array<int, 9>& totals = season.totals;
    totals[kTotal] = division.Players[player].Goals;
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Player != player)
            continue;
        if (goal.OwnGoal) {
            ++totals[kOwnGoals];
            continue;
        }
        totals[kPenalties] += goal.Penalty ? 1 : 0;
        ++totals[division.Results[goal.Result].HomeTeam == goal.Team ? kHomeGoals : kAwayGoals];
        ++totals[goal.GoalTime >= 46 ? kSecondHalf : kFirstHalf];
        if (PlayerMatch* match = MatchOf(season.matches, goal.Result))
            ++match->Goals;
        else
            season.matches.push_back({goal.Result, 1});
    }
    for (int s = 1; s <= division.Header().SquadCount; ++s) {
        const SquadRecord& squad = division.Squads[s];
        for (const SquadEntry& entry : squad.Entries) {
            if (entry.Player != player)
                continue;
            if (MatchOf(season.matches, squad.Result) == nullptr)
                season.matches.push_back({squad.Result, 0});
            season.inSquads = true;
            season.yellow += (entry.Yellow1 ? 1 : 0) + (entry.Yellow2 ? 1 : 0);
            season.red += entry.Red ? 1 : 0;
        }
    }
    SortNewestFirst(division, season.matches);
    for (const PlayerMatch& match : season.matches) {
        totals[kHatTricks] += match.Goals > 2 ? 1 : 0;
        totals[kMostInGame] = std::max(totals[kMostInGame], match.Goals);
    }
    return season;
}

std::string PlayerRecordCaption(const Division& division, int player) {
    const PlayerRecord& record = division.Players[player];
    return "Statistics for " + PlayerName(division, player) + " (" + TeamName(division, record.Team) + ")";
}

std::string CautionText(const PlayerSeason& season, int count) {
    return season.inSquads ? std::to_string(count) : "n/a";
}

std::vector<std::string> PlayerMatchCells(const Division& division, const PlayerMatch& match,
                                          const DateFormat& dateFormat) {
    const ResultRecord& result = division.Results[match.Result];
    return {dateFormat.Format(result.MatchDate),
            TeamName(division, result.HomeTeam) + " v " + TeamName(division, result.AwayTeam),
            std::to_string(match.Goals)};
}

std::vector<int> PlayerMatchColumnWidths(int gridWidth, int lineWidth, int scrollBar, bool rowsFit,
                                         int widestDate) {
    const int w = std::max(0, gridWidth - (rowsFit ? 0 : scrollBar) - 4 * lineWidth);
    const int u = w / 7;
    const int date = std::max(u, std::min(widestDate, 2 * u));
    return {date, 5 * u + (w - 7 * u) - (date - u), u};
}

void DrawPlayerGoalBars(Canvas& canvas, int width, const std::array<BarPlace, 9>& places,
                        const PlayerSeason& season) {
    const std::array<int, 9>& v = season.totals;
    const int maxValue = std::max({v[kTotal], v[kOwnGoals], 1});
    const int unit = (width - (canvas.TextWidth(" 99") + 4)) / maxValue;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const int length = (i == kHatTricks ? 3 : 1) * v[i] * unit;
        const BarPlace& place = places[i];
        if (length > 0) {
            // Bars alternate blue and red from the first.
            canvas.setBrush(i % 2 == 0 ? kBlue : kRed);
            canvas.Rectangle(0, place.top, length, place.top + place.height);
        }
        const std::string text = std::to_string(v[i]).substr(0, 4);
        const int x = v[i] == 0 ? 0 : length + 4;
        canvas.setBrush(kButtonFace);
        canvas.FillRect(x, place.top, x + canvas.TextWidth(text), place.top + canvas.TextHeight(text));
        canvas.TextOut(x, place.top, text);
    }
}

} // namespace vantorel
