#pragma once

#include <cstdint>
#include <vector>

#include "outlook/OutlookStart.h"

namespace vantorel {

enum class Outcome : std::uint8_t { HomeWin, Draw, AwayWin };

// The results of the open fixtures that reach a position: one outcome per OutlookStart::open, in order.
using Witness = std::vector<Outcome>;

// The best and the worst final position a team can still reach, counted on points: teams level on points
// count for the team in its best position and against it in its worst. Each comes with the remaining
// results that reach it.
struct PositionRange {
    int best = 0, worst = 0;
    int bestPoints = 0, worstPoints = 0; // the team's final points in each witness
    Witness bestWitness, worstWitness;
};

// Exact best and worst positions of one team (1-based): some outcome of the open fixtures reaches each, and
// none does better or worse.
PositionRange ExactPositionsOf(const OutlookStart& start, int team);
// The same for every team, indexed 1..teamCount (element 0 unused).
std::vector<PositionRange> ExactPositions(const OutlookStart& start);

// Every team's final points when the open fixtures end as the witness says (index 1..teamCount).
std::vector<int> FinalPoints(const OutlookStart& start, const Witness& witness);
// The position a team's points give among final points: 1 + teams above it, or, counting teams level on
// points against it, 1 + teams level or above.
int PointsPosition(const std::vector<int>& finalPoints, int team, bool levelCountsAgainst);

} // namespace vantorel
