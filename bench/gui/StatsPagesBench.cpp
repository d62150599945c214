// The statistics pages and the progress graph window on the largest league under the offscreen platform:
// each page's entry (computing and filling it) with painting it into a picture, and the graph window
// painting a whole Points Progress graph.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QImage>
#include <QTabBar>

#include "LargestWorkspace.h"
#include "stats/DivisionStatsPage.h"
#include "stats/GoalStatsPage.h"
#include "stats/TfrmGraph.h"

namespace vantorel {
namespace {

using bench::LargestWorkspace;

// Enters a page from the table page and paints the workspace into a picture.
void EnterPage(benchmark::State& state, WorkspacePage page) {
    LargestWorkspace workspace;
    QImage picture(workspace.window->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        workspace.window->TabSet1->setCurrentIndex(static_cast<int>(page));
        workspace.window->render(&picture);
        state.PauseTiming();
        workspace.window->TabSet1->setCurrentIndex(static_cast<int>(WorkspacePage::LeagueTable));
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

// The graph window painting a whole graph into a picture: Points Progress of a team of 92 games, or the
// top team comparison.
void BM_GraphWindowPainting(benchmark::State& state) {
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
BENCHMARK(BM_GraphWindowPainting)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
