#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "standings/Standings.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

constexpr double kEndOfSeason = 1e9;

// The table of the largest league with every fixture played.
void BM_FillTableLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    const TableVariant variant{TableContent::PlayedGames, GameSelection::HomeAndAway, kEndOfSeason, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(FillTable(*largest, variant));
}
BENCHMARK(BM_FillTableLargestLeague)->Unit(benchmark::kMicrosecond);

void BM_FillTableCurrentForm(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    const TableVariant variant{TableContent::CurrentForm, GameSelection::HomeAndAway, kEndOfSeason, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(FillTable(*largest, variant));
}
BENCHMARK(BM_FillTableCurrentForm)->Unit(benchmark::kMicrosecond);

// The table as at each of one team's 92 match dates, one after another, as a progress graph needs them.
void BM_TableAtEachMatchDateOfATeam(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    std::vector<double> dates;
    for (int r = 1; r <= largest->Header.ResultCount; ++r)
        if (largest->Results[r].HomeTeam == 1 || largest->Results[r].AwayTeam == 1)
            dates.push_back(largest->Results[r].MatchDate);
    std::sort(dates.begin(), dates.end());
    for (auto _ : state)
        for (double date : dates)
            benchmark::DoNotOptimize(
                FillTable(*largest, {TableContent::PlayedGames, GameSelection::HomeAndAway, date, 10}));
    state.counters["tables"] = static_cast<double>(dates.size());
}
BENCHMARK(BM_TableAtEachMatchDateOfATeam)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
