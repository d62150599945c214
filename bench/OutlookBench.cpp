#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "outlook/ExactPositions.h"
#include "standings/DateList.h"
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
