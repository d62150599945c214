// The league table page on the largest league under the offscreen platform: a table change (a format
// toggle, recomputing and repainting the table) and a page entry (rebuilding the dates and the table).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTableWidget>

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

// A shown workspace on the largest league.
struct LargestWorkspace {
    LargestWorkspace() : app(*division, prompts, help) {
        const std::string path = folder.file("largest.div");
        if (!SaveDivision(path, *testing::MakeLargestLeague()))
            throw std::runtime_error("cannot write the league");
        app.today = [] { return 46000.0; };
        window = std::make_unique<TfrmProcess>(app);
        window->OpenLeague(path);
        window->show();
    }
    testing::TempFolder folder;
    std::unique_ptr<Division> division = std::make_unique<Division>();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app;
    std::unique_ptr<TfrmProcess> window;
};

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
