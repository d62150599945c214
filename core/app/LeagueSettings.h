#pragma once

#include <string_view>

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// The edits of the league's own settings. Each sets DataChanged only when it changes something.

inline constexpr int kMaxZoneCount = 9;
inline constexpr int kMaxDeduction = 20;

// Stores the first 30 characters of a new table name; an empty name changes nothing. Refused for a name a
// league file cannot hold or that CheckName refuses.
Status SetTableName(Division& division, std::string_view name);

// Sets the own team (0 = none, or 1..TeamCount). Returns true when the own team changed to a team named
// exactly "Everton", the one team the program greets with its sound.
bool SetOwnTeam(Division& division, int team);

// The zones whose size a league sets (the outlook's zones add the title, which is always one team).
enum class CountedZone { Promotion, Playoff, Relegation };
// Sets the number of teams in a zone, 0..9; refused when the zone would hold more teams than the league has.
Status SetZoneCount(Division& division, CountedZone zone, int count);
// The most teams a zone of this league may hold.
int MaxZoneCount(const Division& division);

// Sets the points for a win (2 or 3), moving every winner's running total to the new value.
void SetWinPoints(Division& division, int winPoints);

// Sets a team's deduction (0..20) and moves its Points by the difference; the same deduction changes nothing.
// Refused, changing nothing, for a deduction out of range.
Status SetDeduction(Division& division, int team, int deduction);

// Renames a team, keeping its index (and so its results, goals, players and squads). An empty name changes
// nothing; a name a league file cannot hold, or that CheckName refuses, is refused. The name is not checked
// against the other teams'.
Status RenameTeam(Division& division, int team, std::string_view name);

} // namespace vantorel
