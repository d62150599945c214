#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// Refuses a header whose counts cannot be held by the record arrays, or that has fewer than two teams.
Status CheckCounts(const DivisionHeader& header);

// Refuses a Division whose settings or records point outside their arrays: the guard that lets every other
// part of the program index the arrays without checking.
Status CheckDivision(const Division& division);

// A date a league may hold: 0 (no date) or a day of the years 1 to 9999. NaN, infinities and days outside
// those years are damage.
bool IsStorableDate(double dayNumber);

// The rules of the data model that a sound Division keeps but that loading does not refuse, one line each:
// no team plays itself, no goal belongs to an unplayed result or outnumbers its side's score, team names
// differ, the running totals (Played, Points, a player's Goals) equal a recount of the records, no zone
// holds more teams than the league has and the sort rules hold only known codes, making one rule active.
// Empty for a league that keeps them all. Needs a Division that CheckDivision accepts.
std::vector<std::string> BrokenRules(const Division& division);

// Sets every running total to its recount; true, with DataChanged set, when any of them was wrong.
bool RecomputeRunningTotals(Division& division);

// Mends the settings that loading accepts but the program never writes: a zone larger than the league
// shrinks to the league, and the sort rules lose their unknown and repeated codes (rules with no rule left
// become the new league's). True, with DataChanged set, when anything changed.
bool MendSettings(Division& division);

// The rules a stored SortRules text makes active, in priority order: each known code once, at most eight.
// Repeated codes and other characters change nothing in the table's order, so they are left out here.
std::string ActiveRuleCodes(std::string_view sortRules);

} // namespace vantorel
