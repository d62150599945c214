// Team statistics on the largest league: the team with the most games (92), with squads and goal records.

#include <benchmark/benchmark.h>

#include "stats/PlayerRecordView.h"
#include "stats/TeamStats.h"
#include "stats/TeamStatsGrids.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

void BM_TeamStatsOfTheLargestLeague(benchmark::State& state) {
    const auto league = testing::MakeLargestLeague();
    for (auto _ : state)
        benchmark::DoNotOptimize(TeamStats(*league, 1));
}
BENCHMARK(BM_TeamStatsOfTheLargestLeague)->Unit(benchmark::kMicrosecond);

void BM_TeamGamesSortEveryKey(benchmark::State& state) {
    const auto league = testing::MakeLargestLeague();
    std::vector<int> games = TeamStats(*league, 1).games;
    for (auto _ : state)
        for (int key = 1; key <= 12; ++key)
            SortTeamGames(*league, 1, games, key);
}
BENCHMARK(BM_TeamGamesSortEveryKey)->Unit(benchmark::kMicrosecond);

void BM_PlayerSeasonOfTheLargestLeague(benchmark::State& state) {
    const auto league = testing::MakeLargestLeague();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlayerSeasonOf(*league, 1));
}
BENCHMARK(BM_PlayerSeasonOfTheLargestLeague)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantorel
