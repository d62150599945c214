#include <sstream>

#include <benchmark/benchmark.h>

#include "exchange/CsvExport.h"
#include "exchange/CsvHeadings.h"
#include "exchange/ImportRun.h"
#include "standings/Standings.h"
#include "support/ExportLines.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

// "All of the Above" of the largest league (1104 results, 4000 goals with scorers, 1500 players, 2208 squads)
// as the text of a file, the table computed as the table page would.
void BM_ExportAllOfTheLargestLeague(benchmark::State& state) {
    const auto largest = testing::MakeLargestLeague();
    for (auto _ : state) {
        const LeagueTable table = FillTable(*largest, {});
        ExportRequest request;
        request.table = &table;
        request.from = 0;
        request.to = 1e9;
        std::ostringstream text;
        StreamLineSink sink(text);
        ExportSections(*largest, request, DateFormat::Default(), sink);
        benchmark::DoNotOptimize(text.str().size());
    }
}
BENCHMARK(BM_ExportAllOfTheLargestLeague)->Unit(benchmark::kMillisecond);

// Runs an import of the lines into a fresh league of the largest size for every iteration.
void RunImport(benchmark::State& state, ImportChoice choice, const std::vector<std::string>& lines) {
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = testing::MakeLeague(kMaxTeams, 4);
        state.ResumeTiming();
        const ImportCounters counters = ImportAll(*fresh, choice, lines, DateFormat::Default());
        benchmark::DoNotOptimize(counters.imported);
    }
}

// A whole season: 1104 results, 1500 players and 4000 goal-scorer lines read as one file.
void BM_ImportSeasonWithScorersAndPlayers(benchmark::State& state) {
    const auto largest = testing::MakeLargestLeague();
    std::vector<std::string> lines;
    for (const auto& [section, title] :
         {std::pair(ExportSection::Results, kResultsTitle), std::pair(ExportSection::Scorers, kScorersTitle),
          std::pair(ExportSection::Players, kPlayersTitle)}) {
        lines.emplace_back(title);
        for (std::string& line : testing::ExportLines(*largest, section))
            lines.push_back(std::move(line));
    }
    RunImport(state, ImportChoice::All, lines);
}
BENCHMARK(BM_ImportSeasonWithScorersAndPlayers)->Unit(benchmark::kMillisecond);

// The whole export of the largest league read back, the squad lines of its 2208 squads included.
void BM_ImportAllOfTheLargestLeague(benchmark::State& state) {
    RunImport(state, ImportChoice::All,
              testing::ExportLines(*testing::MakeLargestLeague(), ExportSection::All));
}
BENCHMARK(BM_ImportAllOfTheLargestLeague)->Unit(benchmark::kMillisecond);

// A file of 100,000 result lines: the season's 1104 results again and again, so that all but the first
// round are refused after looking for an open fixture.
void BM_ImportHundredThousandResultLines(benchmark::State& state) {
    const std::vector<std::string> season =
        testing::ExportLines(*testing::MakeLargestLeague(), ExportSection::Results);
    std::vector<std::string> lines;
    while (lines.size() < 100000)
        lines.push_back(season[1 + lines.size() % (season.size() - 1)]);
    RunImport(state, ImportChoice::Results, lines);
}
BENCHMARK(BM_ImportHundredThousandResultLines)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
