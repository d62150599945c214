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

#include "app/AppContext.h"
#include "app/TfrmProcess.h"
#include "platform/HelpViewer.h"
#include "standings/LeagueTablePage.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

// A shown workspace on the largest league, with the league's own sort rules or the given ones.
struct LargestWorkspace {
    explicit LargestWorkspace(const char* sortRules = nullptr) : app(*division, prompts, help) {
        const std::string path = folder.file("largest.div");
        auto league = testing::MakeLargestLeague();
        if (sortRules)
            league->Header.SortRules.assignStored(sortRules);
        if (!SaveDivision(path, *league))
            throw std::runtime_error("cannot write the league");
        app.today = [] { return 46000.0; };
        window = std::make_unique<TfrmProcess>(app);
        window->OpenLeague(path);
        window->resize(image.size());
        window->show();
    }
    testing::TempFolder folder;
    std::unique_ptr<Division> division = std::make_unique<Division>();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app;
    std::unique_ptr<TfrmProcess> window;

    // Lets the pending layout run, as the event loop would, then paints the whole window.
    void Paint() {
        QCoreApplication::processEvents();
        window->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    void Click(QWidget* widget, QPoint at = {}) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    QImage image{QSize(960, 680), QImage::Format_ARGB32_Premultiplied};
};

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

// Leaves the table page for the next one (not timed), then clicks its tab again.
void MeasurePageEntry(benchmark::State& state, LargestWorkspace& workspace) {
    QTabBar& tabs = *workspace.window->TabSet1;
    for (auto _ : state) {
        state.PauseTiming();
        workspace.Click(&tabs, tabs.tabRect(1).center());
        workspace.Paint();
        state.ResumeTiming();
        workspace.Click(&tabs, tabs.tabRect(0).center());
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
