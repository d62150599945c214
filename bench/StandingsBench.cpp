#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "standings/Standings.h"
#include "store/Division.h"
#include "support/LeagueEdits.h"
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

// The largest league ordered as a UEFA group is: points, then the head-to-head rules, again for a smaller
// tie, then goal difference and goals scored.
void BM_FillTableHeadToHeadRules(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    testing::Edit(*largest).Header().SortRules.assignStored("1678R23");
    const TableVariant variant{TableContent::PlayedGames, GameSelection::HomeAndAway, kEndOfSeason, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(FillTable(*largest, variant));
}
BENCHMARK(BM_FillTableHeadToHeadRules)->Unit(benchmark::kMicrosecond);

// The worst case for the head-to-head rules: all 24 teams of the largest league level on points. Each
// team beats the eleven teams after it in a circle by as many goals as the gap, loses to the eleven before
// it and draws with the team opposite; in the second half of the season team 1 beats team 13 once, so teams
// split into groups that the head-to-head rules, and again for smaller ties, have to work through.
void BM_FillTableHeadToHeadManyTied(benchmark::State& state) {
    auto league = testing::MakeLeague(kMaxTeams, 4);
    for (int r = 1; r <= league->Header().ResultCount; ++r) {
        const ResultRecord& match = league->Results[r];
        const int gap = (match.AwayTeam - match.HomeTeam + kMaxTeams) % kMaxTeams;
        const bool decider =
            match.HomeTeam == 1 && match.AwayTeam == 13 && r > league->Header().ResultCount / 2;
        const int homeGoals = gap < 12 ? gap : gap == 12 ? 1 + decider : 0;
        const int awayGoals = gap > 12 ? kMaxTeams - gap : gap == 12 ? 1 : 0;
        testing::PlayFixture(*league, r, homeGoals, awayGoals, 1 + r / 12);
    }
    testing::Edit(*league).Header().SortRules.assignStored("1678R23");
    const TableVariant variant{TableContent::PlayedGames, GameSelection::HomeAndAway, kEndOfSeason, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(FillTable(*league, variant));
}
BENCHMARK(BM_FillTableHeadToHeadManyTied)->Unit(benchmark::kMicrosecond);

// The table as at each of one team's 92 match dates, one after another, as a progress graph needs them.
void BM_TableAtEachMatchDateOfATeam(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    std::vector<double> dates;
    for (int r = 1; r <= largest->Header().ResultCount; ++r)
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
