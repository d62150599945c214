#include "players/GoalList.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "players/Players.h"
#include "standings/TableLayout.h"

namespace vantorel {
namespace {

int OpponentOf(const Division& division, int goal, int team) {
    const ResultRecord& match = division.Results[division.Goals[goal].Result];
    return match.HomeTeam == team ? match.AwayTeam : match.HomeTeam;
}

} // namespace

std::vector<int> SortedGoalList(const Division& division, int team, GoalSortKey key) {
    std::vector<int> list;
    for (int g = 1; g <= division.Header().GoalCount; ++g)
        if (division.Goals[g].Team == team)
            list.push_back(g);

    auto date = [&](int g) { return division.Results[division.Goals[g].Result].MatchDate; };
    auto minute = [&](int g) { return division.Goals[g].GoalTime; };
    auto opponent = [&](int g) { return division.Teams[OpponentOf(division, g, team)].Name.stored(); };
    auto scorer = [&](int g) {
        const int player = division.Goals[g].Player;
        return player == 0 ? std::string_view() : division.Players[player].Name.stored();
    };
    // Marked goals first: an unmarked goal carries the larger key.
    auto unmarked = [](bool mark) { return !mark; };
    auto before = [&](int a, int b) {
        const GoalRecord& x = division.Goals[a];
        const GoalRecord& y = division.Goals[b];
        switch (key) {
        case GoalSortKey::Date:
            return std::tuple(-date(a), minute(a)) < std::tuple(-date(b), minute(b));
        case GoalSortKey::Opponent:
            return std::tuple(opponent(a), date(a), minute(a)) < std::tuple(opponent(b), date(b), minute(b));
        case GoalSortKey::OwnGoal:
            return std::tuple(unmarked(x.OwnGoal), date(a), minute(a)) <
                   std::tuple(unmarked(y.OwnGoal), date(b), minute(b));
        case GoalSortKey::Penalty:
            return std::tuple(unmarked(x.Penalty), date(a), minute(a)) <
                   std::tuple(unmarked(y.Penalty), date(b), minute(b));
        case GoalSortKey::Scorer:
            return std::tuple(scorer(a), date(a), minute(a)) < std::tuple(scorer(b), date(b), minute(b));
        case GoalSortKey::Time:
            return std::tuple(minute(a), date(a)) < std::tuple(minute(b), date(b));
        }
        return false;
    };
    std::stable_sort(list.begin(), list.end(), before);
    return list;
}

std::array<std::string, 6> GoalRow(const Division& division, int goal, int team, const DateFormat& dates) {
    const GoalRecord& record = division.Goals[goal];
    return {dates.Format(division.Results[record.Result].MatchDate),
            TeamName(division, OpponentOf(division, goal, team)),
            record.OwnGoal ? "OG" : "",
            record.Penalty ? "Pen" : "",
            record.Player != 0 ? PlayerName(division, record.Player) : "",
            std::to_string(record.GoalTime)};
}

std::string GoalsPanelText(const Division& division, const std::vector<int>& goals) {
    const auto unassigned =
        std::count_if(goals.begin(), goals.end(), [&](int g) { return division.Goals[g].Player == 0; });
    std::string text =
        std::to_string(goals.size()) + (goals.size() == 1 ? " Goal Scored " : " Goals Scored ");
    if (unassigned == 1)
        text += "(1 is not yet assigned)";
    else if (unassigned > 1)
        text += "(" + std::to_string(unassigned) + " are not yet assigned)";
    return text;
}

std::vector<int> GoalsGridWidths(int width, int scrollBarWidth, int lineWidth) {
    return ShareWidthByUnits(width - scrollBarWidth - 6 * lineWidth, {4, 9, 3, 3, 8, 3}, 1);
}

} // namespace vantorel
