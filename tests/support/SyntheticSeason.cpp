#include "support/SyntheticSeason.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel::testing {
namespace {

// The rounds of a single round robin by the circle method: the pairs of each round.
std::vector<std::vector<std::pair<int, int>>> CircleRounds(int teams) {
    const int slots = teams + teams % 2; // an odd league gets a rest slot
    std::vector<int> circle;
    for (int t = 1; t <= slots; ++t)
        circle.push_back(t);
    std::vector<std::vector<std::pair<int, int>>> rounds;
    for (int round = 0; round < slots - 1; ++round) {
        std::vector<std::pair<int, int>> pairs;
        for (int i = 0; i < slots / 2; ++i) {
            int a = circle[static_cast<std::size_t>(i)], b = circle[static_cast<std::size_t>(slots - 1 - i)];
            if (round % 2 == 1)
                std::swap(a, b);
            if (a <= teams && b <= teams)
                pairs.emplace_back(a, b);
        }
        rounds.push_back(pairs);
        // Keep the first team in place and turn the rest one step.
        std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
    }
    return rounds;
}

} // namespace

TeamStrengths SpreadStrengths(int teams, double spread) {
    TeamStrengths strengths;
    strengths.attack.assign(static_cast<std::size_t>(teams + 1), 0.0);
    strengths.defence.assign(static_cast<std::size_t>(teams + 1), 0.0);
    for (int t = 1; t <= teams; ++t) {
        const double level = teams > 1 ? 1.0 - 2.0 * (t - 1) / (teams - 1) : 0.0; // +1 strongest, -1 weakest
        strengths.attack[static_cast<std::size_t>(t)] = spread * level;
        strengths.defence[static_cast<std::size_t>(t)] = spread * level * 0.8;
    }
    return strengths;
}

std::unique_ptr<Division> MakeSyntheticSeason(int teams, int playTimes, int winPoints,
                                              const TeamStrengths& strengths, unsigned seed) {
    auto division = MakeLeague(teams, playTimes, winPoints);
    std::mt19937 random(seed);
    const auto rounds = CircleRounds(teams);
    int roundIndex = 0;
    for (int cycle = 0; cycle < playTimes; ++cycle) {
        for (const auto& pairs : rounds) {
            for (auto [home, away] : pairs) {
                if (cycle % 2 == 1)
                    std::swap(home, away);
                int fixture = division->FindFixture(home, away);
                if (fixture == 0) {
                    std::swap(home, away);
                    fixture = division->FindFixture(home, away);
                }
                if (fixture == 0)
                    continue;
                const auto h = static_cast<std::size_t>(home), a = static_cast<std::size_t>(away);
                const double homeMean =
                    std::exp(strengths.base + strengths.home + strengths.attack[h] - strengths.defence[a]);
                const double awayMean = std::exp(strengths.base + strengths.attack[a] - strengths.defence[h]);
                const int homeGoals = std::poisson_distribution<int>(homeMean)(random);
                const int awayGoals = std::poisson_distribution<int>(awayMean)(random);
                PlayFixture(*division, fixture, homeGoals, awayGoals, SyntheticRoundDate(roundIndex));
            }
            ++roundIndex;
        }
    }
    testing::MarkSaved(*division);
    return division;
}

} // namespace vantorel::testing
