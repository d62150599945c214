#pragma once

#include <string>
#include <string_view>

#include "store/Division.h"

namespace vantorel {

// The names of undo steps, as the Undo and Redo controls show them ("Undo: result Arsenal v Chelsea 2-1").
// Each takes the league after the edit.

// "result Arsenal v Chelsea 2-1", "re-score Arsenal v Chelsea 3-1": an action on a match, with its score.
std::string ScoredMatchStep(const Division& division, std::string_view action, int result);
// "result Arsenal v Chelsea 2-1" for a result about to be entered.
std::string ResultStep(const Division& division, int homeTeam, int awayTeam, int homeGoals, int awayGoals);
// "cancel Arsenal v Chelsea", "re-date ...", "prediction ...", "goal details ...", "squads ...".
std::string MatchStep(const Division& division, std::string_view action, int result);
// "add player Jan Kowalski", "change player ...", "delete player ..." (deleted: named before the edit).
std::string PlayerStep(const Division& division, std::string_view action, int player);
// "deduction Arsenal", "rename team Arsenal FC", "own team Chelsea".
std::string TeamStep(const Division& division, std::string_view action, int team);

inline constexpr const char* kPointsForWinStep = "points for a win";
inline constexpr const char* kZonesStep = "zones";
inline constexpr const char* kSortRulesStep = "sort rules";
inline constexpr const char* kGoalTrackingStep = "goal tracking";
inline constexpr const char* kLeagueNameStep = "league name";
inline constexpr const char* kNoOwnTeamStep = "no own team";
inline constexpr const char* kMatchDaysStep = "match days";
// "import results", "import all", ...
std::string ImportStep(std::string_view what);

} // namespace vantorel
