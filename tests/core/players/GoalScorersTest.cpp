#include "players/GoalScorers.h"

#include <tuple>

#include <gtest/gtest.h>

#include "players/GoalList.h"
#include "players/Players.h"
#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;

// Four teams, two players each (Team 01: Ann, Bea; Team 02: Cal, Dan; ...), and Team 01's 3-1 home win
// over Team 02 (fixture 1, goals 1-3 for Team 01 and goal 4 for Team 02), all unassigned.
struct ThreeOne : ::testing::Test {
    void SetUp() override {
        division = MakeLeague(4, 2);
        const char* names[] = {"Ann", "Bea", "Cal", "Dan", "Eve", "Fay", "Gus", "Hal"};
        for (int p = 0; p < 8; ++p)
            ASSERT_TRUE(SavePlayer(*division, 0, names[p], 1 + p / 2));
        ASSERT_TRUE(EnterResult(*division, {1, 2, 3, 1, 40000, 0}, nullptr, &goals));
    }
    void Score(int goal, int player, int minute = 0, bool ownGoal = false, bool penalty = false) {
        ASSERT_TRUE(SetGoalDetails(*division, goal, {player, minute, ownGoal, penalty}));
    }
    std::unique_ptr<Division> division;
    std::vector<int> goals;
};

TEST_F(ThreeOne, TheGoalDialogAsksForEachGoalOfEachSideInTurn) {
    std::vector<std::string> asked;
    const int numbers[] = {1, 2, 3, 1}; // each side's goals counted from 1
    for (std::size_t k = 0; k < goals.size(); ++k)
        asked.push_back(GoalText(*division, goals[k], numbers[k]));
    EXPECT_EQ(asked, (std::vector<std::string>{"Goal 1 for Team 01", "Goal 2 for Team 01",
                                               "Goal 3 for Team 01", "Goal 1 for Team 02"}));
    EXPECT_EQ(GoalText(*division, 4, 0), "Goal for Team 02");
    EXPECT_EQ(GoalMatchText(*division, 4), "Team 01 v Team 02");
    EXPECT_EQ(GoalsOfSide(*division, 1, 1), (std::vector<int>{1, 2, 3}));
}

// The scorers' totals after each change are checked by the running-totals property test.
TEST_F(ThreeOne, AnOwnGoalIsGivenToAPlayerOfTheOtherSideAndBadDetailsAreRefused) {
    EXPECT_EQ(ScorerNames(*division, ScorerTeam(*division, 2, true)),
              (std::vector<std::string>{"Cal", "Dan"}));
    Score(2, 3, 12, true);
    Score(2, 3, 12, false); // no longer an own goal: the scorer keeps it
    EXPECT_FALSE(SetGoalDetails(*division, 3, {9, 0, false, false}));
    EXPECT_FALSE(SetGoalDetails(*division, 3, {1, 94, false, false}));
    EXPECT_FALSE(SetGoalDetails(*division, 5, {1, 0, false, false}));
    EXPECT_EQ(division->Goals[3].Player, 0);
}

TEST_F(ThreeOne, ATransferredScorerIsKeptForHisOldGoalsOnly) {
    Score(1, 1);
    ASSERT_TRUE(SavePlayer(*division, 1, "Ann", 5)); // Ann leaves the division
    EXPECT_EQ(ScorerNames(*division, 1, division->Goals[1].Player), (std::vector<std::string>{"Ann", "Bea"}));
    EXPECT_EQ(ScorerNames(*division, 1, division->Goals[2].Player), (std::vector<std::string>{"Bea"}));
    EXPECT_TRUE(SetGoalDetails(*division, 1, {1, 50, false, false})); // still his goal
    EXPECT_EQ(SetGoalDetails(*division, 2, {3, 0, false, false}).message(), "Cal is not a player of Team 01");
    EXPECT_EQ(SetGoalDetails(*division, 2, {5, 0, true, false}).message(), "Eve is not a player of Team 02");
    EXPECT_EQ(std::tuple(division->Goals[1].Team, division->Players[1].Goals), std::tuple(1, 1));
}

TEST_F(ThreeOne, AScorerAtTheLargestTotalAFileHoldsIsRefused) {
    testing::Edit(*division).Player(2).Goals = kMostGoalsOfAPlayer;
    EXPECT_FALSE(SetGoalDetails(*division, 1, {2, 0, false, false}));
    EXPECT_TRUE(SetGoalDetails(*division, 4, {2, 0, true, false})); // an own goal does not count
    EXPECT_EQ(division->Players[2].Goals, kMostGoalsOfAPlayer);
}

TEST_F(ThreeOne, TheGoalsPanelCountsGoalsWithoutAScorer) {
    const auto panel = [&](int team) {
        return GoalsPanelText(*division, SortedGoalList(*division, team, GoalSortKey::Date));
    };
    EXPECT_EQ(panel(1), "3 Goals Scored (3 are not yet assigned)");
    Score(1, 1);
    Score(2, 1);
    EXPECT_EQ(panel(1), "3 Goals Scored (1 is not yet assigned)");
    Score(3, 2);
    EXPECT_EQ(panel(1), "3 Goals Scored ");
    EXPECT_EQ(panel(2), "1 Goal Scored (1 is not yet assigned)");
    EXPECT_EQ(panel(3), "0 Goals Scored ");
}

TEST_F(ThreeOne, TheGoalsListSortsByEachHeadingAndShowsItsCells) {
    // A second match for Team 01: away at Team 03 on a later day, won 2-0 (goals 5 and 6).
    ASSERT_TRUE(EnterResult(*division, {3, 1, 0, 2, 40007, 0}));
    Score(1, 2, 80);
    Score(2, 1, 15, false, true);
    Score(3, 4, 15, true); // Dan of Team 02 turns it into his own net
    Score(5, 1, 50);
    Score(6, 2, 15);
    struct Case {
        GoalSortKey key;
        std::vector<int> goals;
    };
    const Case cases[] = {
        {GoalSortKey::Date, {6, 5, 2, 3, 1}}, // newest match first, then minute; 2 and 3 tie, record order
        {GoalSortKey::Opponent, {2, 3, 1, 6, 5}}, // Team 02 then Team 03
        {GoalSortKey::OwnGoal, {3, 2, 1, 6, 5}},  {GoalSortKey::Penalty, {2, 3, 1, 6, 5}},
        {GoalSortKey::Scorer, {2, 5, 1, 6, 3}}, // Ann, Bea, Dan
        {GoalSortKey::Time, {2, 3, 6, 5, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SortedGoalList(*division, 1, c.key), c.goals) << static_cast<int>(c.key);
    EXPECT_EQ(SortKeyOfHeading(kGoalHeadings, "Goal Scorer"), 5);

    const DateFormat dates = DateFormat::Default();
    EXPECT_EQ(GoalRow(*division, 2, 1, dates),
              (std::array<std::string, 6>{"06/07/2009", "Team 02", "", "Pen", "Ann", "15"}));
    EXPECT_EQ(GoalRow(*division, 3, 1, dates),
              (std::array<std::string, 6>{"06/07/2009", "Team 02", "OG", "", "Dan", "15"}));
    EXPECT_EQ(GoalRow(*division, 4, 2, dates),
              (std::array<std::string, 6>{"06/07/2009", "Team 01", "", "", "", "0"}));
}

} // namespace
} // namespace vantorel
