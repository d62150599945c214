#pragma once

#include "outlook/ExactPositions.h"

namespace vantorel {

// The final table when the open fixtures end as the witness says (1-0, 0-0 or 0-1), computed by the
// ordinary standings code on a copy of the league: counted results, then the witness's, ordered by the
// league's sort rules.
LeagueTable ReplayWitness(const Division& division, const OutlookStart& start, const Witness& witness);

} // namespace vantorel
