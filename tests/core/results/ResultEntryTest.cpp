#include "results/ResultEntry.h"

#include <tuple>

#include <gtest/gtest.h>

#include "players/GoalRecords.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;

// The teams' running totals after each entry, change and cancellation are checked by the running-totals
// property test.
TEST(ResultEntry, FillsTheFirstOpenFixtureAndRecordsTheGoals) {
    auto division = MakeLeague(4, 4);
    int fixture = 0;
    std::vector<int> goals;
    ASSERT_TRUE(EnterResult(*division, {1, 2, 3, 1, 35501, 12000}, &fixture, &goals));
    EXPECT_EQ(fixture, 1);
    const ResultRecord& match = division->Results[1];
    EXPECT_EQ(std::tuple(match.Played, match.MatchDate, match.Attendance), std::tuple(true, 35501.0, 12000));
    EXPECT_EQ(goals, (std::vector<int>{1, 2, 3, 4}));
    std::vector<int> numbers; // the goal dialogs count each side's goals apart
    for (const NumberedGoal& numbered : NumberGoalsBySide(*division, goals))
        numbers.push_back(numbered.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 1}));
    EXPECT_EQ(std::tuple(division->Goals[3].Team, division->Goals[4].Team, division->Goals[4].Player),
              std::tuple(1, 2, 0));
    EXPECT_TRUE(division->DataChanged());

    // The same pairing at the same ground fills the second fixture, then there is none left.
    ASSERT_TRUE(EnterResult(*division, {1, 2, 0, 0, 35508, 0}, &fixture));
    EXPECT_EQ(fixture, 13);
    EXPECT_EQ(FindPlayedResult(*division, 1, 2), 13); // the later of the two meetings
    const Status third = EnterResult(*division, {1, 2, 0, 0, 35515, 0});
    EXPECT_EQ(third.message(), "Every match of Team 01 at home to Team 02 has already been played.");
}

TEST(ResultEntry, RefusesWhatCannotBeAResultAndChangesNothing) {
    auto division = MakeLeague(4, 2);
    testing::MarkSaved(*division);
    // The same team twice, no team, "Transferred-Out" (5), goals out of range, a negative crowd.
    const ResultEntry refused[] = {
        {1, 1, 1, 0, 0, 0},  {0, 2, 1, 0, 0, 0},   {1, 5, 1, 0, 0, 0},
        {1, 2, -1, 0, 0, 0}, {1, 2, 256, 0, 0, 0}, {1, 2, 1, 0, 0, -1},
    };
    for (const ResultEntry& entry : refused)
        EXPECT_FALSE(EnterResult(*division, entry)) << entry.homeTeam << " v " << entry.awayTeam;
    EXPECT_FALSE(division->DataChanged());
    EXPECT_EQ(division->Header().GoalCount, 0);
    EXPECT_TRUE(EnterResult(*division, {1, 2, kMaxGoalsInAMatch, 0, 0, 0})); // the largest score a file holds
}

TEST(ResultEntry, ResultsThatWouldOverflowTheGoalArrayAreRefused) {
    auto division = testing::MakeLargestLeague();
    ASSERT_TRUE(CancelResult(*division, 1)); // frees the goals of one result
    const int free = kMaxGoals - division->Header().GoalCount;
    const int home = division->Results[1].HomeTeam, away = division->Results[1].AwayTeam;
    EXPECT_FALSE(EnterResult(*division, {home, away, free, 1, 0, 0}));
    EXPECT_FALSE(division->Results[1].Played);
    EXPECT_TRUE(EnterResult(*division, {home, away, free, 0, 0, 0}));
    EXPECT_EQ(division->Header().GoalCount, kMaxGoals);
}

TEST(ResultEntry, CancellingAndRescoringKeepTheTotalsAndTheScorersRight) {
    auto division = MakeLeague(4, 2);
    ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0}));
    ASSERT_TRUE(EnterResult(*division, {2, 3, 1, 1, 10, 0})); // fixture 5, goals 1 and 2
    ASSERT_TRUE(EnterResult(*division, {1, 2, 2, 0, 11, 0})); // fixture 1, goals 3 and 4
    testing::Edit(*division).Goal(3).Player = 1;              // Ann scores twice
    testing::Edit(*division).Goal(4).Player = 1;
    testing::Edit(*division).Player(1).Goals = 2;

    ASSERT_TRUE(RescoreResult(*division, 1, 2, 0, 2500)); // only the crowd changes: the scorers stay
    EXPECT_EQ(
        std::tuple(division->Goals[4].Player, division->Players[1].Goals, division->Results[1].Attendance),
        std::tuple(1, 2, 2500));
    EXPECT_FALSE(RescoreResult(*division, 1, 2, 0, -3));

    std::vector<int> goals;
    ASSERT_TRUE(RescoreResult(*division, 1, 0, 1, 500, &goals));
    EXPECT_EQ(std::tuple(division->Players[1].Goals, division->Results[1].Attendance), std::tuple(0, 500));
    EXPECT_EQ(goals, (std::vector<int>{3}));
    EXPECT_EQ(division->Header().GoalCount, 3);
    EXPECT_EQ(std::tuple(division->Goals[3].Team, division->Goals[3].Player), std::tuple(2, 0));
    EXPECT_EQ(division->Goals[1].Result, 5); // the other result's goals keep their order

    ASSERT_TRUE(CancelResult(*division, 5));
    EXPECT_FALSE(division->Results[5].Played);
    EXPECT_FALSE(CancelResult(*division, 5)); // an open fixture: nothing to take off
    EXPECT_FALSE(RescoreResult(*division, 5, 1, 0, 0));
    EXPECT_EQ(std::tuple(division->Header().GoalCount, division->Goals[1].Result), std::tuple(1, 1));
    EXPECT_FALSE(RescoreResult(*division, 1, 300, 0, 0));
}

} // namespace
} // namespace vantorel
