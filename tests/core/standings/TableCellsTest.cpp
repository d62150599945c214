#include "standings/PlainTable.h"
#include "standings/TableCellDrawing.h"
#include "standings/TableCells.h"
#include "standings/TableLayout.h"

#include <numeric>
#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

TEST(TableCells, HeadingsForEachFormat) {
    using Headings = std::vector<std::string>;
    EXPECT_EQ(TableHeadings({false, true}), (Headings{"Pos", "Team", "P", "W", "D", "L", "F", "A", "W", "D",
                                                      "L", "F", "A", "GD", "Pts", "PP"}));
    EXPECT_EQ(TableHeadings({false, false}).size(), 15u);
    EXPECT_EQ(TableHeadings({true, false}),
              (Headings{"Pos", "Team", "P", "W", "D", "L", "F", "A", "GD", "Pts"}));
    EXPECT_EQ(TableHeadings({true, true}).back(), "PP");
}

TEST(TableCells, RowValuesInFullAndShortFormat) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 3, 1, 1); // team 1 beats 2 at home
    PlayFixture(*division, 7, 2, 0, 2); // team 3 beats 1 at home
    EXPECT_TRUE(SetDeduction(*division, 2, 4));
    const LeagueTable table =
        FillTable(*division, {TableContent::PlayedGames, GameSelection::HomeAndAway, 10, 10});
    // Teams 3 and 1 both have 3 points; team 3's goal difference (+2 against 0) puts it first.
    ASSERT_EQ(table.TableOrder[1], 3);
    ASSERT_EQ(table.TableOrder[2], 1);
    EXPECT_EQ(TableRowCells(*division, table, 2, {false, true}),
              (std::vector<std::string>{"2", "Team 01", "2", "1", "0", "0", "3", "1", "0", "0", "1", "0", "2",
                                        "0", "3", "15"}));
    EXPECT_EQ(TableRowCells(*division, table, 2, {true, false}),
              (std::vector<std::string>{"2", "Team 01", "2", "1", "0", "1", "3", "3", "0", "3"}));
    EXPECT_EQ(TableRowCells(*division, table, 4, {true, true}),
              (std::vector<std::string>{"4", "Team 02", "1", "0", "0", "1", "1", "3", "-2", "-4", "11"}));
    EXPECT_EQ(TableRows(*division, table, {true, false}).size(), 4u);
}

TEST(TableCells, ZoneBackgroundsWithRelegationFirstAndTheOwnTeamsText) {
    auto division = MakeLeague(20, 2);
    testing::Edit(*division).Header().PromoteCount = 2;
    testing::Edit(*division).Header().PlayoffCount = 4;
    testing::Edit(*division).Header().RelegateCount = 3;
    testing::Edit(*division).Header().OwnTeam = 7;
    Settings settings;
    PlayFixture(*division, division->FindFixture(7, 1), 9, 0); // the own team goes top
    const LeagueTable table = FillTable(*division, {});
    for (int row = 1; row <= 20; ++row) {
        const RowColours colours = TableRowColours(division->Header(), table, row, settings);
        const Colour expected = row <= 2    ? settings.Colour1
                                : row <= 6  ? settings.Colour2
                                : row <= 17 ? kWhite
                                            : settings.Colour3;
        EXPECT_EQ(colours.background, expected) << "row " << row;
        EXPECT_EQ(colours.text, row == 1 ? settings.Colour4 : kBlack) << "row " << row;
    }

    auto small = MakeLeague(4, 1);
    testing::Edit(*small).Header().PromoteCount = 3;
    testing::Edit(*small).Header().RelegateCount = 0;
    EXPECT_EQ(TableRowColours(small->Header(), FillTable(*small, {}), 4, settings).background, kWhite);
    testing::Edit(*small).Header().RelegateCount = 2; // overlapping zones: relegation wins
    EXPECT_EQ(TableRowColours(small->Header(), FillTable(*small, {}), 3, settings).background,
              settings.Colour3);
}

TEST(TableCellDrawing, HeadingsCentredMarksAsArrowsNamesLeftNumbersRight) {
    auto league = testing::MakeLeague(4, 1);
    testing::Edit(*league).Header().RelegateCount = 1;
    testing::Edit(*league).Header().OwnTeam = 4;
    const LeagueTable table = FillTable(*league, {});
    const Settings settings;
    const HeadingColours headings{0xF0F0F0, 0x000000};

    testing::RecordingCanvas canvas; // 10 units a character
    DrawTableCell(canvas, 100, 20, 160, 40, 0, 2, "P", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.boxes.back().brush, 0xF0F0F0u);
    const auto placed = [&] { return std::tuple(canvas.texts.back().x, canvas.texts.back().y); };
    EXPECT_EQ(placed(), std::tuple(100 + (60 - 10) / 2, 22));

    DrawTableCell(canvas, 0, 80, 40, 100, 4, 0, "D", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.boxes.back().brush, settings.Colour3);
    ASSERT_EQ(canvas.bitmaps.size(), 1u);
    EXPECT_EQ(std::tuple(canvas.bitmaps[0].name, canvas.bitmaps[0].x),
              std::tuple(std::string(kDownArrowBitmap), 1));

    DrawTableCell(canvas, 0, 80, 40, 100, 4, 0, "4", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.texts.back().x, 40 - 10 - 3);

    DrawTableCell(canvas, 40, 80, 200, 100, 4, 1, "Team 04", league->Header(), table, settings, headings);
    EXPECT_EQ(placed(), std::tuple(42, 82));
    EXPECT_EQ(canvas.texts.back().font.colour, settings.Colour4); // the own team is last: team 4

    DrawTableCell(canvas, 200, 20, 240, 40, 1, 9, "-12", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.texts.back().x, 240 - 30 - 3);
    EXPECT_EQ(canvas.texts.back().font.colour, kBlack);
    EXPECT_EQ(canvas.boxes.back().brush, kWhite);
}

TEST(TableLayout, SharesTheWidthAndGivesTheLeftOverToTheTeamAndLastColumns) {
    // 16 columns: 700 - 17 lines - 122 team - 0 = 561 shared; 561 / 15 = 37 rest 6; thirds of 2.
    const std::vector<int> withPoss = TableColumnWidths(700, 120, 16, 1, 0, true);
    EXPECT_EQ(std::tuple(withPoss[0], withPoss[1], withPoss[14], withPoss[15]),
              std::tuple(37, 122 + 6 - 4, 39, 39));
    EXPECT_EQ(std::accumulate(withPoss.begin(), withPoss.end(), 0) + 17, 700);

    const std::vector<int> shortTable = TableColumnWidths(500, 100, 10, 1, 17, false);
    EXPECT_EQ(std::accumulate(shortTable.begin(), shortTable.end(), 0) + 11 + 17, 500);
    EXPECT_EQ(shortTable[8], shortTable[2]); // only the last column takes a share
    EXPECT_GE(shortTable[9], shortTable[2]);
}

TEST(PlainTable, AlignsTeamsLeftAndNumbersRightCountingCharacters) {
    const std::string text =
        FormatPlainTable({"Pos", "Team", "Pts"}, {{"U", "München", "7"}, {"10", "Ox", "-12"}});
    EXPECT_EQ(text, "Pos  Team     Pts\n"
                    "  U  München    7\n"
                    " 10  Ox       -12\n");
}

} // namespace
} // namespace vantorel
