#include "app/EditHistory.h"

#include <ctime>

#include "store/DivisionWriter.h"
#include "store/LeagueFile.h"

namespace vantorel {
namespace {

JournalEntry MakeEntry(JournalEntry::Kind kind, bool joinsPrevious, const std::string& name,
                       SnapshotDiff diff) {
    return {kind, joinsPrevious, static_cast<std::int64_t>(std::time(nullptr)), name, std::move(diff)};
}

} // namespace

void EditHistory::Start(const Division& division, bool atSavedState) {
    steps_.clear();
    position_ = 0;
    saved_ = atSavedState ? std::optional<std::size_t>(0) : std::nullopt;
    bytes_ = WriteDivision(division);
    compoundDepth_ = 0;
    compoundHasPart_ = false;
}

std::optional<JournalEntry> EditHistory::Record(Division& division, const std::string& name,
                                                StepMerge merge) {
    std::vector<std::uint8_t> now = WriteDivision(division);
    if (now == bytes_) {
        FollowDataChanged(division);
        return std::nullopt;
    }
    // A repeat never merges across the saved state, which must stay a step boundary.
    const bool repeats = merge == StepMerge::WithSameName && compoundDepth_ == 0 && CanUndo() && !CanRedo() &&
                         steps_.back().name == name && saved_ != position_;
    const bool joins = (compoundDepth_ > 0 && compoundHasPart_) || repeats;
    JournalEntry entry = MakeEntry(JournalEntry::Kind::Edit, joins, name, DiffSnapshots(bytes_, now));
    AddPart(name, entry.diff, joins);
    bytes_ = std::move(now);
    if (compoundDepth_ > 0)
        compoundHasPart_ = true;
    FollowDataChanged(division);
    return entry;
}

void EditHistory::AddPart(const std::string& name, SnapshotDiff diff, bool joinsPrevious) {
    if (joinsPrevious && position_ > 0 && position_ == steps_.size()) {
        steps_[position_ - 1].parts.push_back(std::move(diff));
        return;
    }
    steps_.resize(position_);
    if (saved_ && *saved_ > position_)
        saved_.reset();
    steps_.push_back({name, {std::move(diff)}});
    ++position_;
}

void EditHistory::OpenCompound() {
    if (compoundDepth_++ == 0)
        compoundHasPart_ = false;
}

void EditHistory::CloseCompound() {
    if (compoundDepth_ > 0)
        --compoundDepth_;
}

bool EditHistory::Walk(const Step& step, bool forward, std::vector<std::uint8_t>& bytes) const {
    bytes = bytes_;
    std::vector<std::uint8_t> next;
    const std::size_t count = step.parts.size();
    for (std::size_t i = 0; i < count; ++i) {
        const SnapshotDiff& part = step.parts[forward ? i : count - 1 - i];
        if (!ApplyDiff(bytes, part, forward, next))
            return false;
        bytes.swap(next);
    }
    return true;
}

std::optional<JournalEntry> EditHistory::Undo(Division& division) {
    std::vector<std::uint8_t> before;
    if (!CanUndo() || !Walk(steps_[position_ - 1], false, before) || !ReadDivision(before, division))
        return std::nullopt;
    JournalEntry entry =
        MakeEntry(JournalEntry::Kind::Undo, false, steps_[position_ - 1].name, DiffSnapshots(bytes_, before));
    bytes_ = std::move(before);
    --position_;
    FollowDataChanged(division);
    return entry;
}

std::optional<JournalEntry> EditHistory::Redo(Division& division) {
    std::vector<std::uint8_t> after;
    if (!CanRedo() || !Walk(steps_[position_], true, after) || !ReadDivision(after, division))
        return std::nullopt;
    JournalEntry entry =
        MakeEntry(JournalEntry::Kind::Redo, false, steps_[position_].name, DiffSnapshots(bytes_, after));
    bytes_ = std::move(after);
    ++position_;
    FollowDataChanged(division);
    return entry;
}

bool EditHistory::Replay(const JournalEntry& entry) {
    std::vector<std::uint8_t> after;
    if (!ApplyDiff(bytes_, entry.diff, true, after))
        return false;
    // An undo or redo of a step this history holds moves along it; one of a step made before the journal
    // began (the league was saved in between) becomes a step of its own.
    std::vector<std::uint8_t> expected;
    if (entry.kind == JournalEntry::Kind::Undo && CanUndo() && Walk(steps_[position_ - 1], false, expected) &&
        expected == after)
        --position_;
    else if (entry.kind == JournalEntry::Kind::Redo && CanRedo() && Walk(steps_[position_], true, expected) &&
             expected == after)
        ++position_;
    else if (entry.kind == JournalEntry::Kind::Edit)
        AddPart(entry.name, entry.diff, entry.joinsPrevious);
    else
        AddPart((entry.kind == JournalEntry::Kind::Undo ? "undo " : "redo ") + entry.name, entry.diff, false);
    bytes_ = std::move(after);
    return true;
}

Status EditHistory::LoadReplayed(Division& division) {
    if (auto status = ReadDivision(bytes_, division); !status)
        return status;
    FollowDataChanged(division);
    return Status::Ok();
}

void EditHistory::MarkSaved(Division& division) {
    saved_ = position_;
    FollowDataChanged(division);
}

std::string EditHistory::UndoCaption() const {
    return CanUndo() ? "Undo: " + steps_[position_ - 1].name : "Undo";
}

std::string EditHistory::RedoCaption() const {
    return CanRedo() ? "Redo: " + steps_[position_].name : "Redo";
}

void EditHistory::FollowDataChanged(Division& division) const {
    DivisionWriter writer(division);
    if (saved_ && *saved_ == position_)
        writer.MarkSaved();
    else
        writer.MarkChanged();
}

} // namespace vantorel
