#pragma once

#include <string_view>

#include "store/RecordArray.h"
#include "store/Records.h"
#include "store/Status.h"

namespace vantorel {

// The open league: its header and the five record arrays, with the lookups and the edits that keep the
// running totals (a team's Played and Points, a player's Goals) equal to the records they summarise.
// Readers use the arrays directly; every edit goes through an operation here or in another core subsystem,
// and every edit sets DataChanged.
class Division {
public:
    DivisionHeader Header;
    RecordArray<TeamRecord, kTeamSlots> Teams;
    RecordArray<ResultRecord, kMaxResults> Results;
    RecordArray<GoalRecord, kMaxGoals> Goals;
    RecordArray<PlayerRecord, kMaxPlayers> Players;
    RecordArray<SquadRecord, kMaxSquads> Squads;

    // The Division differs from its file.
    bool DataChanged = false;

    // The first of teams 1..TeamCount+1 whose name equals the UTF-8 name exactly; 0 if none.
    int FindTeam(std::string_view name) const;
    // The first player whose name equals the UTF-8 name exactly; 0 if none.
    int FindPlayer(std::string_view name) const;
    // The first unplayed fixture of home against away; 0 when every such fixture has been played.
    int FindFixture(int homeTeam, int awayTeam) const;

    // Add a played result's game and points to its two teams, or take them off again. DebitResult must see
    // the score that was credited.
    void CreditResult(int result);
    void DebitResult(int result);

    // Sets the points for a win (2 or 3) and moves every winner's Points to the new value.
    void ChangeWinPoints(int winPoints);
    // Sets a team's deduction and adjusts its Points by the difference.
    void SetDeduction(int team, int deduction);

    // Append a record; refused, changing nothing, when the array is full. The new record's index is the new
    // count.
    Status AddGoal(const GoalRecord& goal);
    Status AddPlayer(const PlayerRecord& player);
    Status AddSquad(const SquadRecord& squad);

    // Removes a player, moving later players down one place and renumbering the goal and squad lines that
    // point to them. Refused for a player who has goal records or squad lines.
    Status DeletePlayer(int player);

    // Names the slot after the last team "Transferred-Out", the team of players who left the division.
    void PlaceTransferredOut();
};

} // namespace vantorel
