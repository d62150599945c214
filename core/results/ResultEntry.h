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

// The most goals one side's score can hold: a byte in a league file.
inline constexpr int kMaxGoalsInAMatch = 255;
// The highest scores the entry page's home and away spins offer.
inline constexpr int kMostEnteredHomeGoals = 30;
inline constexpr int kMostEnteredAwayGoals = 100;
// The highest score the re-score dialog's spins offer for a side that scored storedGoals: at least 30, and
// never below the stored score, so that a dialog opened only for the crowd cannot cut a score down.
constexpr int MostRescoredGoals(int storedGoals) {
    return storedGoals > 30 ? storedGoals : 30;
}
inline constexpr const char* kNegativeAttendance = "An attendance cannot be negative.";

// Enters a result into the first open fixture of the pairing: marks it played with the score, date and
// attendance, credits both teams and records one unassigned goal record per goal. Refused, changing nothing,
// when a team is not one of the league's, the teams are the same, a score is negative or above 255, the
// attendance is negative, no fixture of the pairing is open, or the goal array has no room. On success the
// fixture's index is returned through fixture, and the new goal records' indices through newGoals.
Status EnterResult(Division& division, const ResultEntry& entry, int* fixture = nullptr,
                   std::vector<int>* newGoals = nullptr);

// The last played result of home against away (the later meeting where they meet twice there); 0 if none.
int FindPlayedResult(const Division& division, int homeTeam, int awayTeam);
// The result record with a match number; 0 if none.
int FindMatch(const Division& division, int matchNo);

// Gives a result or a fixture another date.
void ChangeResultDate(Division& division, int result, double date);

// Cancels a played result: its goal records go, the teams are debited and the fixture is open again. The
// fixture keeps its score, date, attendance and prediction mark. Refused, changing nothing, for a fixture
// that has not been played.
Status CancelResult(Division& division, int result);

// Changes a played result's score and attendance: the old score is debited and its goal records removed,
// then the new score is credited with fresh unassigned goal records; the teams' Played stay. When the score
// is unchanged only the attendance changes and the goal records stay. Refused, changing nothing, for a
// fixture that has not been played, a score out of range, a negative attendance or when the goal array has
// no room.
Status RescoreResult(Division& division, int result, int homeGoals, int awayGoals, int attendance,
                     std::vector<int>* newGoals = nullptr);

} // namespace vantorel
