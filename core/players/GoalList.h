#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// The headings of the goals list and its sort keys 1..6.
inline constexpr std::array<const char*, 6> kGoalHeadings = {"Date", "Opponent",    "OG",
                                                             "Pen",  "Goal Scorer", "Time"};
enum class GoalSortKey { Date = 1, Opponent, OwnGoal, Penalty, Scorer, Time };

// The goals credited to a team in the order of a key; goals that compare equal keep record order.
//   Date: newest match first, then minute. Opponent: opponent's name, match date, minute. OwnGoal and
//   Penalty: marked goals first, then match date and minute. Scorer: scorer's name (none first), match
//   date, minute. Time: minute, then match date.
std::vector<int> SortedGoalList(const Division& division, int team, GoalSortKey key);

// The cells of one row of the goals list of `team`: match date, opponent, "OG", "Pen", scorer, minute.
std::array<std::string, 6> GoalRow(const Division& division, int goal, int team, const DateFormat& dates);

// "N Goals Scored " ("1 Goal Scored "), then "(1 is not yet assigned)" or "(U are not yet assigned)" when
// goals of the list have no scorer.
std::string GoalsPanelText(const Division& division, const std::vector<int>& goals);

// The column widths of the goals grid: a unit of (width - scroll bar - 6 lines) / 30, shared 4, 9, 3, 3, 8, 3
// with the remainder to "Opponent".
std::vector<int> GoalsGridWidths(int width, int scrollBarWidth, int lineWidth);

} // namespace vantorel
