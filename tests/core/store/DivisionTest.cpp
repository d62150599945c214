#include "store/Division.h"

#include <random>

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/RunningTotals.h"

namespace vantorel {
namespace {

using testing::ExpectRunningTotalsMatchRecords;
using testing::MakeLeague;
using testing::PlayFixture;

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
        ASSERT_TRUE(division->AddPlayer(player));
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

TEST(DivisionTotals, ADrawCreditedAndDebitedLeavesNothingBehind) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 2, 2);
    EXPECT_EQ(division->Teams[1].Points, 1);
    EXPECT_EQ(division->Teams[2].Points, 1);
    EXPECT_EQ(division->Teams[1].Played, 1);
    EXPECT_TRUE(division->DataChanged);
    division->DebitResult(1);
    division->Results[1].Played = false;
    EXPECT_EQ(division->Teams[1].Points, 0);
    EXPECT_EQ(division->Teams[2].Points, 0);
    EXPECT_EQ(division->Teams[2].Played, 0);
}

TEST(DivisionTotals, WinPointsChangeMovesOnlyWinners) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 3, 1); // 1 beats 2
    PlayFixture(*division, 2, 0, 0); // 1 draws 3
    PlayFixture(*division, 3, 0, 2); // 4 beats 1
    division->ChangeWinPoints(2);
    EXPECT_EQ(division->Teams[1].Points, 3);
    EXPECT_EQ(division->Teams[3].Points, 1);
    EXPECT_EQ(division->Teams[4].Points, 2);
    ExpectRunningTotalsMatchRecords(*division);
}

TEST(DivisionTotals, DeductionsReplaceEachOtherAndMayMakePointsNegative) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0);
    division->SetDeduction(1, 3);
    division->SetDeduction(1, 5);
    EXPECT_EQ(division->Teams[1].Points, 3 - 5);
    division->SetDeduction(1, 0);
    EXPECT_EQ(division->Teams[1].Points, 3);
}

TEST(DivisionTotals, StayEqualToTheRecordsThroughAnySequenceOfEdits) {
    auto division = MakeLeague(10, 2);
    std::mt19937 random(20260);
    for (int step = 0; step < 3000; ++step) {
        const int r = 1 + static_cast<int>(random() % division->Header.ResultCount);
        ResultRecord& match = division->Results[r];
        switch (random() % 5) {
        case 0:
        case 1:
            if (!match.Played)
                PlayFixture(*division, r, static_cast<int>(random() % 5), static_cast<int>(random() % 5));
            break;
        case 2: // re-score: the old score is debited before the new one is stored
            if (match.Played) {
                division->DebitResult(r);
                match.HomeGoals = static_cast<std::uint8_t>(random() % 4);
                division->CreditResult(r);
            }
            break;
        case 3:
            if (match.Played) {
                division->DebitResult(r);
                match.Played = false;
            }
            break;
        case 4:
            if (random() % 2)
                division->ChangeWinPoints(random() % 2 ? 2 : 3);
            else
                division->SetDeduction(1 + static_cast<int>(random() % 10), static_cast<int>(random() % 21));
            break;
        }
    }
    ExpectRunningTotalsMatchRecords(*division);
}

TEST(DivisionCapacity, AFullArrayRefusesTheNextRecordAndChangesNothing) {
    auto division = testing::MakeLargestLeague();
    division->DataChanged = false;
    const Status goal = division->AddGoal({1, 1, 0, 0, false, false});
    const Status player = division->AddPlayer(PlayerRecord{});
    const Status squad = division->AddSquad(SquadRecord{});
    EXPECT_FALSE(goal);
    EXPECT_FALSE(player);
    EXPECT_FALSE(squad);
    EXPECT_NE(goal.message().find("4000"), std::string::npos);
    EXPECT_NE(player.message().find("1500"), std::string::npos);
    EXPECT_NE(squad.message().find("2208"), std::string::npos);
    EXPECT_EQ(division->Header.GoalCount, 4000);
    EXPECT_EQ(division->Header.PlayerCount, 1500);
    EXPECT_EQ(division->Header.SquadCount, 2208);
    EXPECT_FALSE(division->DataChanged);
}

TEST(DivisionPlayers, DeletingAPlayerRenumbersLaterGoalsAndSquadLines) {
    auto division = MakeLeague(4, 2);
    for (int p = 1; p <= 9; ++p) {
        PlayerRecord player;
        player.Name.assignStored("P" + std::to_string(p));
        player.Team = 1;
        ASSERT_TRUE(division->AddPlayer(player));
    }
    PlayFixture(*division, 1, 2, 0);
    ASSERT_TRUE(division->AddGoal({1, 1, 7, 10, false, false}));
    ASSERT_TRUE(division->AddGoal({1, 1, 9, 20, false, false}));
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[0].Player = 4;
    squad.Entries[1].Player = 8;
    ASSERT_TRUE(division->AddSquad(squad));

    ASSERT_TRUE(division->DeletePlayer(5));
    EXPECT_EQ(division->Header.PlayerCount, 8);
    EXPECT_EQ(division->Players[5].Name.stored(), "P6");
    EXPECT_EQ(division->Goals[1].Player, 6);
    EXPECT_EQ(division->Goals[2].Player, 8);
    EXPECT_EQ(division->Squads[1].Entries[0].Player, 4);
    EXPECT_EQ(division->Squads[1].Entries[1].Player, 7);
}

TEST(DivisionPlayers, APlayerWithGoalsOrSquadLinesCannotBeDeleted) {
    auto division = MakeLeague(4, 2);
    for (int p = 1; p <= 3; ++p)
        ASSERT_TRUE(division->AddPlayer(PlayerRecord{ShortString<20>("P" + std::to_string(p)), 1, 0}));
    PlayFixture(*division, 1, 1, 0);
    ASSERT_TRUE(division->AddGoal({1, 2, 1, 0, true, false})); // an own goal still names its player
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[15].Player = 3;
    ASSERT_TRUE(division->AddSquad(squad));
    EXPECT_EQ(division->DeletePlayer(1).message(),
              "The selected player has goals assigned or appears in a squad. Delete not performed.");
    EXPECT_FALSE(division->DeletePlayer(3));
    EXPECT_FALSE(division->DeletePlayer(4));
    EXPECT_TRUE(division->DeletePlayer(2));
    EXPECT_EQ(division->Header.PlayerCount, 2);
}

} // namespace
} // namespace vantorel
