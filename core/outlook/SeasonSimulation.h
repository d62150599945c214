#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "outlook/MatchModel.h"
#include "outlook/OutlookStart.h"

namespace vantorel {

inline constexpr int kDefaultSeasons = 10000;

// How many simulated seasons ended with each team at each position and on each points total.
struct SimulationTally {
    int seasons = 0;
    int teamCount = 0;
    // positions[team][p] for p = 1..teamCount.
    std::vector<std::vector<int>> positions;
    // points[team][k]: seasons ending on start.points(team) + k points.
    std::vector<std::vector<int>> points;
    std::vector<double> pointsSum; // by team, for the expected points

    double PositionChance(int team, int position) const;
    double ExpectedPoints(int team) const;
};

struct SimulationRequest {
    int seasons = kDefaultSeasons;
    std::uint64_t seed = 1;
    int threads = 1;
};

// Called after each block of seasons with the seasons done; returning false stops the simulation.
using SimulationProgress = std::function<bool(int done, int total)>;

// Plays the open fixtures of the start `seasons` times, each score drawn from its fixture's grid (one grid
// per OutlookStart::open), and orders each final table by the league's sort rules through the ordinary
// table ordering, head-to-head rules included. The same seed gives the same tally whatever the number of
// threads: the seasons are drawn in fixed blocks, each from its own generator. Empty (seasons 0) when
// stopped.
SimulationTally SimulateSeasons(const Division& division, const OutlookStart& start,
                                const std::vector<ScoreGrid>& grids, const SimulationRequest& request,
                                const SimulationProgress& progress = {});

} // namespace vantorel
