// The statistics pages and the progress graph window on the largest league under the offscreen platform:
// each page's entry (computing and filling it) with painting it into a picture, and the graph window
// painting a whole Points Progress graph.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QImage>
#include <QTabBar>

#include "LargestWorkspace.h"
#include "stats/DivisionStatsPage.h"
#include "stats/GoalStatsPage.h"
#include "stats/TfrmGraph.h"

namespace vantorel {
namespace {

using bench::LargestWorkspace;

// Enters a page from the table page by a click on its tab, and lets the event loop lay out and paint the
// shown window, as a user's click does.
void EnterPage(benchmark::State& state, WorkspacePage page) {
    LargestWorkspace workspace;
    QTabBar& tabs = *workspace.window->TabSet1;
    for (auto _ : state) {
        workspace.Click(&tabs, tabs.tabRect(static_cast<int>(page)).center());
        QCoreApplication::processEvents();
        state.PauseTiming();
        workspace.Click(&tabs, tabs.tabRect(static_cast<int>(WorkspacePage::LeagueTable)).center());
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_GoalStatsPageEntryWithPainting(benchmark::State& state) {
    EnterPage(state, WorkspacePage::GoalStatistics);
}
BENCHMARK(BM_GoalStatsPageEntryWithPainting)->Unit(benchmark::kMillisecond);

void BM_DivisionStatsPageEntryWithPainting(benchmark::State& state) {
    EnterPage(state, WorkspacePage::DivisionStatistics);
}
BENCHMARK(BM_DivisionStatsPageEntryWithPainting)->Unit(benchmark::kMillisecond);

// The graph window opened from the team page, as the Graph button opens it, shown and painted by the event
// loop, then closed. The workspace builds the window on its first opening and reuses it after.
void BM_GraphWindowOpen(benchmark::State& state) {
    LargestWorkspace workspace;
    for (auto _ : state) {
        workspace.window->ShowProgressGraph(1);
        QCoreApplication::processEvents();
        workspace.window->findChild<TfrmGraph*>()->close();
    }
}
BENCHMARK(BM_GraphWindowOpen)->Unit(benchmark::kMillisecond);

// An open graph window repainting its whole graph into a picture: Points Progress of a team of 92 games, or
// the top team comparison.
void BM_GraphRepaint(benchmark::State& state) {
    LargestWorkspace workspace;
    TfrmGraph graph(workspace.app, 1, 46000, nullptr);
    graph.resize(1000, 700);
    graph.show();
    if (state.range(0) == 1)
        graph.RadioGroup1->button(1)->click();
    QImage picture(graph.pbGraph->size(), QImage::Format_RGB32);
    for (auto _ : state)
        graph.pbGraph->render(&picture);
}
BENCHMARK(BM_GraphRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
