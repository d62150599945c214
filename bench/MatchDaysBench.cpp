#include <benchmark/benchmark.h>

#include "app/MatchDays.h"
#include "exchange/CalendarExport.h"
#include "exchange/WebPages.h"
#include "support/ExportLines.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using testing::CountingSink;

// "Match Days" OK on the largest league with nothing played: 1104 open fixtures laid on 92 match days.
void BM_ScheduleOpenFixturesLargestLeague(benchmark::State& state) {
    auto league = testing::MakeLeague(24, 4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ScheduleOpenFixtures(*league, {46000, 7, {46014, 46021}}).ok());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScheduleOpenFixturesLargestLeague)->Unit(benchmark::kMicrosecond);

// The calendar export of every fixture of the largest league, every one of them played and dated.
void BM_CalendarExportLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    for (auto _ : state) {
        CountingSink sink;
        ExportCalendar(*largest, {0, "20260314T150405Z"}, sink);
        benchmark::DoNotOptimize(sink.characters);
    }
}
BENCHMARK(BM_CalendarExportLargestLeague)->Unit(benchmark::kMicrosecond);

// The table of the largest league as a web page and as an SVG picture, from the computed table.
void BM_TableWebPageAndPictureLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    const LeagueTable table = FillTable(*largest, {});
    const Settings settings;
    for (auto _ : state) {
        const std::string page = TableWebPage(*largest, table, {}, settings, DateFormat::Default());
        const std::string picture = TableSvgPicture(MakeTablePrintout(*largest, table, {}, "14/03/2026"));
        benchmark::DoNotOptimize(page.size() + picture.size());
    }
}
BENCHMARK(BM_TableWebPageAndPictureLargestLeague)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantorel
