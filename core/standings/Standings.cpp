#include "standings/Standings.h"

#include <algorithm>
#include <vector>

#include "standings/SortRules.h"
#include "standings/TableOrdering.h"
#include "store/MatchOutcome.h"

namespace vantorel {
namespace {

// Adds one match to a team's row from that team's point of view.
void CountMatch(StandingsRow& row, bool atHome, int goalsFor, int goalsAgainst, int winPoints) {
    ++row.Played;
    (atHome ? row.HomeFor : row.AwayFor) += goalsFor;
    (atHome ? row.HomeAgainst : row.AwayAgainst) += goalsAgainst;
    const GameOutcome outcome = OutcomeFor(goalsFor, goalsAgainst);
    row.Points += PointsFor(outcome, winPoints);
    if (outcome == GameOutcome::Won)
        ++(atHome ? row.HomeWon : row.AwayWon);
    else if (outcome == GameOutcome::Drawn)
        ++(atHome ? row.HomeDrawn : row.AwayDrawn);
    else
        ++(atHome ? row.HomeLost : row.AwayLost);
}

bool Counts(const ResultRecord& match, const TableVariant& variant, bool includePredicted) {
    return match.MatchDate <= variant.asAt && (match.Played || (includePredicted && match.Predicted));
}

void CountForTeam(LeagueTable& table, const ResultRecord& match, int team, bool countHome, bool countAway,
                  int winPoints) {
    if (countHome && match.HomeTeam == team)
        CountMatch(table.Standings[team], true, match.HomeGoals, match.AwayGoals, winPoints);
    if (countAway && match.AwayTeam == team)
        CountMatch(table.Standings[team], false, match.AwayGoals, match.HomeGoals, winPoints);
}

// Played and predicted tables: every fixture counts for both of its teams, so one pass does.
void AccumulateAllMatches(const Division& division, LeagueTable& table, bool countHome, bool countAway,
                          CountedMatches* counted) {
    const bool includePredicted = table.variant.content == TableContent::PlayedPredicted;
    const int winPoints = division.Header().WinPoints;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!Counts(match, table.variant, includePredicted))
            continue;
        if (countHome && countAway)
            CountResult(table, match, winPoints);
        else if (countHome)
            CountMatch(table.Standings[match.HomeTeam], true, match.HomeGoals, match.AwayGoals, winPoints);
        else if (countAway)
            CountMatch(table.Standings[match.AwayTeam], false, match.AwayGoals, match.HomeGoals, winPoints);
        if (counted)
            counted->Add(r, countHome, countAway);
    }
}

// Current form: each team's latest played matches by date (same-date matches in fixture order), then the
// as-at date and the venue filter among those.
void AccumulateForm(const Division& division, LeagueTable& table, bool countHome, bool countAway,
                    CountedMatches* counted) {
    const int winPoints = division.Header().WinPoints;
    // Each team's played matches in fixture order, gathered in one pass over the fixtures.
    std::array<std::vector<int>, kMaxTeams + 1> matchesOf;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played)
            continue;
        matchesOf[match.HomeTeam].push_back(r);
        if (match.AwayTeam != match.HomeTeam)
            matchesOf[match.AwayTeam].push_back(r);
    }
    const auto formGames = static_cast<std::size_t>(std::max(table.variant.formGames, 0));
    for (int team = 1; team <= table.TeamCount; ++team) {
        std::vector<int>& candidates = matchesOf[static_cast<std::size_t>(team)];
        std::stable_sort(candidates.begin(), candidates.end(), [&](int a, int b) {
            return division.Results[a].MatchDate > division.Results[b].MatchDate;
        });
        for (std::size_t i = 0; i < std::min(candidates.size(), formGames); ++i) {
            const ResultRecord& match = division.Results[candidates[i]];
            if (!Counts(match, table.variant, false))
                continue;
            CountForTeam(table, match, team, countHome, countAway, winPoints);
            if (counted)
                counted->Add(candidates[i], countHome && match.HomeTeam == team,
                             countAway && match.AwayTeam == team);
        }
    }
}

int SeasonGamesOf(const DivisionHeader& header, GameSelection games) {
    const int teams = header.TeamCount;
    int seasonGames =
        header.ResultCount >= teams * (teams - 1) && teams > 0 ? (header.ResultCount / teams) * 2 : teams - 1;
    if (games != GameSelection::HomeAndAway)
        seasonGames /= 2;
    return seasonGames;
}

} // namespace

void CountResult(LeagueTable& table, const ResultRecord& match, int winPoints) {
    CountMatch(table.Standings[match.HomeTeam], true, match.HomeGoals, match.AwayGoals, winPoints);
    CountMatch(table.Standings[match.AwayTeam], false, match.AwayGoals, match.HomeGoals, winPoints);
}

void CompleteTable(const Division& division, const CountedMatches& counted, LeagueTable& table) {
    const DivisionHeader& header = division.Header();
    table.SeasonGames = SeasonGamesOf(header, table.variant.games);
    for (int t = 1; t <= table.TeamCount; ++t) {
        StandingsRow& row = table.Standings[t];
        row.GoalDiff = row.GoalsFor() - row.GoalsAgainst();
        row.PossiblePoints = (table.SeasonGames - row.Played) * header.WinPoints + row.Points;
    }
    OrderTable(division, header.SortRules.stored(), counted, table);
}

LeagueTable FillTable(const Division& division, const TableVariant& variant) {
    const DivisionHeader& header = division.Header();
    LeagueTable table;
    table.variant = variant;
    table.TeamCount = header.TeamCount;
    for (int t = 1; t <= table.TeamCount; ++t)
        table.Standings[t].Points = -division.Teams[t].Deduction;

    const bool countHome = variant.games != GameSelection::AwayOnly;
    const bool countAway = variant.games != GameSelection::HomeOnly;
    const std::string_view rules = header.SortRules.stored();
    // The head-to-head rules replay the counted matches; other rules need only the rows.
    CountedMatches counted;
    CountedMatches* record = UsesHeadToHead(rules) ? &counted : nullptr;
    if (variant.content == TableContent::CurrentForm)
        AccumulateForm(division, table, countHome, countAway, record);
    else
        AccumulateAllMatches(division, table, countHome, countAway, record);
    CompleteTable(division, counted, table);
    return table;
}

std::string PositionMark(const DivisionHeader& header, const LeagueTable& table, int position) {
    const bool marked = table.variant.content != TableContent::CurrentForm &&
                        table.variant.games == GameSelection::HomeAndAway;
    const int teams = table.TeamCount;
    const StandingsRow& row = table.rowAt(position);
    if (marked && position > teams - header.RelegateCount) {
        // With the whole league in the zone, every team goes down.
        if (header.RelegateCount >= teams || row.PossiblePoints == row.Points)
            return "D";
        const StandingsRow& safe = table.rowAt(teams - header.RelegateCount);
        if (safe.Points > row.PossiblePoints)
            return "D";
        return std::to_string(position);
    }
    if (marked && position <= header.PromoteCount) {
        for (int below = header.PromoteCount + 1; below <= teams; ++below) {
            const StandingsRow& chaser = table.rowAt(below);
            if (chaser.PossiblePoints != chaser.Points && chaser.PossiblePoints >= row.Points)
                return std::to_string(position);
        }
        return "U";
    }
    return std::to_string(position);
}

} // namespace vantorel
