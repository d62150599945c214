#pragma once

#include <string>

#include "standings/Standings.h"

namespace vantorel {

// Why the team at a position (2..TeamCount) is below the team above it, when the two are level on the
// first sort rule: "Level on 76 points; ahead on head-to-head points: 4 to 1". Empty for the top position
// and for a team the first rule already puts below.
std::string ExplainTieBreak(const LeagueTable& table, int position);

// The same with both teams named: "Real Madrid above Barcelona: Level on 76 points; ...". Empty when there
// is nothing to explain.
std::string ExplainPosition(const Division& division, const LeagueTable& table, int position);

} // namespace vantorel
