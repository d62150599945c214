// Undo and redo in the workspace on the largest league, clicked as a user clicks them, each followed by
// the window painting itself; and opening the largest league with 500 unsaved changes to recover.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include <QToolButton>

#include "LargestWorkspace.h"
#include "app/LeagueSettings.h"
#include "results/ResultEntry.h"

namespace vantorel {
namespace {

using bench::LargestWorkspace;

// Cancelling the first result takes its goals out of the goal records, shifting every later one: one of the
// larger steps there are.
void CancelFirstResult(LargestWorkspace& workspace) {
    if (auto status = CancelResult(*workspace.division, 1); !status)
        throw std::runtime_error(status.message());
    workspace.app.RecordEdit("cancel");
}

void BM_UndoOrRedoWithPainting(benchmark::State& state) {
    LargestWorkspace workspace;
    CancelFirstResult(workspace);
    bool undo = true;
    for (auto _ : state) {
        workspace.Click(undo ? workspace.window->btnUndo : workspace.window->btnRedo);
        workspace.Paint();
        undo = !undo;
    }
    if (workspace.division->Results[1].Played == undo)
        state.SkipWithError("the step did not move");
}
BENCHMARK(BM_UndoOrRedoWithPainting)->Unit(benchmark::kMillisecond);

// The league is left with 500 changes in its journal (re-scored attendances and deductions, as a long
// evening's work), then opened again and recovered, the table painted.
void BM_OpenWithJournalOf500Changes(benchmark::State& state) {
    LargestWorkspace workspace;
    for (int change = 1; change <= 500; ++change) {
        if (change % 5 == 0) {
            (void)SetDeduction(*workspace.division, 1 + change % 24, change % 10);
        } else {
            const int r = 1 + change % 1104;
            const ResultRecord& match = workspace.division->Results[r];
            (void)RescoreResult(*workspace.division, r, match.HomeGoals, match.AwayGoals, 1000 + change);
        }
        workspace.app.RecordEdit("change " + std::to_string(change));
    }
    const std::string path = workspace.window->workspace().leaguePath;
    for (auto _ : state) {
        // Opening again drops the journal writer without removing its file, as a run that died.
        if (!workspace.window->OpenLeague(path))
            state.SkipWithError("cannot open");
        workspace.window->OfferRecovery();
        workspace.Paint();
    }
    if (!workspace.window->workspace().edits.CanUndo())
        state.SkipWithError("nothing recovered");
}
BENCHMARK(BM_OpenWithJournalOf500Changes)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantorel
