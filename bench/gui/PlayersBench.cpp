// The players' windows on the largest league (2000 goals with scorers, 480 players, 1104 squads) under the
// offscreen platform, each filled from the league and painted into an image as the user's action does.

#include <benchmark/benchmark.h>

#include <QComboBox>
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

void BM_GoalsTabFillWithPainting(benchmark::State& state) {
    LargestLeague league;
    GoalsTab tab(league.app, nullptr);
    tab.resize(720, 560);
    tab.show();
    for (auto _ : state) {
        tab.Setup();
        Paint(tab);
    }
    state.counters["goals"] = tab.sgGoals->rowCount();
}
BENCHMARK(BM_GoalsTabFillWithPainting)->Unit(benchmark::kMillisecond);

void BM_PlayersTabAllTeamsFillWithPainting(benchmark::State& state) {
    LargestLeague league;
    PlayersTab tab(league.app, nullptr);
    tab.resize(720, 560);
    tab.show();
    for (auto _ : state) {
        tab.Setup();
        Paint(tab);
    }
    state.counters["players"] = tab.sgPlayers->rowCount();
}
BENCHMARK(BM_PlayersTabAllTeamsFillWithPainting)->Unit(benchmark::kMillisecond);

void BM_SquadDialogOpenWithPainting(benchmark::State& state) {
    LargestLeague league;
    int result = 0;
    for (auto _ : state) {
        result = result % kMaxResults + 1;
        TfrmSquad dialog(league.app, result, nullptr);
        dialog.show();
        Paint(dialog);
    }
}
BENCHMARK(BM_SquadDialogOpenWithPainting)->Unit(benchmark::kMillisecond);

void BM_MatchReportOpenWithPainting(benchmark::State& state) {
    LargestLeague league;
    int result = 0;
    for (auto _ : state) {
        result = result % kMaxResults + 1;
        TfrmResult dialog(league.app, result, nullptr);
        dialog.show();
        Paint(dialog);
    }
}
BENCHMARK(BM_MatchReportOpenWithPainting)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
