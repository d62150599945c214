#pragma once

#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// A squad line has eleven fields, one more than other lines keep.
inline constexpr int kSquadLineFields = 11;

// Each takes the cleaned fields of one line and their count, and returns false (an error line, the Division
// unchanged) when the line cannot be used. A match is named by its home team, away team and date (the
// empty date names a fixture without one).

// "Player,TeamFor,HomeTeam,AwayTeam,Date,GoalTime,Penalty,OwnGoal": the next goal record of that played
// result for TeamFor that has no scorer yet gets the player, minute (0..93) and marks; the goal total rises
// unless it is an own goal. The player must exist (exactly that name, or a name whose commas the export
// wrote as full stops) and play for the side SetGoalDetails asks for.
bool ImportScorer(Division& division, const std::vector<std::string>& fields, int count,
                  const DateFormat& dateFormat);

// "Date,HomeTeam,AwayTeam,Team,Line,Player,TimeOn,TimeOff,Yellow1,Yellow2,Red": line 1..16 of the squad of
// Team (the home or the away side) for that match, the squad record created when the side has none. The
// line must be empty, and the squad with it must keep SaveSquad's rules.
bool ImportSquadLine(Division& division, const std::vector<std::string>& fields, int count,
                     const DateFormat& dateFormat);

// "Date,Home-Team,Away-Team": the first unplayed fixture of the pairing that has no date takes the date;
// refused when an unplayed fixture of the pairing already has it.
bool ImportFixtureDate(Division& division, const std::vector<std::string>& fields, int count,
                       const DateFormat& dateFormat);

} // namespace vantorel
