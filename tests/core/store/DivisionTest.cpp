#include "store/Division.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/RunningTotals.h"
#include "app/LeagueSettings.h"
#include "players/Players.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::ExpectRunningTotalsMatchRecords;
using testing::MakeLeague;
using testing::PlayFixture;

// Adds players "P1".."Pn" to Team 01.
void AddPlayers(Division& division, int count) {
    for (int p = 1; p <= count; ++p)
        ASSERT_TRUE(AddPlayer(division, PlayerRecord{ShortString<20>("P" + std::to_string(p)), 1, 0}));
}

TEST(DivisionLookups, FindTeamIsExactAndFindsTransferredOutAfterTheLastTeam) {
    auto division = MakeLeague(8, 2);
    EXPECT_EQ(division->FindTeam("Team 03"), 3);
    EXPECT_EQ(division->FindTeam("TEAM 03"), 0);
    EXPECT_EQ(division->FindTeam("team 03"), 0);
    EXPECT_EQ(division->FindTeam("Transferred-Out"), 9);
    EXPECT_EQ(division->FindTeam("Łódź"), 0);
}

TEST(DivisionLookups, FindPlayerIsExactAndReturnsTheFirstMatch) {
    auto division = MakeLeague(4, 1);
    for (const char* name : {"Ann", "Bob", "Ann"}) {
        PlayerRecord player;
        player.Name.assignStored(name);
        player.Team = 1;
        ASSERT_TRUE(AddPlayer(*division, player));
    }
    EXPECT_EQ(division->FindPlayer("Ann"), 1);
    EXPECT_EQ(division->FindPlayer("Bob"), 2);
    EXPECT_EQ(division->FindPlayer("bob"), 0);
}

TEST(DivisionLookups, FindFixtureTakesTheFirstUnplayedMeeting) {
    auto division = MakeLeague(4, 4); // 1v2 is fixture 1 and again fixture 13
    EXPECT_EQ(division->FindFixture(1, 2), 1);
    PlayFixture(*division, 1, 1, 0);
    EXPECT_EQ(division->FindFixture(1, 2), 13);
    PlayFixture(*division, 13, 1, 0);
    EXPECT_EQ(division->FindFixture(1, 2), 0);
    EXPECT_EQ(division->FindFixture(2, 1), 4);
}

TEST(DivisionTotals, WinPointsChangeMovesOnlyWinners) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 3, 1); // 1 beats 2
    PlayFixture(*division, 2, 0, 0); // 1 draws 3
    PlayFixture(*division, 3, 0, 2); // 4 beats 1
    ChangeWinPoints(*division, 2);
    EXPECT_EQ(division->Teams[1].Points, 3);
    EXPECT_EQ(division->Teams[3].Points, 1);
    EXPECT_EQ(division->Teams[4].Points, 2);
    ExpectRunningTotalsMatchRecords(*division);
}

TEST(DivisionTotals, DeductionsReplaceEachOtherAndMayMakePointsNegative) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0);
    EXPECT_TRUE(SetDeduction(*division, 1, 3));
    EXPECT_TRUE(SetDeduction(*division, 1, 5));
    EXPECT_EQ(division->Teams[1].Points, 3 - 5);
    EXPECT_TRUE(SetDeduction(*division, 1, 0));
    EXPECT_EQ(division->Teams[1].Points, 3);
}

TEST(DivisionCapacity, AFullArrayRefusesTheNextRecordAndChangesNothing) {
    auto division = testing::MakeLargestLeague();
    testing::MarkSaved(*division);
    const Status goal = AddGoal(*division, {1, 1, 0, 0, false, false});
    const Status player = AddPlayer(*division, PlayerRecord{});
    const Status squad = AddSquad(*division, SquadRecord{});
    EXPECT_FALSE(goal);
    EXPECT_FALSE(player);
    EXPECT_FALSE(squad);
    EXPECT_NE(goal.message().find("4000"), std::string::npos);
    EXPECT_NE(player.message().find("1500"), std::string::npos);
    EXPECT_NE(squad.message().find("2208"), std::string::npos);
    EXPECT_EQ(division->Header().GoalCount, 4000);
    EXPECT_EQ(division->Header().PlayerCount, 1500);
    EXPECT_EQ(division->Header().SquadCount, 2208);
    EXPECT_FALSE(division->DataChanged());
}

TEST(DivisionPlayers, DeletingAPlayerRenumbersLaterGoalsAndSquadLines) {
    auto division = MakeLeague(4, 2);
    AddPlayers(*division, 9);
    PlayFixture(*division, 1, 2, 0);
    ASSERT_TRUE(AddGoal(*division, {1, 1, 7, 10, false, false}));
    ASSERT_TRUE(AddGoal(*division, {1, 1, 9, 20, false, false}));
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[0].Player = 4;
    squad.Entries[1].Player = 8;
    ASSERT_TRUE(AddSquad(*division, squad));

    ASSERT_TRUE(DeletePlayer(*division, 5));
    EXPECT_EQ(division->Header().PlayerCount, 8);
    EXPECT_EQ(division->Players[5].Name.stored(), "P6");
    EXPECT_EQ(division->Goals[1].Player, 6);
    EXPECT_EQ(division->Goals[2].Player, 8);
    EXPECT_EQ(division->Squads[1].Entries[0].Player, 4);
    EXPECT_EQ(division->Squads[1].Entries[1].Player, 7);
}

TEST(DivisionPlayers, APlayerWithGoalsOrSquadLinesCannotBeDeleted) {
    auto division = MakeLeague(4, 2);
    AddPlayers(*division, 3);
    PlayFixture(*division, 1, 1, 0);
    ASSERT_TRUE(AddGoal(*division, {1, 2, 1, 0, true, false})); // an own goal still names its player
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[15].Player = 3;
    ASSERT_TRUE(AddSquad(*division, squad));
    EXPECT_EQ(DeletePlayer(*division, 1).message(),
              "The selected player has goals assigned or appears in a squad. Delete not performed.");
    EXPECT_FALSE(DeletePlayer(*division, 3));
    EXPECT_FALSE(DeletePlayer(*division, 4));
    EXPECT_TRUE(DeletePlayer(*division, 2));
    EXPECT_EQ(division->Header().PlayerCount, 2);
}

} // namespace
} // namespace vantorel
