// The results pages on the largest league (24 teams meeting four times) under the offscreen platform, each
// step painted into an image as the screen would show it: entering the Enter Results page, entering a
// result, filling the results list (every fixture played) and the predictions list (every fixture open),
// and a sort by a heading click on each.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "app/AppContext.h"
#include "app/MaintenancePage.h"
#include "app/TfrmProcess.h"
#include "platform/HelpViewer.h"
#include "results/EnterResultsPage.h"
#include "results/PredictResultsPage.h"
#include "results/ResultEntry.h"
#include "results/ResultsTab.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

// A shown workspace on a league of 24 teams meeting four times, on one page.
struct ResultsWorkspace {
    ResultsWorkspace(std::unique_ptr<Division> league, WorkspacePage page) : app(*division, prompts, help) {
        const std::string path = folder.file("league.div");
        if (!SaveDivision(path, *league))
            throw std::runtime_error("cannot write the league");
        app.today = [] { return 46000.0; };
        app.pickDate = [this](QWidget*, double, const QPoint&) { return ++pickedDay; };
        window = std::make_unique<TfrmProcess>(app);
        window->OpenLeague(path);
        window->show();
        window->TabSet1->setCurrentIndex(static_cast<int>(page));
    }
    void Paint(QWidget* page) {
        if (image.size() != page->size())
            image = QImage(page->size(), QImage::Format_RGB32);
        page->render(&image);
    }
    testing::TempFolder folder;
    std::unique_ptr<Division> division = std::make_unique<Division>();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app;
    std::unique_ptr<TfrmProcess> window;
    QImage image;
    double pickedDay = 46000;
};

std::unique_ptr<Division> OpenLargestLeague() {
    return testing::MakeLeague(kMaxTeams, 4);
}

void BM_EnterResultsPageEntryWithPainting(benchmark::State& state) {
    ResultsWorkspace workspace(OpenLargestLeague(), WorkspacePage::EnterResults);
    EnterResultsPage& page = *workspace.window->enterPage;
    for (auto _ : state) {
        page.SetupResultsPage();
        workspace.Paint(&page);
    }
}
BENCHMARK(BM_EnterResultsPageEntryWithPainting)->Unit(benchmark::kMillisecond);

void BM_EnterOneResultWithPainting(benchmark::State& state) {
    ResultsWorkspace workspace(OpenLargestLeague(), WorkspacePage::EnterResults);
    EnterResultsPage& page = *workspace.window->enterPage;
    for (auto _ : state) {
        page.HomeList->setCurrentIndex(0);
        page.AwayList->setCurrentIndex(0);
        page.Score1->setValue(2);
        page.btnUpdate->click();
        workspace.Paint(&page);
        state.PauseTiming();
        // The fixture is opened again and the date moved on, so that every round enters the same work.
        for (int r = workspace.division->Header().ResultCount; r >= 1; --r)
            if (workspace.division->Results[r].Played) {
                (void)CancelResult(*workspace.division, r);
                break;
            }
        page.btnCalClick();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterOneResultWithPainting)->Unit(benchmark::kMillisecond);

void BM_ResultsListFillWithPainting(benchmark::State& state) {
    ResultsWorkspace workspace(testing::MakeLargestLeague(), WorkspacePage::TableMaintenance);
    workspace.window->maintenancePage->TabbedNotebook1->setCurrentIndex(
        static_cast<int>(MaintenanceTab::Results));
    ResultsTab& tab = *workspace.window->maintenancePage->resultsTab;
    for (auto _ : state) {
        tab.Setup();
        workspace.Paint(&tab);
    }
}
BENCHMARK(BM_ResultsListFillWithPainting)->Unit(benchmark::kMillisecond);

void BM_ResultsSortByHeadingWithPainting(benchmark::State& state) {
    ResultsWorkspace workspace(testing::MakeLargestLeague(), WorkspacePage::TableMaintenance);
    workspace.window->maintenancePage->TabbedNotebook1->setCurrentIndex(
        static_cast<int>(MaintenanceTab::Results));
    ResultsTab& tab = *workspace.window->maintenancePage->resultsTab;
    int section = 0;
    for (auto _ : state) {
        tab.hcResultsSectionClick(section++ % 6);
        workspace.Paint(&tab);
    }
}
BENCHMARK(BM_ResultsSortByHeadingWithPainting)->Unit(benchmark::kMillisecond);

void BM_PredictListFillWithPainting(benchmark::State& state) {
    ResultsWorkspace workspace(OpenLargestLeague(), WorkspacePage::PredictResults);
    PredictResultsPage& page = *workspace.window->predictPage;
    for (auto _ : state) {
        page.FillPredictList(kDefaultResultSort);
        workspace.Paint(&page);
    }
}
BENCHMARK(BM_PredictListFillWithPainting)->Unit(benchmark::kMillisecond);

void BM_PredictSortByHeadingWithPainting(benchmark::State& state) {
    ResultsWorkspace workspace(OpenLargestLeague(), WorkspacePage::PredictResults);
    PredictResultsPage& page = *workspace.window->predictPage;
    int section = 0;
    for (auto _ : state) {
        page.hcPredictSectionClick(section++ % 6);
        workspace.Paint(&page);
    }
}
BENCHMARK(BM_PredictSortByHeadingWithPainting)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
