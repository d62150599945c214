#pragma once

#include <vector>

#include "store/Division.h"

namespace vantorel {

// A team's played results by match date, equal dates in fixture order.
std::vector<int> TeamGamesByDate(const Division& division, int team);

// The team's league position after each of its games (given by date, as TeamGamesByDate lists them): its
// place in the table of every played game dated on or before that game's date, ordered by the league's sort
// rules. The season is walked once in date order, so a whole list costs about one table.
std::vector<int> PositionsAfterGames(const Division& division, int team, const std::vector<int>& games);

} // namespace vantorel
