#pragma once

#include <vector>

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// Appends one unassigned goal record per goal of a played result, the home team's goals first, and returns
// their indices (for the goal dialog when goals are tracked). The caller has checked there is room.
std::vector<int> RecordGoals(Division& division, int result);

// Removes every goal record of a result, keeping the others in order; each removed scorer loses the goal.
void DeleteGoals(Division& division, int result);

// A new goal of a match with its number among its own side's new goals, as the goal-details dialog titles it.
struct NumberedGoal {
    int goal = 0;
    int number = 0;
};
// The new goals of one match in the order given, the home side's and the away side's each numbered from 1.
std::vector<NumberedGoal> NumberGoalsBySide(const Division& division, const std::vector<int>& newGoals);

// Refused, changing nothing, when the goal array has no room for that many more goals.
Status CheckRoomForGoals(const Division& division, int goals);

} // namespace vantorel
