#include "players/Squads.h"

#include <tuple>

#include <gtest/gtest.h>

#include "players/Players.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;

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

} // namespace
} // namespace vantorel
