#include "outlook/ExactPositions.h"

#include <random>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "outlook/WitnessReplay.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

struct RandomLeague {
    int teams, playTimes, winPoints, open;
};

// Every fixture played on dates 1, 2, ... except `open` chosen at random; random deductions of up to 3.
std::unique_ptr<Division> MakeRandomLeague(const RandomLeague& shape, std::mt19937& random) {
    auto division = testing::MakeLeague(shape.teams, shape.playTimes, shape.winPoints);
    const int fixtures = division->Header().ResultCount;
    std::vector<bool> open(fixtures + 1, false);
    for (int chosen = 0; chosen < std::min(shape.open, fixtures);) {
        const int r = std::uniform_int_distribution<int>(1, fixtures)(random);
        if (!open[r])
            open[r] = ++chosen > 0;
    }
    std::uniform_int_distribution<int> goals(0, 3);
    for (int r = 1; r <= fixtures; ++r)
        if (!open[r])
            testing::PlayFixture(*division, r, goals(random), goals(random), r);
    for (int t = 1; t <= shape.teams; ++t)
        if (random() % 3 == 0)
            (void)SetDeduction(*division, t, static_cast<int>(random() % 4));
    return division;
}

// Every team's best and worst positions over every outcome of the open fixtures.
std::vector<std::pair<int, int>> ExhaustivePositions(const OutlookStart& start) {
    std::vector<std::pair<int, int>> ranges(start.teamCount + 1, {start.teamCount + 1, 0});
    Witness witness(start.open.size(), Outcome::HomeWin);
    for (;;) {
        const std::vector<int> points = FinalPoints(start, witness);
        for (int t = 1; t <= start.teamCount; ++t) {
            ranges[t].first = std::min(ranges[t].first, PointsPosition(points, t, false));
            ranges[t].second = std::max(ranges[t].second, PointsPosition(points, t, true));
        }
        std::size_t i = 0;
        for (; i < witness.size() && witness[i] == Outcome::AwayWin; ++i)
            witness[i] = Outcome::HomeWin;
        if (i == witness.size())
            return ranges;
        witness[i] = static_cast<Outcome>(static_cast<int>(witness[i]) + 1);
    }
}

// The witness entered as results (1-0, 0-0 or 0-1) in a copy of the league and counted by FillTable.
std::vector<int> ReplayedPoints(const Division& division, const OutlookStart& start, const Witness& witness) {
    auto copy = std::make_unique<Division>(division);
    for (std::size_t i = 0; i < start.open.size(); ++i)
        testing::PlayFixture(*copy, start.open[i].result, witness[i] == Outcome::HomeWin,
                             witness[i] == Outcome::AwayWin, 1000);
    const LeagueTable table =
        FillTable(*copy, {TableContent::PlayedGames, GameSelection::HomeAndAway, 1000, 10});
    std::vector<int> points(start.teamCount + 1, 0);
    for (int t = 1; t <= start.teamCount; ++t)
        points[t] = table.Standings[t].Points;
    return points;
}

class ExactPositionsTest : public ::testing::TestWithParam<RandomLeague> {};

TEST_P(ExactPositionsTest, MatchesExhaustiveSearchAndWitnessesReplay) {
    const RandomLeague& shape = GetParam();
    std::mt19937 random(shape.teams * 1000 + shape.playTimes * 100 + shape.winPoints * 10 + shape.open);
    for (int round = 0; round < 6; ++round) {
        const auto division = MakeRandomLeague(shape, random);
        const OutlookStart start = BuildOutlookStart(*division, 1e6, false);
        const auto expected = ExhaustivePositions(start);
        const auto ranges = ExactPositions(start);
        for (int t = 1; t <= start.teamCount; ++t) {
            const PositionRange& range = ranges[t];
            SCOPED_TRACE("round " + std::to_string(round) + ", team " + std::to_string(t));
            EXPECT_EQ(std::pair(range.best, range.worst), expected[t]);
            const auto best = ReplayedPoints(*division, start, range.bestWitness);
            const auto worst = ReplayedPoints(*division, start, range.worstWitness);
            EXPECT_EQ(
                std::tuple(PointsPosition(best, t, false), PointsPosition(worst, t, true), best[t], worst[t]),
                std::tuple(range.best, range.worst, range.bestPoints, range.worstPoints));
            // The table the command line prints for the best witness counts the same points.
            EXPECT_EQ(ReplayWitness(*division, start, range.bestWitness).Standings[t].Points, best[t]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SmallLeagues, ExactPositionsTest,
                         ::testing::Values(RandomLeague{4, 2, 3, 8}, RandomLeague{4, 4, 3, 11},
                                           RandomLeague{4, 4, 2, 10}, RandomLeague{5, 2, 3, 10},
                                           RandomLeague{5, 1, 2, 9}, RandomLeague{6, 2, 3, 12},
                                           RandomLeague{6, 2, 2, 11}, RandomLeague{6, 4, 3, 10},
                                           RandomLeague{6, 1, 3, 11}));

struct HandMadeStart {
    int winPoints;
    std::vector<int> points;               // by team, from team 1
    std::vector<std::pair<int, int>> open; // home and away
};

OutlookStart MakeStart(const HandMadeStart& made) {
    OutlookStart start;
    start.teamCount = static_cast<int>(made.points.size());
    start.winPoints = made.winPoints;
    start.table.TeamCount = start.teamCount;
    for (int t = 1; t <= start.teamCount; ++t)
        start.table.Standings[t].Points = made.points[static_cast<std::size_t>(t - 1)];
    for (const auto& [home, away] : made.open) {
        start.open.push_back({0, home, away, 0});
        ++start.gamesLeft[home];
        ++start.gamesLeft[away];
    }
    return start;
}

// Tables the random leagues above seldom reach, each once answered wrongly.
TEST(HandMadeStartTest, ExactPositionsMatchExhaustiveSearch) {
    const HandMadeStart starts[] = {
        // Dropping one chaser brings others level with team 6 (17 points, no match left): its worst is 8th.
        {3, {14, 14, 11, 14, 16, 17, 16, 11, 16}, {{1, 4}, {1, 9}, {2, 9}, {3, 5}, {3, 8}, {4, 8}, {7, 9}}},
    };
    for (const HandMadeStart& made : starts) {
        const OutlookStart start = MakeStart(made);
        const auto expected = ExhaustivePositions(start);
        const auto ranges = ExactPositions(start);
        for (int t = 1; t <= start.teamCount; ++t) {
            SCOPED_TRACE("team " + std::to_string(t));
            const PositionRange& range = ranges[t];
            EXPECT_EQ(std::pair(range.best, range.worst), expected[t]);
            EXPECT_EQ(std::pair(PointsPosition(FinalPoints(start, range.bestWitness), t, false),
                                PointsPosition(FinalPoints(start, range.worstWitness), t, true)),
                      expected[t]);
        }
    }
}

} // namespace
} // namespace vantorel
