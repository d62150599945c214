#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "outlook/Outlook.h"
#include "standings/DateList.h"
#include "standings/SortRules.h"
#include "support/SampleSeason.h"
#include "support/SyntheticSeason.h"

namespace vantorel {
namespace {

// The processor time of this thread: the machines that run the benchmarks are shared, so wall time would
// count other people's work.
double ThreadCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Every team's best and worst position at each match date of a season, as the Outlook page and the
// outlook command compute them when the date is picked; reports the slowest date and the 95th percentile.
void RunExactEveryDate(benchmark::State& state, const Division& division) {
    const DateList dates = DateList::Build(division, TableContent::PlayedGames);
    std::vector<double> millis;
    for (auto _ : state) {
        millis.clear();
        for (int d = 0; d <= dates.DateCount(); ++d) {
            const double asAt = d == 0 ? 0 : dates.dates()[static_cast<std::size_t>(d - 1)];
            const double begin = ThreadCpuMillis();
            const OutlookStart start = BuildOutlookStart(division, asAt, false);
            benchmark::DoNotOptimize(ExactPositions(start));
            millis.push_back(ThreadCpuMillis() - begin);
        }
    }
    std::sort(millis.begin(), millis.end());
    state.counters["dates"] = static_cast<double>(millis.size());
    state.counters["p95_ms"] = millis[millis.size() * 95 / 100];
    state.counters["max_ms"] = millis.back();
}

void BM_ExactPositionsEveryDateSampleSeason(benchmark::State& state) {
    const auto season = testing::LoadSampleSeason();
    RunExactEveryDate(state, *season);
}
BENCHMARK(BM_ExactPositionsEveryDateSampleSeason)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExactPositionsEveryDateLargestLeague(benchmark::State& state) {
    const auto season = testing::MakeSyntheticSeason(kMaxTeams, 4, 3, testing::SpreadStrengths(kMaxTeams), 7);
    RunExactEveryDate(state, *season);
}
BENCHMARK(BM_ExactPositionsEveryDateLargestLeague)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExactPositionsEveryDateTwoPointsAWin(benchmark::State& state) {
    const auto season = testing::MakeSyntheticSeason(20, 2, 2, testing::SpreadStrengths(20), 11);
    RunExactEveryDate(state, *season);
}
BENCHMARK(BM_ExactPositionsEveryDateTwoPointsAWin)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vantorel

namespace vantorel {
namespace {

// Simulated remainders of a 20-team season from mid-season, on one thread (items per second = seasons per
// second), as the Outlook page runs them after its exact part; with the sort rules given, e.g. head-to-head
// rules, so that every tie on points goes through the full ordering.
void SimulateMidSeason(benchmark::State& state, const char* sortRules) {
    auto season = testing::MakeSyntheticSeason(20, 2, 3, testing::SpreadStrengths(20), 7);
    (void)SetSortRules(*season, sortRules);
    OutlookRequest request;
    request.asAt = testing::SyntheticRoundDate(18);
    Outlook outlook = ComputeExactOutlook(*season, request);
    for (auto _ : state)
        benchmark::DoNotOptimize(SimulateSeasons(*season, outlook.start, outlook.grids, {10000, 1, 1}));
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK_CAPTURE(SimulateMidSeason, TwentyTeamsPointsGoalDifference, "123")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SimulateMidSeason, TwentyTeamsHeadToHeadRules, "1678R23")->Unit(benchmark::kMillisecond);

// 10,000 seasons of the largest league from its first day: the whole outlook the page computes, exact
// part, model and simulation, on one thread.
void BM_OutlookLargestLeagueFromFirstDay(benchmark::State& state) {
    const auto season = testing::MakeSyntheticSeason(kMaxTeams, 4, 3, testing::SpreadStrengths(kMaxTeams), 7);
    OutlookRequest request;
    request.asAt = 0;
    for (auto _ : state) {
        Outlook outlook = ComputeExactOutlook(*season, request);
        SimulateOutlook(*season, outlook, {10000, 1, 1});
        benchmark::DoNotOptimize(outlook);
    }
}
BENCHMARK(BM_OutlookLargestLeagueFromFirstDay)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
