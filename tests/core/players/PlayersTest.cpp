// Players, their goals and scorers, their squads, and the running totals kept of players and teams.

#include "players/Players.h"
#include "players/GoalList.h"
#include "players/GoalScorers.h"
#include "players/Squads.h"

#include <random>
#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "results/ResultEntry.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/RunningTotals.h"

namespace vantorel {
namespace {

using testing::MakeLeague;

// A league of four teams with players added through the dialog's rule.
std::unique_ptr<Division> LeagueWithPlayers(const std::vector<std::pair<std::string, int>>& players) {
    auto division = MakeLeague(4, 2);
    for (const auto& [name, team] : players)
        if (!SavePlayer(*division, 0, name, team))
            throw std::logic_error("player refused: " + name);
    return division;
}

std::vector<std::string> Names(const Division& division, const std::vector<int>& players) {
    std::vector<std::string> names;
    for (int p : players)
        names.push_back(PlayerName(division, p));
    return names;
}

TEST(SavePlayer, RefusesNamesThatDifferOnlyInLetterCaseOrPastTheArrayButLetsAPlayerChangeHisOwn) {
    auto division = LeagueWithPlayers({{"Éric Durand", 1}, {"Ann Lee", 2}});
    testing::MarkSaved(*division);
    struct Case {
        int player;
        std::string name;
        int team;
        std::string refusal; // empty = accepted
    };
    const Case cases[] = {
        {0, "éRIC DURAND", 3, DuplicatePlayerMessage("éRIC DURAND")},
        {2, "ÉRIC durand", 2, DuplicatePlayerMessage("ÉRIC durand")},
        {0, "", 1, kNameAndTeamWarning},
        {0, "Bo", 0, kNameAndTeamWarning},
        {0, "Bo", 6, kNameAndTeamWarning}, // 4 teams: 5 is Transferred-Out, 6 is nothing
        {0, "Twenty-one characters", 1, "A player's name may have at most 20 characters."},
    };
    for (const Case& c : cases) {
        const Status status = SavePlayer(*division, c.player, c.name, c.team);
        EXPECT_EQ(status.message(), c.refusal) << c.name;
    }
    EXPECT_EQ(std::tuple(division->Header().PlayerCount, division->DataChanged()), std::tuple(2, false));

    int saved = 0;
    ASSERT_TRUE(SavePlayer(*division, 1, "ÉRIC DURAND", 5, &saved)); // own name, other case, transferred out
    EXPECT_EQ(std::tuple(saved, PlayerName(*division, 1), TeamName(*division, division->Players[1].Team)),
              std::tuple(1, "ÉRIC DURAND", "Transferred-Out"));
    ASSERT_TRUE(SavePlayer(*division, 0, "Twenty characters ok", 1, &saved));
    EXPECT_EQ(std::tuple(saved, division->DataChanged()), std::tuple(3, true));

    testing::Edit(*division).Header().PlayerCount = kMaxPlayers; // no room past the array
    EXPECT_FALSE(SavePlayer(*division, 0, "One too many", 1));
    EXPECT_EQ(division->Header().PlayerCount, kMaxPlayers);
}

TEST(PlayerList, FiltersByTeamAndSortsByEachKeyKeepingTiesInNameOrder) {
    auto division = LeagueWithPlayers({{"Cy", 2}, {"al", 1}, {"Bo", 5}, {"Di", 1}, {"Ed", 2}});
    testing::Edit(*division).Player(1).Goals = 3; // Cy
    testing::Edit(*division).Player(4).Goals = 3; // Di
    testing::Edit(*division).Player(5).Goals = 1; // Ed
    struct Case {
        int team;
        PlayerSortKey key;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {0, PlayerSortKey::Player, {"Bo", "Cy", "Di", "Ed", "al"}}, // ordinal: capitals first
        {0, PlayerSortKey::Goals, {"Cy", "Di", "Ed", "Bo", "al"}},
        {0, PlayerSortKey::Team, {"Di", "al", "Cy", "Ed", "Bo"}},
        {2, PlayerSortKey::Player, {"Cy", "Ed"}},
        {5, PlayerSortKey::Player, {"Bo"}},
        {3, PlayerSortKey::Goals, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(*division, SortedPlayerList(*division, c.team, c.key)), c.names)
            << c.team << " " << static_cast<int>(c.key);
}

TEST(PlayerList, HeadingsGiveTheirSortKeysAndTheDeleteQuestionNamesTheTeam) {
    EXPECT_EQ(
        std::pair(SortKeyOfHeading(kPlayerHeadings, "Goals"), SortKeyOfHeading(kPlayerHeadings, "Nothing")),
        std::pair(3, 1));
    auto division = LeagueWithPlayers({{"Ann", 3}});
    EXPECT_EQ(DeletePlayerQuestion(*division, 1), "Are you sure you want to delete Ann of Team 03");
}

TEST(PlayerGrids, RemaindersOfTheWidthGoToOpponentAndTeam) {
    // Goals: 500 less a scroll bar of 16 and six lines leaves 478: a unit of 15, 28 left over.
    EXPECT_EQ(GoalsGridWidths(500, 16, 1), (std::vector<int>{60, 163, 45, 45, 120, 45}));
    // Players: 500 less 16 and two lines leaves 482: a unit of 68, 6 left over.
    EXPECT_EQ(PlayersGridWidths(500, 16, 1), (std::vector<int>{204, 210, 68}));
    EXPECT_EQ(PlayersGridWidths(10, 16, 1), (std::vector<int>{0, 0, 0}));
}

// Four teams, two players each (Team 01: Ann, Bea; Team 02: Cal, Dan; ...), and Team 01's 3-1 home win
// over Team 02 (fixture 1, goals 1-3 for Team 01 and goal 4 for Team 02), all unassigned.
struct ThreeOne : ::testing::Test {
    void SetUp() override {
        division = LeagueWithPlayers(
            {{"Ann", 1}, {"Bea", 1}, {"Cal", 2}, {"Dan", 2}, {"Eve", 3}, {"Fay", 3}, {"Gus", 4}, {"Hal", 4}});
        ASSERT_TRUE(EnterResult(*division, {1, 2, 3, 1, 40000, 0}, nullptr, &goals));
    }
    void Score(int goal, int player, int minute = 0, bool ownGoal = false, bool penalty = false) {
        ASSERT_TRUE(SetGoalDetails(*division, goal, {player, minute, ownGoal, penalty}));
    }
    std::unique_ptr<Division> division;
    std::vector<int> goals;
};

TEST_F(ThreeOne, TheGoalDialogAsksForEachGoalOfEachSideInTurn) {
    ASSERT_EQ(goals.size(), 4u); // each side's goals are counted from 1
    EXPECT_EQ((std::vector{GoalText(*division, goals[0], 1), GoalText(*division, goals[1], 2),
                           GoalText(*division, goals[2], 3), GoalText(*division, goals[3], 1)}),
              (std::vector<std::string>{"Goal 1 for Team 01", "Goal 2 for Team 01", "Goal 3 for Team 01",
                                        "Goal 1 for Team 02"}));
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

// A league whose Team 01 has 16 players "P01".."P16" and Team 02 two, "Q1" and "Q2"; fixture 1 is Team 01
// at home to Team 02. TeamSize 11, SubsCount 3.
struct SquadLeague : ::testing::Test {
    void SetUp() override {
        division = MakeLeague(4, 2);
        for (int p = 1; p <= 16; ++p)
            ASSERT_TRUE(SavePlayer(*division, 0, (p < 10 ? "P0" : "P") + std::to_string(p), 1));
        ASSERT_TRUE(SavePlayer(*division, 0, "Q1", 2));
        ASSERT_TRUE(SavePlayer(*division, 0, "Q2", 2));
        testing::MarkSaved(*division);
    }
    // The players on the side's lines, "" for an empty line, up to the last filled line.
    static std::vector<std::string> Names(const SquadEditor& editor, int side) {
        std::vector<std::string> names;
        for (int k = 1; k <= kSquadLines; ++k)
            names.push_back(editor.Row(side, k)[0]);
        while (!names.empty() && names.back().empty())
            names.pop_back();
        return names;
    }
    std::unique_ptr<Division> division;
};

TEST_F(SquadLeague, ElevenStartersThenThreeSubstitutesThenNoRoomAndASubstituteMovesUpWithHisOwnTimes) {
    SquadEditor editor(*division, 1);
    EXPECT_EQ(editor.Caption(DateFormat::Default()), "Squads for Team 01 vs Team 02 ()");
    for (int p = 1; p <= 14; ++p)
        ASSERT_TRUE(editor.Add(0, PlayerName(*division, p)));
    EXPECT_EQ(editor.Row(0, 11), (std::array<std::string, 6>{"P11", "0", "90", "N", "N", "N"}));
    EXPECT_EQ(editor.Row(0, 12), (std::array<std::string, 6>{"P12", "0", "0", "N", "N", "N"}));
    EXPECT_FALSE(editor.Add(0, "P15")); // the caller beeps
    EXPECT_EQ(editor.AvailablePlayers(0), (std::vector<std::string>{"P15", "P16"}));
    EXPECT_EQ(editor.AvailablePlayers(1), (std::vector<std::string>{"Q1", "Q2"}));

    ASSERT_TRUE(editor.Remove(0, 5));
    EXPECT_EQ(Names(editor, 0), (std::vector<std::string>{"P01", "P02", "P03", "P04", "P06", "P07", "P08",
                                                          "P09", "P10", "P11", "P12", "P13", "P14"}));
    EXPECT_EQ(editor.Row(0, 11), (std::array<std::string, 6>{"P12", "0", "0", "N", "N", "N"}));
    EXPECT_EQ(editor.AvailablePlayers(0).front(), "P05");
    EXPECT_FALSE(editor.Remove(0, 14)); // now empty: the caller beeps
    EXPECT_FALSE(editor.Update(0, 14, {}));
}

TEST_F(SquadLeague, TheSecondYellowBringsTheFirstAndTheRedWithIt) {
    SquadEditor editor(*division, 1);
    ASSERT_TRUE(editor.Add(1, "Q2"));
    SquadEntry line = editor.Lines(1)[0];
    SetSecondYellow(line, true);
    line.TimeOff = 70;
    ASSERT_TRUE(editor.Update(1, 1, line));
    EXPECT_EQ(editor.Row(1, 1), (std::array<std::string, 6>{"Q2", "0", "70", "Y", "Y", "Y"}));
    SetSecondYellow(line, false);
    EXPECT_TRUE(line.Yellow1 && line.Red && !line.Yellow2);
}

TEST_F(SquadLeague, SavingCreatesRecordsOnlyForSidesWithPlayersAndNeverRemovesThem) {
    {
        SquadEditor cancelled(*division, 1); // edits that are never saved change nothing
        ASSERT_TRUE(cancelled.Add(0, "P01"));
    }
    EXPECT_EQ(std::tuple(division->Header().SquadCount, division->Results[1].HomeSquad), std::tuple(0, 0));

    SquadEditor editor(*division, 1);
    ASSERT_TRUE(editor.Add(0, "P01"));
    ASSERT_TRUE(editor.Save(*division));
    EXPECT_EQ(std::tuple(division->Header().SquadCount, division->Results[1].HomeSquad,
                         division->Results[1].AwaySquad, division->Squads[1].Team, division->Squads[1].Result,
                         division->DataChanged()),
              std::tuple(1, 1, 0, 1, 1, true));

    SquadEditor again(*division, 1);
    EXPECT_EQ(again.Row(0, 1)[0], "P01");
    ASSERT_TRUE(again.Remove(0, 1));
    ASSERT_TRUE(again.Save(*division));
    EXPECT_EQ(std::tuple(division->Header().SquadCount, division->Results[1].HomeSquad,
                         division->Squads[1].Entries[0].Player),
              std::tuple(1, 1, 0));
}

TEST_F(SquadLeague, ASaveNeedingARecordPastTheArrayIsRefusedWholly) {
    testing::Edit(*division).Header().SquadCount = kMaxSquads - 1;
    testing::MarkSaved(*division);
    SquadEditor editor(*division, 1);
    ASSERT_TRUE(editor.Add(0, "P01"));
    ASSERT_TRUE(editor.Add(1, "Q1"));
    const Status status = editor.Save(*division);
    EXPECT_FALSE(status);
    EXPECT_NE(status.message().find(std::to_string(kMaxSquads)), std::string::npos);
    EXPECT_EQ(
        std::tuple(division->Header().SquadCount, division->Results[1].HomeSquad, division->DataChanged()),
        std::tuple(kMaxSquads - 1, 0, false));
    // One side takes the last record; once the array is full that squad can still be changed.
    SquadEditor home(*division, 1);
    ASSERT_TRUE(home.Add(0, "P01") && home.Save(*division));
    SquadEditor again(*division, 1);
    ASSERT_TRUE(again.Add(0, "P02"));
    EXPECT_TRUE(again.Save(*division));
}

TEST_F(SquadLeague, ASquadBreakingTheSquadRulesIsRefused) {
    const SquadEntry p01{1, 0, 90, false, false, false};
    struct Case {
        std::size_t line;
        SquadEntry entry;
        std::string message;
    };
    const Case cases[] = {
        {2, {17, 0, 90, false, false, false}, "Q1 is not a player of Team 01"},
        {14, p01, "P01 is named twice"},
        {14, {2, 0, 90, false, false, false}, ""}, // the last substitute's line
        {15, {2, 0, 90, false, false, false}, "a squad has room for 14 players"},
        {2, {2, 250, 90, false, false, false}, "P02's times on and off must be from 0 to 100"},
        {2, {2, 0, 255, false, false, false}, "P02's times on and off must be from 0 to 100"},
    };
    for (const Case& c : cases) {
        SquadLines lines{};
        lines[0] = p01;
        lines[c.line - 1] = c.entry;
        EXPECT_EQ(SaveSquad(*division, 1, 0, lines).message(), c.message) << c.line;
    }
    ASSERT_TRUE(SavePlayer(*division, 1, "P01", 2));
    SquadLines kept{};
    kept[0] = p01;
    EXPECT_TRUE(SaveSquad(*division, 1, 0, kept)); // moved since, but already in this squad
}

TEST_F(SquadLeague, TheOwnTeamsSideIsShownFirst) {
    EXPECT_EQ(SquadEditor(*division, 1).FirstSide(), 0);
    testing::Edit(*division).Header().OwnTeam = 2;
    EXPECT_EQ(SquadEditor(*division, 1).FirstSide(), 1);
}

TEST(SquadCells, CardsAsWideAsAWCentredTimesRightAlignedSelectionLit) {
    testing::RecordingCanvas canvas; // every character 10 wide
    const HighlightColours highlight{0x800000, 0xFFFFFF};
    DrawSquadCell(canvas, 100, 20, 130, 40, 0, 3, "Y", false, highlight); // the heading's yellow card
    DrawSquadCell(canvas, 130, 20, 160, 40, 2, 5, "Y", true, highlight);
    DrawSquadCell(canvas, 160, 20, 190, 40, 2, 4, "N", false, highlight);
    DrawSquadCell(canvas, 60, 20, 100, 40, 2, 2, "90", true, highlight);
    ASSERT_EQ(canvas.boxes.size(), 6u); // four backgrounds, two cards
    EXPECT_EQ(canvas.boxes[0].brush, kButtonFace);
    const auto& yellow = canvas.boxes[1];
    EXPECT_EQ(std::tuple(yellow.left, yellow.top, yellow.right, yellow.bottom, yellow.brush, yellow.filled,
                         yellow.outlined),
              std::tuple(110, 21, 120, 39, Colour{0x00FFFF}, true, true));
    EXPECT_EQ((std::array{canvas.boxes[2].brush, canvas.boxes[3].brush, canvas.boxes[4].brush}),
              (std::array<Colour, 3>{0x800000, 0x0000FF, kWhite}));
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(std::tuple(canvas.texts[0].x, canvas.texts[0].font.colour),
              std::tuple(100 - 4 - 20, Colour{0xFFFFFF}));
}

// After any mix of the edits users make to results, scorers, players, win points and deductions, every
// running total stored in the league equals a recount from the records it summarises.
TEST(RunningTotals, EqualARecountAfterAnySequenceOfResultScorerPlayerAndPointsEdits) {
    auto division = testing::MakeLeague(6, 2);
    std::mt19937 random(1010);
    auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    for (int p = 1; p <= 30; ++p)
        ASSERT_TRUE(SavePlayer(*division, 0, "Player " + std::to_string(p), pick(1, 7)));

    for (int step = 0; step < 4000; ++step) {
        const int r = pick(1, division->Header().ResultCount), what = pick(0, 7);
        const int goals = division->Header().GoalCount, players = division->Header().PlayerCount;
        const ResultRecord& match = division->Results[r];
        if (what < 2 && !match.Played) {
            (void)EnterResult(*division, {match.HomeTeam, match.AwayTeam, pick(0, 4), pick(0, 4), 0, 0});
        } else if (what == 2 && match.Played) {
            (void)RescoreResult(*division, r, pick(0, 4), pick(0, 4), 0);
        } else if (what == 3 && match.Played && pick(0, 2) == 0) {
            (void)CancelResult(*division, r);
        } else if ((what == 4 || what == 5) && goals > 0) {
            const int goal = pick(1, goals), player = pick(0, players);
            (void)SetGoalDetails(*division, goal, {player, pick(0, 93), pick(0, 4) == 0, pick(0, 1) == 1});
        } else if (what == 6 && players > 0) {
            const int player = pick(1, players);
            if (pick(0, 1) == 0)
                (void)DeletePlayer(*division, player);
            else
                (void)SavePlayer(*division, player, PlayerName(*division, player), pick(1, 7));
            if (division->Header().PlayerCount < 10)
                (void)SavePlayer(*division, 0, "New " + std::to_string(step), pick(1, 6));
        } else if (what == 7 &&
                   pick(0, 1) == 0) { // what a win is worth, or a deduction, changed between results
            SetWinPoints(*division, pick(2, 3));
        } else if (what == 7) {
            EXPECT_TRUE(SetDeduction(*division, pick(1, 6), pick(0, 20)));
        }
        testing::ExpectRunningTotalsMatchRecords(*division);
        for (int g = 1; g <= division->Header().GoalCount; ++g)
            EXPECT_LE(division->Goals[g].Player, division->Header().PlayerCount) << "goal " << g;
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
    }
}

} // namespace
} // namespace vantorel
