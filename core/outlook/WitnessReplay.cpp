#include "outlook/WitnessReplay.h"

#include <memory>

#include "standings/TableOrdering.h"
#include "store/DivisionWriter.h"

namespace vantorel {

LeagueTable ReplayWitness(const Division& division, const OutlookStart& start, const Witness& witness) {
    // The copy's open fixtures take the witness's scores so that head-to-head rules read them; the league
    // itself is not touched.
    auto replay = std::make_unique<Division>(division);
    LeagueTable table = start.table;
    CountedMatches counted;
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (CountsAsDecided(division.Results[r], start.asAt, start.withPredictions))
            counted.Add(r, true, true);
    DivisionWriter replayWriter(*replay);
    for (std::size_t i = 0; i < start.open.size() && i < witness.size(); ++i) {
        ResultRecord& match = replayWriter.Result(start.open[i].result);
        match.HomeGoals = witness[i] == Outcome::HomeWin ? 1 : 0;
        match.AwayGoals = witness[i] == Outcome::AwayWin ? 1 : 0;
        CountResult(table, match, start.winPoints);
        counted.Add(start.open[i].result, true, true);
    }
    CompleteTable(*replay, counted, table);
    return table;
}

} // namespace vantorel
