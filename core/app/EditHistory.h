#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/Division.h"
#include "store/Journal.h"

namespace vantorel {

// Whether an edit joins the step before it when that step has the same name and nothing came between:
// typing a name or stepping a number through several values is one step.
enum class StepMerge { Never, WithSameName };

// The undo history of the open league, kept as differences between the league file's bytes before and
// after each step. Undoing rebuilds the bytes before a step and loads them, so a step never needs to know
// how to reverse its operation, and the history cannot drift from what a save would write. DataChanged
// follows the history: it is clear exactly when the league is back at the state of its file.
class EditHistory {
public:
    // Starts the history at the league just loaded; atSavedState when it equals its file (its running
    // totals did not have to be recomputed).
    void Start(const Division& division, bool atSavedState);

    // Records the change the Division went through since the state last recorded as a step named name, or,
    // while a compound edit is open, as one more part of the compound's step. Redo steps are dropped. The
    // entry for the journal; nothing when the league's bytes did not change.
    std::optional<JournalEntry> Record(Division& division, const std::string& name,
                                       StepMerge merge = StepMerge::Never);

    // Edits recorded between opening and closing (of the outermost, when nested) form one step, named by
    // the first of them.
    void OpenCompound();
    void CloseCompound();

    // Takes the Division back before the last step done, or forward over the first step undone. The entry
    // for the journal; nothing when there is no such step.
    std::optional<JournalEntry> Undo(Division& division);
    std::optional<JournalEntry> Redo(Division& division);

    // Applies a journal entry to the bytes as when it was made, building the same steps; false when it does
    // not start from the state recorded last. LoadReplayed then loads the result into the Division.
    bool Replay(const JournalEntry& entry);
    Status LoadReplayed(Division& division);

    // The Division now equals its file.
    void MarkSaved(Division& division);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // "Undo: result Arsenal v Chelsea 2-1", or "Undo" with nothing to undo; the same for redo.
    std::string UndoCaption() const;
    std::string RedoCaption() const;

    // The league file's bytes as last recorded.
    std::span<const std::uint8_t> bytes() const { return bytes_; }

private:
    struct Step {
        std::string name;
        std::vector<SnapshotDiff> parts; // in the order they were made
    };

    void AddPart(const std::string& name, SnapshotDiff diff, bool joinsPrevious);
    // The bytes after the steps' parts are undone (forward false) or done again, from the bytes now.
    bool Walk(const Step& step, bool forward, std::vector<std::uint8_t>& bytes) const;
    void FollowDataChanged(Division& division) const;

    std::vector<Step> steps_; // steps_[0, position_) are done, the rest undone
    std::size_t position_ = 0;
    std::optional<std::size_t> saved_; // the position at which the Division equals its file
    std::vector<std::uint8_t> bytes_;
    int compoundDepth_ = 0;
    bool compoundHasPart_ = false;
};

} // namespace vantorel
