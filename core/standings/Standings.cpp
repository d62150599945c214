#include "standings/Standings.h"

#include <algorithm>
#include <vector>

namespace vantorel {
namespace {

// Adds one match to a team's row from that team's point of view.
void CountMatch(StandingsRow& row, bool atHome, int goalsFor, int goalsAgainst, int winPoints) {
    ++row.Played;
    (atHome ? row.HomeFor : row.AwayFor) += goalsFor;
    (atHome ? row.HomeAgainst : row.AwayAgainst) += goalsAgainst;
    if (goalsFor > goalsAgainst) {
        row.Points += winPoints;
        ++(atHome ? row.HomeWon : row.AwayWon);
    } else if (goalsFor == goalsAgainst) {
        row.Points += 1;
        ++(atHome ? row.HomeDrawn : row.AwayDrawn);
    } else {
        ++(atHome ? row.HomeLost : row.AwayLost);
    }
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
void AccumulateAllMatches(const Division& division, LeagueTable& table, bool countHome, bool countAway) {
    const bool includePredicted = table.variant.content == TableContent::PlayedPredicted;
    const int winPoints = division.Header.WinPoints;
    for (int r = 1; r <= division.Header.ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!Counts(match, table.variant, includePredicted))
            continue;
        if (countHome && countAway)
            CountResult(table, match, winPoints);
        else if (countHome)
            CountMatch(table.Standings[match.HomeTeam], true, match.HomeGoals, match.AwayGoals, winPoints);
        else if (countAway)
            CountMatch(table.Standings[match.AwayTeam], false, match.AwayGoals, match.HomeGoals, winPoints);
    }
}

// Current form: each team's latest played matches by date (same-date matches in fixture order), then the
// as-at date and the venue filter among those.
void AccumulateForm(const Division& division, LeagueTable& table, bool countHome, bool countAway) {
    const int winPoints = division.Header.WinPoints;
    // Each team's played matches in fixture order, gathered in one pass over the fixtures.
    std::array<std::vector<int>, kMaxTeams + 1> matchesOf;
    for (int r = 1; r <= division.Header.ResultCount; ++r) {
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
            if (Counts(match, table.variant, false))
                CountForTeam(table, match, team, countHome, countAway, winPoints);
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

// Compares a higher-is-better value: +1 when a must go below b, -1 when above, 0 when level.
int CompareHigherFirst(int a, int b) {
    return a < b ? 1 : a > b ? -1 : 0;
}

} // namespace

void CountResult(LeagueTable& table, const ResultRecord& match, int winPoints) {
    CountMatch(table.Standings[match.HomeTeam], true, match.HomeGoals, match.AwayGoals, winPoints);
    CountMatch(table.Standings[match.AwayTeam], false, match.AwayGoals, match.HomeGoals, winPoints);
}

void OrderTable(LeagueTable& table, const DivisionHeader& header) {
    table.SeasonGames = SeasonGamesOf(header, table.variant.games);
    for (int t = 1; t <= table.TeamCount; ++t) {
        StandingsRow& row = table.Standings[t];
        row.GoalDiff = row.GoalsFor() - row.GoalsAgainst();
        row.PossiblePoints = (table.SeasonGames - row.Played) * header.WinPoints + row.Points;
        table.TableOrder[t] = t;
    }
    // A stable sort exchanges only teams that a rule separates, so full ties keep team order.
    const std::string_view rules = header.SortRules.stored();
    std::stable_sort(table.TableOrder.begin() + 1, table.TableOrder.begin() + 1 + table.TeamCount,
                     [&](int a, int b) { return OutOfOrder(table, rules, b, a); });
}

bool OutOfOrder(const LeagueTable& table, std::string_view sortRules, int teamA, int teamB) {
    const StandingsRow& a = table.Standings[teamA];
    const StandingsRow& b = table.Standings[teamB];
    for (char code : sortRules) {
        int verdict = 0;
        switch (code) {
        case '1':
            verdict = CompareHigherFirst(a.Points, b.Points);
            break;
        case '2':
            verdict = CompareHigherFirst(a.GoalDiff, b.GoalDiff);
            break;
        case '3':
            verdict = CompareHigherFirst(a.GoalsFor(), b.GoalsFor());
            break;
        case '4':
            return teamA > teamB;
        case '5':
            verdict = CompareHigherFirst(a.PossiblePoints, b.PossiblePoints);
            break;
        default:
            continue;
        }
        if (verdict != 0)
            return verdict > 0;
    }
    return false;
}

LeagueTable FillTable(const Division& division, const TableVariant& variant) {
    const DivisionHeader& header = division.Header;
    LeagueTable table;
    table.variant = variant;
    table.TeamCount = header.TeamCount;
    for (int t = 1; t <= table.TeamCount; ++t)
        table.Standings[t].Points = -division.Teams[t].Deduction;

    const bool countHome = variant.games != GameSelection::AwayOnly;
    const bool countAway = variant.games != GameSelection::HomeOnly;
    if (variant.content == TableContent::CurrentForm)
        AccumulateForm(division, table, countHome, countAway);
    else
        AccumulateAllMatches(division, table, countHome, countAway);
    OrderTable(table, header);
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
