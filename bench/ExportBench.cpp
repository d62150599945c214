#include <benchmark/benchmark.h>

#include "exchange/CsvExport.h"
#include "support/ExportLines.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using testing::CountingSink;

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
