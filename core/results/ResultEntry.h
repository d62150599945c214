#pragma once

#include <vector>

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// A result as the user gives it.
struct ResultEntry {
    int homeTeam = 0;
    int awayTeam = 0;
    int homeGoals = 0;
    int awayGoals = 0;
    double date = 0;
    int attendance = 0;
};

inline constexpr int kMaxGoalsInAMatch = 255;

// Enters a result into the first open fixture of the pairing: marks it played with the score, date and
// attendance, credits both teams and records one unassigned goal record per goal. Refused, changing nothing,
// when a team is not one of the league's, the teams are the same, a score is negative or above 255, no
// fixture of the pairing is open, or the goal array has no room. On success the fixture's index is
// returned through fixture, and the new goal records' indices through newGoals.
Status EnterResult(Division& division, const ResultEntry& entry, int* fixture = nullptr,
                   std::vector<int>* newGoals = nullptr);

// Cancels a played result: its goal records go, the teams are debited and the fixture is open again.
void CancelResult(Division& division, int result);

// Changes a played result's score and attendance: the old score is debited and its goal records removed,
// then the new score is credited with fresh unassigned goal records. Refused, changing nothing, for a
// score out of range or when the goal array has no room.
Status RescoreResult(Division& division, int result, int homeGoals, int awayGoals, int attendance,
                     std::vector<int>* newGoals = nullptr);

} // namespace vantorel
