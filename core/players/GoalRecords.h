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

// Refused, changing nothing, when the goal array has no room for that many more goals.
Status CheckRoomForGoals(const Division& division, int goals);

} // namespace vantorel
