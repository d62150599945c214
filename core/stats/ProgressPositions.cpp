#include "stats/ProgressPositions.h"

#include <algorithm>
#include <memory>

#include "standings/SortRules.h"
#include "standings/Standings.h"
#include "standings/TableOrdering.h"

namespace vantorel {
namespace {

std::vector<int> PlayedByDate(const Division& division, int team) {
    std::vector<int> played;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (match.Played && (team == 0 || match.HomeTeam == team || match.AwayTeam == team))
            played.push_back(r);
    }
    std::stable_sort(played.begin(), played.end(), [&](int a, int b) {
        return division.Results[a].MatchDate < division.Results[b].MatchDate;
    });
    return played;
}

} // namespace

std::vector<int> TeamGamesByDate(const Division& division, int team) {
    return team == 0 ? std::vector<int>() : PlayedByDate(division, team);
}

std::vector<int> PositionsAfterGames(const Division& division, int team, const std::vector<int>& games) {
    const std::vector<int> season = PlayedByDate(division, 0);
    LeagueTable table;
    table.TeamCount = division.Header().TeamCount;
    // The head-to-head rules replay the matches counted so far; other rules need only the rows.
    const bool headToHead = UsesHeadToHead(division.Header().SortRules.stored());
    auto counted = std::make_unique<CountedMatches>();
    for (int t = 1; t <= table.TeamCount; ++t)
        table.Standings[t].Points = -division.Teams[t].Deduction;
    std::vector<int> positions;
    std::size_t next = 0;
    double orderedAt = 0;
    int position = 0;
    for (int game : games) {
        const double date = division.Results[game].MatchDate;
        if (position != 0 && date == orderedAt) {
            positions.push_back(position);
            continue;
        }
        for (; next < season.size() && division.Results[season[next]].MatchDate <= date; ++next) {
            CountResult(table, division.Results[season[next]], division.Header().WinPoints);
            if (headToHead)
                counted->Add(season[next], true, true);
        }
        CompleteTable(division, *counted, table);
        orderedAt = date;
        position = static_cast<int>(
            std::find(table.TableOrder.begin() + 1, table.TableOrder.begin() + 1 + table.TeamCount, team) -
            table.TableOrder.begin());
        positions.push_back(position);
    }
    return positions;
}

} // namespace vantorel
