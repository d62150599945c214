#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/Division.h"

namespace vantorel::testing {

// Team names "Team 01", "Team 02", ... in alphabetical order.
std::vector<std::string> NumberedTeamNames(int count);

// A new league of numbered teams with its whole fixture list and nothing played.
std::unique_ptr<Division> MakeLeague(int teams, int playTimes, int winPoints = 3);

// Enters a score for fixture r on a date and credits it to the teams' running totals.
void PlayFixture(Division& division, int result, int homeGoals, int awayGoals, double date = 0);

// The largest league the capacities allow: 24 teams meeting four times with every fixture played, every goal
// record in use with its scorer, every player and both squads of every fixture.
std::unique_ptr<Division> MakeLargestLeague();

// The bytes of a current-format league file rewritten in the older format (version 19): the header and result
// records lose their squad fields, the squads are dropped and every date moves to the older origin.
std::vector<std::uint8_t> ToOldFormat(const std::vector<std::uint8_t>& current);

} // namespace vantorel::testing
