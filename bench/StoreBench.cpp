#include <benchmark/benchmark.h>

#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
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

} // namespace
} // namespace vantorel
