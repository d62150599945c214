#pragma once

#include <cstdint>
#include <string_view>

#include "store/RecordArray.h"
#include "store/Records.h"

namespace vantorel {

// The open league: its header and the five record arrays, with the lookups that read them. It is read
// directly and changed only by the league's operations (store/Edits.h), which write through a
// DivisionWriter: that keeps the running totals (a team's Played and Points, a player's Goals) equal to the
// records they summarise, and marks every change in DataChanged and Revision.
class Division {
public:
    Division() = default;
    Division(const Division&) = default;
    Division(Division&&) = default;

    RecordArray<TeamRecord, kTeamSlots> Teams;
    RecordArray<ResultRecord, kMaxResults> Results;
    RecordArray<GoalRecord, kMaxGoals> Goals;
    RecordArray<PlayerRecord, kMaxPlayers> Players;
    RecordArray<SquadRecord, kMaxSquads> Squads;

    const DivisionHeader& Header() const { return header_; }

    // The Division differs from its file.
    bool DataChanged() const { return dataChanged_; }
    // Grows with every change, loading a file included, and never goes back: equal revisions of one
    // Division mean nothing was changed in between.
    std::uint64_t Revision() const { return revision_; }

    // The first of teams 1..TeamCount+1 whose name equals the UTF-8 name exactly; 0 if none.
    int FindTeam(std::string_view name) const;
    // The first player whose name equals the UTF-8 name exactly; 0 if none.
    int FindPlayer(std::string_view name) const;
    // The first unplayed fixture of home against away; 0 when every such fixture has been played.
    int FindFixture(int homeTeam, int awayTeam) const;

private:
    friend class DivisionWriter;

    Division& operator=(const Division&) = default;
    Division& operator=(Division&&) = default;

    DivisionHeader header_;
    bool dataChanged_ = false;
    std::uint64_t revision_ = 0;
};

} // namespace vantorel
