// The players' windows on the largest league (4000 goals with scorers, 1500 players, 2208 squads) under the
// offscreen platform, each filled from the league and painted into an image as the user's action does. The
// offscreen platform has no window manager: scripts/bench-x times the same windows in a real X server.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QTableWidget>

#include "app/AppContext.h"
#include "platform/HelpViewer.h"
#include "players/GoalsTab.h"
#include "players/PlayersTab.h"
#include "players/TfrmSquad.h"
#include "results/TfrmResult.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"

namespace vantorel {
namespace {

class NoHelp : public HelpViewer {
public:
    void ShowContext(int) override {}
    void ShowContents() override {}
    void Close() override {}
};

struct LargestLeague {
    LargestLeague() : app(*division, prompts, help) {}
    std::unique_ptr<Division> division = testing::MakeLargestLeague();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app;
};

void Paint(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    widget.render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

// Sets a maintenance tab up from the league, as entering it does, and paints it; counts its rows.
template <typename Tab> void FillTabWithPainting(benchmark::State& state, QTableWidget* Tab::*grid) {
    LargestLeague league;
    Tab tab(league.app, nullptr);
    tab.resize(720, 560);
    tab.show();
    for (auto _ : state) {
        tab.Setup();
        Paint(tab);
    }
    state.counters["rows"] = (tab.*grid)->rowCount();
}

void BM_GoalsTabFillWithPainting(benchmark::State& state) {
    FillTabWithPainting(state, &GoalsTab::sgGoals);
}
BENCHMARK(BM_GoalsTabFillWithPainting)->Unit(benchmark::kMillisecond);

void BM_PlayersTabAllTeamsFillWithPainting(benchmark::State& state) {
    FillTabWithPainting(state, &PlayersTab::sgPlayers);
}
BENCHMARK(BM_PlayersTabAllTeamsFillWithPainting)->Unit(benchmark::kMillisecond);

// Opens a dialog on each result in turn, lets the event loop lay it out and paint it as it shows, and
// closes it.
template <typename Dialog> void OpenDialogWithPainting(benchmark::State& state) {
    LargestLeague league;
    int result = 0;
    for (auto _ : state) {
        result = result % kMaxResults + 1;
        Dialog dialog(league.app, result, nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.close();
    }
}

void BM_SquadDialogOpenWithPainting(benchmark::State& state) {
    OpenDialogWithPainting<TfrmSquad>(state);
}
BENCHMARK(BM_SquadDialogOpenWithPainting)->Unit(benchmark::kMillisecond);

void BM_MatchReportOpenWithPainting(benchmark::State& state) {
    OpenDialogWithPainting<TfrmResult>(state);
}
BENCHMARK(BM_MatchReportOpenWithPainting)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
