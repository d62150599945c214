#pragma once

#include <memory>
#include <vector>

#include "store/Division.h"

namespace vantorel::testing {

// Known strengths to draw a season from: goals are Poisson with mean exp(base + home + attack[home] -
// defence[away]) for the home side and exp(base + attack[away] - defence[home]) for the away side (index
// 1..teams, element 0 unused).
struct TeamStrengths {
    double base = 0.25;
    double home = 0.25;
    std::vector<double> attack, defence;
};

// Strengths spread evenly from strong to weak teams, as in a real league.
TeamStrengths SpreadStrengths(int teams, double spread = 0.3);

// A league of numbered teams whose whole season is played in rounds (every team once a round, a week apart,
// from 13 August 2005), with scores drawn from the strengths by a seeded generator.
std::unique_ptr<Division> MakeSyntheticSeason(int teams, int playTimes, int winPoints,
                                              const TeamStrengths& strengths, unsigned seed);

// The first match date of a synthetic season and the date of its round (0-based).
inline constexpr double kSyntheticFirstDate = 38577;
inline double SyntheticRoundDate(int round) {
    return kSyntheticFirstDate + 7.0 * round;
}

} // namespace vantorel::testing
