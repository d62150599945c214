// The players' lists and the match report on the largest league: what the tabs and dialogs compute before
// they paint.

#include <benchmark/benchmark.h>

#include "players/GoalList.h"
#include "players/Players.h"
#include "results/ResultDetails.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

void BM_GoalListOfATeamByScorer(benchmark::State& state) {
    auto division = testing::MakeLargestLeague();
    for (auto _ : state)
        benchmark::DoNotOptimize(SortedGoalList(*division, 1, GoalSortKey::Scorer));
}
BENCHMARK(BM_GoalListOfATeamByScorer)->Unit(benchmark::kMicrosecond);

void BM_PlayerListOfAllTeamsByGoals(benchmark::State& state) {
    auto division = testing::MakeLargestLeague();
    for (auto _ : state)
        benchmark::DoNotOptimize(SortedPlayerList(*division, 0, PlayerSortKey::Goals));
}
BENCHMARK(BM_PlayerListOfAllTeamsByGoals)->Unit(benchmark::kMicrosecond);

void BM_MatchReportOfTheLastResult(benchmark::State& state) {
    auto division = testing::MakeLargestLeague();
    const DateFormat dates = DateFormat::Default();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildMatchReport(*division, kMaxResults, dates));
}
BENCHMARK(BM_MatchReportOfTheLastResult)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantorel
