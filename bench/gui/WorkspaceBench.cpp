// The league table page on the largest league under the offscreen platform, driven by mouse clicks as a
// user's, each followed by the window painting itself into an image: a format toggle (the cells refilled),
// a content change (the dates and the table recomputed) and a page change back to the table page (the
// dates and the table rebuilt on entry).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include "LargestWorkspace.h"
#include "standings/LeagueTablePage.h"

namespace vantorel {
namespace {

using bench::LargestWorkspace;

void BM_TableFormatChangeWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    LeagueTablePage& page = *workspace.window->tablePage;
    for (auto _ : state) {
        workspace.Click(page.cbShort);
        workspace.Paint();
    }
}
BENCHMARK(BM_TableFormatChangeWithPainting)->Unit(benchmark::kMillisecond);

void BM_TableContentChangeWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    LeagueTablePage& page = *workspace.window->tablePage;
    int content = 0;
    for (auto _ : state) {
        content = 1 - content; // played games, then played and predicted
        workspace.Click(page.RadioGroup1->button(content));
        workspace.Paint();
    }
}
BENCHMARK(BM_TableContentChangeWithPainting)->Unit(benchmark::kMillisecond);

// Leaves the table page for the Team Statistics page (not timed), then clicks its tab again. The Outlook
// page next to it would start its simulation, which would run on beside the timed entry.
void MeasurePageEntry(benchmark::State& state, LargestWorkspace& workspace) {
    QTabBar& tabs = *workspace.window->TabSet1;
    const int away = static_cast<int>(WorkspacePage::TeamStatistics);
    const int table = static_cast<int>(WorkspacePage::LeagueTable);
    for (auto _ : state) {
        state.PauseTiming();
        workspace.Click(&tabs, tabs.tabRect(away).center());
        workspace.Paint();
        state.ResumeTiming();
        workspace.Click(&tabs, tabs.tabRect(table).center());
        workspace.Paint();
    }
}

void BM_TablePageEntryWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    MeasurePageEntry(state, workspace);
}
BENCHMARK(BM_TablePageEntryWithPainting)->Unit(benchmark::kMillisecond);

// The same under a UEFA group's rules: head-to-head mini-leagues and an explanation for every level team.
void BM_TablePageEntryHeadToHeadWithPainting(benchmark::State& state) {
    LargestWorkspace workspace("1678R23");
    MeasurePageEntry(state, workspace);
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
