#include <benchmark/benchmark.h>

#include "app/EditHistory.h"
#include "results/ResultEntry.h"
#include "store/Journal.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

// One change of the largest league appended to its journal, written and flushed to disk: what every edit
// waits for before the window shows it as done. The change is a re-scored attendance, as the history
// records it.
void BM_JournalAppendFlushed(benchmark::State& state) {
    testing::TempFolder folder;
    const std::string path = folder.file("largest.div");
    auto largest = testing::MakeLargestLeague();
    if (!SaveDivision(path, *largest))
        state.SkipWithError("cannot write the league");
    EditHistory history;
    history.Start(*largest, true);
    JournalWriter journal;
    if (!journal.Create(JournalPathOf(path), path, WriteDivision(*largest)))
        state.SkipWithError("cannot make the journal");
    int attendance = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const ResultRecord& match = largest->Results[1];
        (void)RescoreResult(*largest, 1, match.HomeGoals, match.AwayGoals, ++attendance);
        const auto entry = history.Record(*largest, "re-score");
        state.ResumeTiming();
        if (!entry || !journal.Append(*entry))
            state.SkipWithError("append failed");
    }
}
BENCHMARK(BM_JournalAppendFlushed)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
