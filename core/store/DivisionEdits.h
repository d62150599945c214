#pragma once

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// The record-level edits the league's named operations (store/Edits.h) are built from. Only core operations
// call them.

// Add a played result's game and points to its two teams, or take them off again. DebitResult must see the
// score that was credited.
void CreditResult(Division& division, int result);
void DebitResult(Division& division, int result);

// Sets the points for a win (2 or 3) and moves every winner's Points to the new value.
void ChangeWinPoints(Division& division, int winPoints);

// Append a record; refused, changing nothing, when the array is full. The new record's index is the new
// count.
Status AddGoal(Division& division, const GoalRecord& goal);
Status AddPlayer(Division& division, const PlayerRecord& player);
Status AddSquad(Division& division, const SquadRecord& squad);

// Names the slot after the last team "Transferred-Out", the team of players who left the division.
void PlaceTransferredOut(Division& division);

} // namespace vantorel
