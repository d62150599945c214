#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/EditHistory.h"
#include "platform/DateFormat.h"
#include "platform/Prompts.h"
#include "store/Division.h"
#include "store/Journal.h"

namespace vantorel {

inline constexpr const char* kRecoverButton = "Recover";
inline constexpr const char* kDiscardButton = "Discard";

// The edits of the open league: its undo history, and the journal beside its file that keeps every change
// made since the last save on disk, so that a crash loses nothing. The journal is made at the first change,
// each change is flushed to it before the call that records it returns, and it is removed when the league
// is saved or closed without saving.
class LeagueEdits {
public:
    // Starts on a league just loaded from path; atSavedState as for EditHistory::Start.
    void Start(Division& division, const std::string& path, bool atSavedState);

    // Records a finished edit (or part of an open compound edit) as an undo step named step and writes it to
    // the journal. A journal that cannot be written is reported once, and the edits go on in memory.
    Status Record(const std::string& step, StepMerge merge = StepMerge::Never);
    void OpenCompound() { history_.OpenCompound(); }
    void CloseCompound() { history_.CloseCompound(); }

    // Undoes the last step or redoes the first undone one, journalled as an edit is. An edit made without
    // being recorded is recorded first, so that nothing is lost. False when there is nothing to undo or redo.
    bool Undo(Status& journalStatus) { return Move(true, journalStatus); }
    bool Redo(Status& journalStatus) { return Move(false, journalStatus); }

    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    std::string UndoCaption() const { return history_.UndoCaption(); }
    std::string RedoCaption() const { return history_.RedoCaption(); }

    // The league was saved over its file: the history marks the state, and the journal goes.
    void Saved();
    // The league is closing (saved or not): the journal goes.
    void Closed();

    // When a journal from an earlier run was left beside the league: asks whether to recover its changes
    // (applied, leaving the league changed and unsaved) or discard them. A journal that no longer fits the
    // league file is kept aside with a warning. True when changes were recovered.
    bool OfferRecovery(Prompts& prompts, const DateFormat& dateFormat);

    // Called after every recorded edit, undo, redo and save: the window updates its controls.
    std::function<void()> onChanged;

private:
    bool Move(bool undo, Status& journalStatus);
    Status Journal(const std::optional<JournalEntry>& entry);
    void Changed() const;

    Division* division_ = nullptr;
    std::string leaguePath_;
    std::string journalPath_;
    EditHistory history_;
    JournalWriter journal_;
    std::vector<std::uint8_t> fileBytes_; // the league file as on disk, which the journal starts from
    bool journalFailed_ = false;
};

// Opens a compound edit for as long as it lives: a result entered with its scorers is one step. Nothing
// without edits, as in a window with no league open.
class CompoundEdit {
public:
    explicit CompoundEdit(LeagueEdits* edits) : edits_(edits) {
        if (edits_)
            edits_->OpenCompound();
    }
    ~CompoundEdit() {
        if (edits_)
            edits_->CloseCompound();
    }
    CompoundEdit(const CompoundEdit&) = delete;
    CompoundEdit& operator=(const CompoundEdit&) = delete;

private:
    LeagueEdits* edits_;
};

// What the journal of a league file holds, as the command line reports and recovers it.
struct PendingJournal {
    JournalContents contents;
    std::string journalPath;
    int changes = 0;           // edits, undos and redos; the parts of a compound edit count once
    std::int64_t lastTime = 0; // when the last one was made
};
PendingJournal FindPendingJournal(const std::string& leaguePath, std::span<const std::uint8_t> fileBytes);

// "3 changes to this league were not saved; the last was made on 06/12/2026 at 21:40." (local time).
std::string UnsavedChangesText(const PendingJournal& pending, const DateFormat& dateFormat);
// "06/12/2026 at 21:40": when a change was made, in local time.
std::string ChangeTimeText(std::int64_t time, const DateFormat& dateFormat);
// The warning for a journal that another running program is writing.
inline constexpr const char* kJournalInUseText =
    "This league is open in another Vantorel window, which keeps its own unsaved changes. Changes made here "
    "cannot be kept safe from a crash until that window saves or closes the league.";
// The warning for a journal that no longer fits its league file, kept aside as keptAs.
std::string JournalDoesNotFitText(const std::string& keptAs);

// Applies a journal's changes to a Division loaded from the league file it was made for.
Status ApplyJournal(const PendingJournal& pending, Division& division);

} // namespace vantorel
