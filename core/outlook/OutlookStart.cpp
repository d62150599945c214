#include "outlook/OutlookStart.h"

#include "standings/SortRules.h"
#include "standings/TableOrdering.h"

namespace vantorel {

bool CountsAsDecided(const ResultRecord& match, double asAt, bool withPredictions) {
    if (match.Played)
        return match.MatchDate <= asAt;
    return withPredictions && match.Predicted;
}

OutlookStart BuildOutlookStart(const Division& division, double asAt, bool withPredictions) {
    OutlookStart start;
    start.asAt = asAt;
    start.withPredictions = withPredictions;
    start.teamCount = division.Header().TeamCount;
    start.winPoints = division.Header().WinPoints;
    LeagueTable& table = start.table;
    table.variant.content = withPredictions ? TableContent::PlayedPredicted : TableContent::PlayedGames;
    table.variant.asAt = asAt;
    table.TeamCount = start.teamCount;
    for (int t = 1; t <= start.teamCount; ++t)
        table.Standings[t].Points = -division.Teams[t].Deduction;
    CountedMatches counted;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (CountsAsDecided(match, asAt, withPredictions)) {
            CountResult(table, match, start.winPoints);
            counted.Add(r, true, true);
        } else {
            start.open.push_back({r, match.HomeTeam, match.AwayTeam, match.MatchDate});
            ++start.gamesLeft[match.HomeTeam];
            ++start.gamesLeft[match.AwayTeam];
        }
    }
    CompleteTable(division, counted, table);
    return start;
}

} // namespace vantorel
