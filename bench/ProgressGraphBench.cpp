// The progress graph's drawing on the largest league: a team's whole Points Progress graph with its league
// position after each of its 92 games, and a comparison of four teams.

#include <benchmark/benchmark.h>

#include "stats/DivisionStats.h"
#include "stats/GoalStats.h"
#include "stats/ProgressGraph.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

// Arg 1 orders the table with head-to-head rules, which replay the mini-league of level teams.
void BM_PointsProgressGraphLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    if (state.range(0) == 1)
        testing::Edit(*largest).Header().SortRules.assignStored("1678R23");
    for (auto _ : state) {
        testing::RecordingCanvas canvas;
        benchmark::DoNotOptimize(DrawProgressGraph(canvas, *largest, {1, 0, 0, 0}, false, kRed, 1000, 600));
    }
    state.counters["games"] = largest->Teams[1].Played;
}
BENCHMARK(BM_PointsProgressGraphLargestLeague)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TopComparisonGraphLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    for (auto _ : state) {
        testing::RecordingCanvas canvas;
        const LeagueTable table = ComparisonTable(*largest, 24, 0);
        benchmark::DoNotOptimize(DrawProgressGraph(canvas, *largest,
                                                   TeamsForGraph(GraphType::TopComparison, 24, table),
                                                   state.range(0) == 1, kRed, 1000, 600));
    }
}
BENCHMARK(BM_TopComparisonGraphLargestLeague)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DivisionAndGoalStatsLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    const DateFormat dates = DateFormat::Default();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DivisionStats(*largest, dates, '.'));
        benchmark::DoNotOptimize(GoalStats(*largest, dates));
    }
}
BENCHMARK(BM_DivisionAndGoalStatsLargestLeague)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
