#pragma once

#include <cstdint>

#include "store/Division.h"

namespace vantorel {

// The one way to change a Division. Only the implementations of the league's operations (store/Edits.h)
// make one; gui/ and cli/ never include this header. Every record or header handed out for writing marks
// the Division changed and raises its Revision.
class DivisionWriter {
    template <typename Record, int Capacity>
    Record& Write(RecordArray<Record, Capacity>& records, int index) {
        Touch();
        return records.at(index);
    }

public:
    explicit DivisionWriter(Division& division) : division_(division) {}

    const Division& division() const { return division_; }

    DivisionHeader& Header() {
        Touch();
        return division_.header_;
    }
    TeamRecord& Team(int team) { return Write(division_.Teams, team); }
    ResultRecord& Result(int result) { return Write(division_.Results, result); }
    GoalRecord& Goal(int goal) { return Write(division_.Goals, goal); }
    PlayerRecord& Player(int player) { return Write(division_.Players, player); }
    SquadRecord& Squad(int squad) { return Write(division_.Squads, squad); }

    // Replaces the whole league with another (one read from its file, or a new one), which keeps its
    // DataChanged; the Revision still grows past every earlier one.
    void Replace(Division&& replacement) {
        const std::uint64_t revision = division_.revision_;
        division_ = std::move(replacement);
        division_.revision_ = revision + 1;
    }

    // Goal tracking is a choice about asking, not a change of the league: it is saved with the next change
    // and marks nothing.
    void SetTrackGoals(bool track) { division_.header_.TrackGoals = track; }

    // The Division now equals its file (it was just saved); its records and Revision stay.
    void MarkSaved() { division_.dataChanged_ = false; }
    // The Division differs from its file although no record was handed out: an undo or redo replaced it.
    void MarkChanged() { Touch(); }

private:
    void Touch() {
        division_.dataChanged_ = true;
        ++division_.revision_;
    }

    Division& division_;
};

} // namespace vantorel
