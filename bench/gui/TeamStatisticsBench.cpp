// The team statistics page on the largest league under the offscreen platform: a team change with the
// whole page painted, the player record opened and painted, and the team summary printout written to a PDF
// file.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QTableWidget>

#include "app/AppContext.h"
#include "platform/Printing.h"
#include "stats/TeamStatisticsPage.h"
#include "stats/TeamSummaryPrintout.h"
#include "stats/TfrmPlayer.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

class SilentHelp : public HelpViewer {
public:
    void ShowContext(int) override {}
    void ShowContents() override {}
    void Close() override {}
};

// The page shown at its usual size on the largest league.
struct LargestTeamPage {
    LargestTeamPage() : app(*division, prompts, help), page(app, workspace, nullptr) {
        page.resize(940, 620);
        page.PageEntry();
        page.show();
        page.Refresh(); // as entering the page does
    }
    std::unique_ptr<Division> division = testing::MakeLargestLeague();
    testing::ScriptedPrompts prompts;
    SilentHelp help;
    AppContext app;
    Workspace workspace;
    TeamStatisticsPage page;
};

void BM_TeamChangeWithPainting(benchmark::State& state) {
    LargestTeamPage fixture;
    QImage image(fixture.page.size(), QImage::Format_RGB32);
    int team = 0;
    for (auto _ : state) {
        fixture.page.SelTeamList->setCurrentIndex(team++ % 2);
        fixture.page.SelTeamListChange();
        fixture.page.render(&image);
    }
}
BENCHMARK(BM_TeamChangeWithPainting)->Unit(benchmark::kMillisecond);

// The player record opened over the page by a double click on the players grid, shown and painted by the
// event loop, then closed. The page builds the window on its first opening and reuses it after.
void BM_PlayerRecordOpenWithPainting(benchmark::State& state) {
    LargestTeamPage fixture;
    fixture.page.sgTmPlayers->setCurrentCell(0, 0);
    for (auto _ : state) {
        fixture.page.sgTmPlayersDblClick();
        QCoreApplication::processEvents();
        fixture.page.findChild<TfrmPlayer*>()->close();
    }
}
BENCHMARK(BM_PlayerRecordOpenWithPainting)->Unit(benchmark::kMillisecond);

void BM_TeamSummaryPrintoutToPdf(benchmark::State& state) {
    const auto league = testing::MakeLargestLeague();
    const TeamStatistics stats = TeamStats(*league, 1);
    testing::TempFolder folder;
    const QString file = QString::fromStdString(folder.file("summary.pdf"));
    for (auto _ : state)
        PrintPagesToPdf(file, QStringLiteral("Vantorel Team Summary"),
                        [&](Canvas& canvas, int width, int height, int page) {
                            return PrintTeamSummary(canvas, width, height, *league, stats,
                                                    DateFormat::Default(), "06/12/2026", page);
                        });
}
BENCHMARK(BM_TeamSummaryPrintoutToPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
