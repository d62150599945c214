#include <benchmark/benchmark.h>

#include <fstream>

#include "store/LeagueFile.h"
#include "store/SaveGuard.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

// Loading the largest league from disk: read, check and upgrade into the open Division.
void BM_LoadLargestLeague(benchmark::State& state) {
    testing::TempFolder folder;
    const std::string path = folder.file("largest.div");
    auto largest = testing::MakeLargestLeague();
    if (!SaveDivision(path, *largest))
        state.SkipWithError("cannot write the league");
    Division division;
    for (auto _ : state) {
        if (!LoadDivision(path, division))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(division.Header().GoalCount);
    }
}
BENCHMARK(BM_LoadLargestLeague)->Unit(benchmark::kMillisecond);

// Saving the largest league: write a temporary file, flush it to disk and rename it over the league.
void BM_SaveLargestLeague(benchmark::State& state) {
    testing::TempFolder folder;
    const std::string path = folder.file("largest.div");
    auto largest = testing::MakeLargestLeague();
    for (auto _ : state)
        if (!SaveDivision(path, *largest))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveLargestLeague)->Unit(benchmark::kMillisecond);

// The workspace's Save of the largest league: take the lock, compare with the file on disk, write the backup
// and replace the league, in a folder that also holds a hundred other files.
void BM_GuardedSaveLargestLeague(benchmark::State& state) {
    testing::TempFolder folder;
    for (int other = 0; other < 100; ++other)
        std::ofstream(folder.file("other" + std::to_string(other) + ".div")) << "x";
    const std::string path = folder.file("largest.div");
    auto largest = testing::MakeLargestLeague();
    SaveGuard guard;
    testing::ScriptedPrompts prompts;
    for (auto _ : state)
        if (!guard.Save(path, *largest, prompts))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_GuardedSaveLargestLeague)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
