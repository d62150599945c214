#pragma once

#include <string>
#include <vector>

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

inline constexpr int kLatestGoalTime = 93;
// A player's goal total is one byte in a league file.
inline constexpr int kMostGoalsOfAPlayer = 255;

// What the goal dialog edits of one goal record.
struct GoalDetails {
    int player = 0; // 0 = no scorer
    int goalTime = 0;
    bool ownGoal = false;
    bool penalty = false;
};

// "HOME v AWAY" of the goal's match.
std::string GoalMatchText(const Division& division, int goal);
// "Goal K for TEAM" while the goals of a result just entered are asked for (goalNumber K), "Goal for TEAM"
// when an existing goal is edited (goalNumber 0).
std::string GoalText(const Division& division, int goal, int goalNumber);

// The other team of the goal's match, whose players score its own goals.
int OwnGoalTeam(const Division& division, int goal);
// The team whose players may have scored the goal: the goal's own team, or the other one for an own goal.
int ScorerTeam(const Division& division, int goal, bool ownGoal);

// The names offered as scorers: the players whose team is `team`, in name order, with `keep` (a scorer who
// has changed team since, 0 = none) added when he is not among them.
std::vector<std::string> ScorerNames(const Division& division, int team, int keep = 0);

// Stores the details of a goal, keeping every scorer's Goals equal to his goals that are not own goals: the
// former scorer loses the goal, the new one gains it. Refused, changing nothing, for a goal or player that
// does not exist, a minute outside 0..93, a scorer who already has 255 goals, or a new scorer who may not
// play for ScorerTeam (MayPlayFor; the goal's present scorer may stay after he moved team).
Status SetGoalDetails(Division& division, int goal, const GoalDetails& details);

// The goal records of one side of a result, in record order.
std::vector<int> GoalsOfSide(const Division& division, int result, int team);

} // namespace vantorel
