#include "outlook/SeasonSimulation.h"

#include <gtest/gtest.h>

#include "outlook/Outlook.h"
#include "outlook/OutlookTable.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/SyntheticSeason.h"

namespace vantorel {
namespace {

// A synthetic 20-team season as at the date of a round: later rounds are open.
std::unique_ptr<Division> SeasonAt(int playTimes = 2) {
    return testing::MakeSyntheticSeason(20, playTimes, 3, testing::SpreadStrengths(20), 5);
}

Outlook SimulatedOutlook(const Division& division, double asAt, int seasons, std::uint64_t seed,
                         int threads) {
    OutlookRequest request;
    request.asAt = asAt;
    Outlook outlook = ComputeExactOutlook(division, request);
    SimulateOutlook(division, outlook, {seasons, seed, threads});
    return outlook;
}

TEST(SeasonSimulationTest, SameSeedGivesSameNumbersWhateverTheThreads) {
    const auto season = SeasonAt();
    const double asAt = testing::SyntheticRoundDate(25);
    const Outlook one = SimulatedOutlook(*season, asAt, 3000, 42, 1);
    const Outlook again = SimulatedOutlook(*season, asAt, 3000, 42, 3);
    const Outlook other = SimulatedOutlook(*season, asAt, 3000, 43, 1);
    EXPECT_EQ(one.tally.positions, again.tally.positions);
    EXPECT_EQ(one.tally.points, again.tally.points);
    EXPECT_NE(one.tally.positions, other.tally.positions);
    EXPECT_EQ(one.tally.seasons, 3000);
}

TEST(SeasonSimulationTest, SimulatedPositionsStayWithinTheExactRange) {
    const auto season = SeasonAt();
    for (int round : {10, 30, 35}) {
        const Outlook outlook = SimulatedOutlook(*season, testing::SyntheticRoundDate(round), 2000, 7, 1);
        for (int team = 1; team <= 20; ++team) {
            const PositionRange& range = outlook.exact[static_cast<std::size_t>(team)];
            for (int p = 1; p <= 20; ++p) {
                if (p < range.best || p > range.worst) {
                    EXPECT_EQ(
                        outlook.tally.positions[static_cast<std::size_t>(team)][static_cast<std::size_t>(p)],
                        0)
                        << "round " << round << " team " << team << " position " << p;
                }
            }
        }
    }
}

TEST(SeasonSimulationTest, ClinchedTitleShowsExactlyOneHundredAndUnsettledNeverDoes) {
    auto season = testing::MakeLeague(4, 2, 3);
    // Team 1 wins its first five matches; the other teams draw theirs; one match of team 2 is left.
    int left = 0;
    for (int r = 1; r <= season->Header().ResultCount; ++r) {
        const ResultRecord& match = season->Results[r];
        if (match.HomeTeam == 1 || match.AwayTeam == 1) {
            if (!season->Results[r].Played && left++ < 5)
                testing::PlayFixture(*season, r, match.HomeTeam == 1 ? 2 : 0, match.HomeTeam == 1 ? 0 : 2, 1);
        } else if (!(match.HomeTeam == 2 && match.AwayTeam == 3)) {
            testing::PlayFixture(*season, r, 1, 1, 1);
        }
    }
    const Outlook outlook = SimulatedOutlook(*season, 1, 2000, 1, 1);
    const ZoneSpan title = LeagueZones(season->Header()).front();
    EXPECT_EQ(outlook.exact[1].worst, 1);
    EXPECT_EQ(PercentText(ZoneChance(outlook, 1, title)), "100.0");
    EXPECT_EQ(PercentText(ZoneChance(outlook, 2, title)), "0.0");
    // Teams 2 and 3 fight for 2nd in the one match left: neither is sure of it.
    for (int team : {2, 3}) {
        const double second = PositionChance(outlook, team, 2);
        EXPECT_GT(second, 0.0);
        EXPECT_LT(second, 1.0);
    }
}

// With every score certain, each season's table is the table FillTable computes for those results, ties
// broken by the head-to-head rules.
TEST(SeasonSimulationTest, TablesAreOrderedByTheLeaguesOwnRules) {
    auto season = testing::MakeLeague(4, 1, 3);
    testing::Edit(*season).Header().SortRules.assignStored("1623");
    // Every match but one drawn 1-1; the last one, 2 against 3, ends 0-0 or is left open.
    for (int r = 1; r < season->Header().ResultCount; ++r)
        testing::PlayFixture(*season, r, 1, 1, 1);
    const int open = season->Header().ResultCount;
    OutlookRequest request;
    request.asAt = 1;
    Outlook outlook = ComputeExactOutlook(*season, request);
    ASSERT_EQ(outlook.grids.size(), 1u);
    ScoreGrid certain;
    certain.chance[static_cast<std::size_t>(3 * ScoreGrid::kSide + 2)] = 1; // 3-2 to the home side
    outlook.grids[0] = certain;
    SimulateOutlook(*season, outlook, {50, 1, 1});

    testing::PlayFixture(*season, open, 3, 2, 1);
    const LeagueTable table =
        FillTable(*season, TableVariant{TableContent::PlayedGames, GameSelection::HomeAndAway, 1, 10});
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(outlook.tally
                      .positions[static_cast<std::size_t>(table.TableOrder[p])][static_cast<std::size_t>(p)],
                  50);
}

TEST(SeasonSimulationTest, StoppedSimulationLeavesNoTally) {
    const auto season = SeasonAt();
    OutlookRequest request;
    request.asAt = testing::SyntheticRoundDate(20);
    Outlook outlook = ComputeExactOutlook(*season, request);
    EXPECT_FALSE(SimulateOutlook(*season, outlook, {5000, 1, 1}, [](int, int) { return false; }));
    EXPECT_FALSE(outlook.simulated());
    EXPECT_EQ(PercentText(PositionChance(outlook, 1, 1)),
              outlook.exact[1].best == outlook.exact[1].worst ? "100.0" : "");
}

} // namespace
} // namespace vantorel
