// The league table page on the largest league under the offscreen platform: a table change (a format
// toggle, recomputing and repainting the table) and a page entry (rebuilding the dates and the table).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTableWidget>

#include "LargestWorkspace.h"
#include "standings/LeagueTablePage.h"

namespace vantorel {
namespace {

using bench::LargestWorkspace;

void BM_TableFormatChangeWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    LeagueTablePage& page = *workspace.window->tablePage;
    for (auto _ : state) {
        page.cbShort->click();
        page.DivTable->viewport()->repaint();
    }
}
BENCHMARK(BM_TableFormatChangeWithPainting)->Unit(benchmark::kMillisecond);

void BM_TablePageEntryWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    LeagueTablePage& page = *workspace.window->tablePage;
    for (auto _ : state) {
        page.Refresh();
        page.DivTable->viewport()->repaint();
    }
}
BENCHMARK(BM_TablePageEntryWithPainting)->Unit(benchmark::kMillisecond);

// The same under a UEFA group's rules: head-to-head mini-leagues and an explanation for every level team.
void BM_TablePageEntryHeadToHeadWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    workspace.division->Header.SortRules.assignStored("1678R23");
    LeagueTablePage& page = *workspace.window->tablePage;
    for (auto _ : state) {
        page.Refresh();
        page.DivTable->viewport()->repaint();
    }
}
BENCHMARK(BM_TablePageEntryHeadToHeadWithPainting)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
