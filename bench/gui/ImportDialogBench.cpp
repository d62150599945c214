// The import dialog reading a file of 100,000 result lines into the largest league under the offscreen
// platform: the lines are read in chunks on the event loop, the counters and the progress bar repainted
// between chunks, as a user's click on "Import" does it.

#include <fstream>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include "app/AppContext.h"
#include "exchange/TfrmImport.h"
#include "platform/HelpViewer.h"
#include "support/ExportLines.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

void BM_ImportDialogHundredThousandLines(benchmark::State& state) {
    testing::TempFolder folder;
    const std::string path = folder.file("long.csv");
    {
        const auto season = testing::ExportLines(*testing::MakeLargestLeague(), ExportSection::Results);
        std::ofstream out(path, std::ios::binary);
        for (std::size_t i = 0; i < 100000; ++i)
            out << season[1 + i % (season.size() - 1)] << "\r\n";
    }
    auto division = std::make_unique<Division>();
    testing::ScriptedPrompts prompts;
    NoHelp help;
    AppContext app(*division, prompts, help);
    TfrmImport dialog(app, nullptr);
    dialog.edFile->setText(QString::fromStdString(path));
    dialog.show();
    QApplication::processEvents();
    qint64 longestTurn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        testing::Replace(*division, testing::MakeLeague(kMaxTeams, 4));
        state.ResumeTiming();
        dialog.btnImport->click();
        QElapsedTimer turn;
        while (dialog.running()) {
            turn.start();
            QApplication::processEvents();
            longestTurn = std::max(longestTurn, turn.elapsed());
        }
    }
    // The longest the window waited for the event loop while lines were read.
    state.counters["longest_turn_ms"] = static_cast<double>(longestTurn);
}
BENCHMARK(BM_ImportDialogHundredThousandLines)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
