#include "app/NewLeague.h"

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

Pairs Fixtures(const Division& division) {
    Pairs pairs;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        EXPECT_EQ(division.Results[r].MatchNo, r);
        pairs.emplace_back(division.Results[r].HomeTeam, division.Results[r].AwayTeam);
    }
    return pairs;
}

TEST(NewLeague, FourTeamsMeetingOnceGiveSixFixturesEarlierTeamAtHome) {
    auto division = testing::MakeLeague(4, 1);
    EXPECT_EQ(Fixtures(*division), (Pairs{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
}

TEST(NewLeague, FourMeetingsRepeatTheHomeAndAwayBlock) {
    auto division = testing::MakeLeague(4, 4);
    const Pairs pairs = Fixtures(*division);
    ASSERT_EQ(pairs.size(), 24u);
    EXPECT_EQ(Pairs(pairs.begin(), pairs.begin() + 3), (Pairs{{1, 2}, {1, 3}, {1, 4}}));
    EXPECT_EQ(pairs[3], (std::pair{2, 1}));
    EXPECT_EQ(Pairs(pairs.begin(), pairs.begin() + 12), Pairs(pairs.begin() + 12, pairs.end()));
}

TEST(NewLeague, FixtureCountsForEveryLeagueSize) {
    const int expected[4][3] = {{6, 12, 24}, {28, 56, 112}, {190, 380, 760}, {276, 552, 1104}};
    const int sizes[4] = {4, 8, 20, 24};
    for (int i = 0; i < 4; ++i)
        for (int m = 0; m < 3; ++m) {
            const int playTimes = m == 2 ? 4 : m + 1;
            EXPECT_EQ(testing::MakeLeague(sizes[i], playTimes)->Header().ResultCount, expected[i][m]);
        }
}

TEST(NewLeague, StoresTeamsAlphabeticallyWithoutRegardToCaseAndTheHeaderAsAnswered) {
    NewLeagueAnswers answers;
    answers.tableName = "A table name that is longer than thirty characters";
    answers.teamNames = {"Rovers", "albion", "City", "Dynamo"};
    answers.winPoints = 2;
    answers.playTimes = 1;
    answers.ownTeam = 3;
    answers.promoteCount = 1;
    answers.relegateCount = 2;
    answers.teamSize = 7;
    answers.subsCount = 0;
    Division division;
    ASSERT_TRUE(BuildNewLeague(answers, division));
    const DivisionHeader& header = division.Header();
    EXPECT_EQ(header.TableName.stored(), "A table name that is longer th");
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(division.Teams[t].Name.stored(),
                  (std::vector<std::string>{"albion", "City", "Dynamo", "Rovers"}[t - 1]));
    EXPECT_EQ(division.Teams[5].Name.stored(), "Transferred-Out");
    EXPECT_EQ(header.WinPoints, 2);
    EXPECT_EQ(header.OwnTeam, 3);
    EXPECT_EQ(header.PromoteCount, 1);
    EXPECT_EQ(header.RelegateCount, 2);
    EXPECT_EQ(header.TeamSize, 7);
    EXPECT_EQ(header.SubsCount, 0);
    EXPECT_EQ(header.SortRules.stored(), "1234");
    EXPECT_EQ(header.GoalCount + header.PlayerCount + header.SquadCount, 0);
    EXPECT_FALSE(header.TrackGoals);
}

// The wizard's messages and its count of teams still wanted are checked through the wizard in
// NewLeagueWizardTest.WalksThePagesWithTheirChecks.
TEST(NewLeague, TheWizardsChecksAndTheirMessages) {
    EXPECT_EQ(CheckTeamNames({"Leeds", "Hull", "Leeds", "York"}, 4).message(),
              "Duplicate team names entered, please correct");
    EXPECT_TRUE(CheckTeamNames({"Leeds", "leeds", "Hull", "York"}, 4));
    // Two names that would be the same once cut to 30 characters: refused, naming the long one.
    const std::string thirty = "Wolverhampton Wanderers Footba";
    EXPECT_TRUE(CheckTeamNames({thirty, "Hull", "York", "Zürich Grasshopper Club Zürich"}, 4));
    EXPECT_NE(CheckTeamNames({thirty + "ll", thirty + "ll Club", "Hull", "York"}, 4)
                  .message()
                  .find("longer than 30"),
              std::string::npos);

    NewLeagueAnswers answers;
    answers.tableName = "League";
    answers.teamNames = {"A", "B", "C"};
    auto division = testing::MakeLeague(6, 1);
    EXPECT_FALSE(BuildNewLeague(answers, *division));
    answers.teamNames = {"A", "B", "C", "Łódź"};
    EXPECT_NE(BuildNewLeague(answers, *division).message().find("Łódź"), std::string::npos);
    EXPECT_EQ(division->Header().TeamCount, 6); // a refused league leaves the Division alone
}

TEST(LeagueSettings, EachEditMarksTheLeagueChangedOnlyWhenSomethingChanges) {
    NewLeagueAnswers answers;
    answers.tableName = "League";
    answers.teamNames = {"Arsenal", "Everton", "Fulham", "Wigan"};
    Division division;
    ASSERT_TRUE(BuildNewLeague(answers, division));
    EXPECT_TRUE(SetOwnTeam(division, 2));
    EXPECT_TRUE(division.DataChanged());
    EXPECT_FALSE(SetOwnTeam(division, 2)); // the same line again: no change, no sound
    EXPECT_FALSE(SetOwnTeam(division, 1));
    EXPECT_FALSE(SetOwnTeam(division, 0));

    testing::MarkSaved(division);
    ASSERT_TRUE(SetTableName(division, ""));
    ASSERT_TRUE(SetTableName(division, "League"));
    ASSERT_TRUE(SetZoneCount(division, Zone::Relegation, 0));
    EXPECT_FALSE(SetZoneCount(division, Zone::Promotion, 10));
    SetWinPoints(division, 3);
    ASSERT_TRUE(RenameTeam(division, 1, ""));
    EXPECT_FALSE(division.DataChanged());

    ASSERT_TRUE(RenameTeam(division, 1, "Wigan")); // another team's name is accepted
    // A zone holds at most the league's four teams.
    EXPECT_EQ(SetZoneCount(division, Zone::Playoff, 9).message(),
              "A zone of this league holds 0 to 4 teams, not 9.");
    ASSERT_TRUE(SetZoneCount(division, Zone::Playoff, 4));
    EXPECT_EQ(division.Teams[1].Name.stored(), "Wigan");
    EXPECT_EQ(division.Header().PlayoffCount, 4);
    EXPECT_TRUE(division.DataChanged());
    EXPECT_FALSE(SetTableName(division, "Ligue 1 – ①"));
    EXPECT_EQ(division.Header().TableName.stored(), "League");
}

} // namespace
} // namespace vantorel
