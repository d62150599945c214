#include <benchmark/benchmark.h>

#include "exchange/CsvExport.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

// Counts the exported lines without keeping them.
class CountingSink : public LineSink {
public:
    void WriteLine(std::string_view line) override { characters += line.size(); }
    std::size_t characters = 0;
};

// The matches-grid export of the largest league: both sets of 24 × 24 cells.
void BM_GridExportLargestLeague(benchmark::State& state) {
    auto largest = testing::MakeLargestLeague();
    ExportRequest request;
    request.section = ExportSection::Grid;
    for (auto _ : state) {
        CountingSink sink;
        ExportSections(*largest, request, DateFormat::Default(), sink);
        benchmark::DoNotOptimize(sink.characters);
    }
}
BENCHMARK(BM_GridExportLargestLeague)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vantorel
