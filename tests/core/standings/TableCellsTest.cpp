// The table's cells, drawn on screen and printed on paper, and the grid of all the matches.

#include "standings/TableCells.h"
#include "standings/MatchesGrid.h"
#include "standings/PlainTable.h"
#include "standings/TableCellDrawing.h"
#include "standings/TableLayout.h"
#include "standings/TablePrintout.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "store/Dates.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;
using testing::RecordingCanvas;

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
    EXPECT_EQ(TableRowCells(*division, table, 2, {false, true}),
              (std::vector<std::string>{"2", "Team 01", "2", "1", "0", "0", "3", "1", "0", "0", "1", "0", "2",
                                        "0", "3", "15"}));
    EXPECT_EQ(TableRowCells(*division, table, 2, {true, false}),
              (std::vector<std::string>{"2", "Team 01", "2", "1", "0", "1", "3", "3", "0", "3"}));
    EXPECT_EQ(TableRowCells(*division, table, 4, {true, true}),
              (std::vector<std::string>{"4", "Team 02", "1", "0", "0", "1", "1", "3", "-2", "-4", "11"}));
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

constexpr int kPageWidth = 2400;
constexpr int kPageHeight = 3400;

// A finished 20-team season, every home side winning 1-0, with a relegation zone.
TablePrintoutInput Printout(const TableFormat& format, int relegate, TableVariant variant = {}) {
    auto league = testing::MakeLeague(20, 2);
    testing::Edit(*league).Header().RelegateCount = static_cast<std::uint8_t>(relegate);
    testing::Edit(*league).Header().PromoteCount = 2;
    for (int r = 1; r <= league->Header().ResultCount; ++r)
        testing::PlayFixture(*league, r, r % 2, 0, 1);
    variant.asAt = 1;
    return MakeTablePrintout(*league, FillTable(*league, variant), format, "06/12/2026");
}

std::vector<RecordingCanvas::DrawnLine> ThickLines(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::DrawnLine> thick;
    std::copy_if(canvas.lines.begin(), canvas.lines.end(), std::back_inserter(thick),
                 [](const auto& line) { return line.penWidth == 5; });
    return thick;
}

TEST(TablePrintout, AFullTableWithPossiblePointsGivesTheTeamColumnAThird) {
    RecordingCanvas canvas;
    const TablePrintoutInput input = Printout({false, true}, 3);
    PrintTable(canvas, kPageWidth, kPageHeight, input);

    // The table 1920 wide from 240, the team column 640, the others 85 and rows 100 high.
    // Title at the top left, the print date right-aligned to the table's edge, in size 20.
    EXPECT_EQ(
        std::tuple(canvas.texts[0].text, canvas.texts[0].x, canvas.texts[0].font.size, canvas.texts[1].x),
        std::tuple(input.tableName, 240, 20, 240 + 1920 - 10 * 20));

    const int top = 40 + 20 + 300; // "M" is 40 high in size 20
    EXPECT_EQ(std::tuple(canvas.boxes[0].top, canvas.boxes[1].top),
              std::tuple(top, top - 100)); // then Home/Away
    EXPECT_EQ(canvas.boxes[1].right - canvas.boxes[1].left, 10 * 85);
    const auto thick = ThickLines(canvas);
    ASSERT_EQ(thick.size(), 1u);
    EXPECT_EQ(thick[0].y1, top + 18 * 100); // above position 18
    // Every rule runs straight across or straight down.
    EXPECT_TRUE(
        std::ranges::all_of(canvas.lines, [](const auto& l) { return l.x1 == l.x2 || l.y1 == l.y2; }));
    const auto &home = canvas.TextNamed("Home"), &away = canvas.TextNamed("Away");
    EXPECT_EQ(std::tuple(home.x, home.y, away.x - home.x, away.y),
              std::tuple(240 + 640 + 2 * 85 + (5 * 85 - 40) / 2, top - 75, 5 * 85, top - 75));
    // The team name 10 in from its column, numbers 10 in from the right of theirs.
    const auto& team = canvas.TextNamed("Team 01");
    EXPECT_EQ(std::tuple(team.x, team.font.size), std::tuple(240 + 85 + 10, 10));
    const auto& pp = canvas.TextNamed("PP");
    EXPECT_EQ(std::tuple(pp.x, pp.y), std::tuple(240 + 640 + 15 * 85 - 20 - 10, top + 25));
}

TEST(TablePrintout, TheShortFormatHasNoHomeAndAwayBoxAndStartsARowHigher) {
    RecordingCanvas canvas;
    PrintTable(canvas, kPageWidth, kPageHeight, Printout({true, false}, 0));
    EXPECT_THROW(canvas.TextNamed("Home"), std::runtime_error);
    ASSERT_EQ(canvas.boxes.size(), 1u);
    EXPECT_EQ(canvas.boxes[0].top, 40 + 20 + 200);
    EXPECT_TRUE(ThickLines(canvas).empty());

    RecordingCanvas one;
    PrintTable(one, kPageWidth, kPageHeight, Printout({true, false}, 1));
    ASSERT_EQ(ThickLines(one).size(), 1u);
    EXPECT_EQ(ThickLines(one)[0].y1, one.boxes[0].top + 20 * 100);
}

TEST(TablePrintout, PositionsArePrintedAsNumbersAndTheVariantIsNoted) {
    RecordingCanvas canvas;
    const TablePrintoutInput input = Printout({true, false}, 3);
    ASSERT_EQ(input.rows[0][0], "U");
    ASSERT_EQ(input.rows[19][0], "D");
    PrintTable(canvas, kPageWidth, kPageHeight, input);
    const auto count = [&](const char* wanted) {
        return std::count_if(canvas.texts.begin(), canvas.texts.end(),
                             [&](const auto& t) { return t.text == wanted; });
    };
    EXPECT_EQ(count("U"), 0);
    EXPECT_EQ(count("D"), 1); // the heading of the drawn games
    EXPECT_NO_THROW(canvas.TextNamed("20"));
    for (const auto& text : canvas.texts)
        EXPECT_NE(text.text.rfind("Note:", 0), 0u); // played home and away games need no note

    RecordingCanvas form;
    PrintTable(form, kPageWidth, kPageHeight,
               Printout({true, false}, 3, {TableContent::CurrentForm, GameSelection::HomeOnly, 0, 10}));
    EXPECT_EQ(std::tuple(form.texts.back().text, form.texts.back().y),
              std::tuple(std::string("Note: Table shows current form"), form.boxes[0].bottom + 100));
    const std::tuple<TableContent, GameSelection, const char*> notes[] = {
        {TableContent::PlayedPredicted, GameSelection::AwayOnly, "predicted results"},
        {TableContent::PlayedGames, GameSelection::HomeOnly, "home matches only"},
        {TableContent::PlayedGames, GameSelection::AwayOnly, "away matches only"},
    };
    for (const auto& [content, games, note] : notes)
        EXPECT_EQ(VariantNote(content, games), std::string("Note: Table includes ") + note);
}

// On a page 1000 wide the table is 800 wide, its team column 266 and the others 38: a league name of 30
// letters in size 20 would run into the date, a team name of 30 letters in size 10 into the next column.
TEST(TablePrintout, LongNamesKeepClearOfTheDateAndOfTheNextColumn) {
    TablePrintoutInput input = Printout({false, false}, 3);
    input.tableName = std::string(30, 'M');
    input.rows[0][1] = std::string(30, 'W');
    RecordingCanvas canvas;
    PrintTable(canvas, 1000, kPageHeight, input);
    const auto &title = canvas.TextNamed(input.tableName), &date = canvas.TextNamed("06/12/2026");
    EXPECT_EQ(std::tuple(title.x, title.font.size, date.font.size, date.x),
              std::tuple(100, 19, 19, 900 - 190));
    EXPECT_EQ(canvas.boxes[0].top, 40 + 20 + 300); // the table where a short name leaves it
    EXPECT_EQ(canvas.TextNamed(std::string(24, 'W')).x, 100 + 38 + 10); // 246 left between the insets
}

class TablePrintoutResolution : public ::testing::TestWithParam<int> {};

// Lines and the gaps between text and lines keep their size on paper at any printer resolution.
TEST_P(TablePrintoutResolution, ScalesPensAndInsetsFromThePrintersResolution) {
    const int dpi = GetParam();
    const int scale = dpi / 300;
    RecordingCanvas canvas;
    canvas.resolution = dpi;
    const int pageWidth = kPageWidth * scale, pageHeight = kPageHeight * scale;
    PrintTable(canvas, pageWidth, pageHeight, Printout({true, false}, 3));
    const TablePrintoutLayout m(pageWidth, pageHeight, 20, 10);
    const int nameLine = m.left + m.columnWidth;
    const RecordingCanvas::Text& position = canvas.TextNamed("1");
    const RecordingCanvas::Text& name = canvas.TextNamed("Team 01");
    EXPECT_EQ(nameLine - (position.x + canvas.TextWidth("1")), 10 * scale);
    EXPECT_EQ(name.x - nameLine, 10 * scale);
    EXPECT_EQ(canvas.texts[0].y, 20 * scale);
    auto drawnWith = [&](int pen) {
        return std::count_if(canvas.lines.begin(), canvas.lines.end(),
                             [pen](const auto& line) { return line.penWidth == pen; });
    };
    EXPECT_EQ(drawnWith(5 * scale), 1); // the rule above the relegation zone
    EXPECT_EQ(drawnWith(scale), static_cast<long>(canvas.lines.size()) - 1);
}

INSTANTIATE_TEST_SUITE_P(Printers, TablePrintoutResolution, ::testing::Values(300, 600, 1200));

constexpr int kWidth = 1200;
constexpr int kHeight = 900;

// The cell texts drawn, by (home, away) from their positions; a cell drawn twice fails the test.
std::map<std::pair<int, int>, std::string> Cells(const RecordingCanvas& canvas, const MatchesGridLayout& m,
                                                 int teams) {
    std::map<std::pair<int, int>, std::string> cells;
    for (const auto& text : canvas.texts) {
        if (text.font.size != 7 && text.font.size != 10)
            continue;
        const int home = (text.y - m.gridTop) / m.cellHeight + 1;
        const int away = (text.x - m.gridLeft) / m.cellWidth + 1;
        if (home >= 1 && home <= teams && away >= 1 && away <= teams && text.x >= m.gridLeft &&
            !cells.emplace(std::pair(home, away), text.text).second)
            ADD_FAILURE() << "cell " << home << "," << away << " drawn twice";
    }
    return cells;
}

TEST(MatchesGrid, FitTextShortensATwoWordNameToItsInitialThenCuts) {
    RecordingCanvas canvas; // 10 units a character
    EXPECT_EQ(FitText(canvas, 200, "Aston Villa"), "Aston Villa");
    EXPECT_EQ(FitText(canvas, 100, "Aston Villa"), "Aston V");
    EXPECT_EQ(FitText(canvas, 50, "Aston Villa"), "Aston");
    EXPECT_EQ(FitText(canvas, 40, "Middlesbrough"), "Midd");
    EXPECT_EQ(FitText(canvas, 30, "Münster"), "Mün");
}

TEST(MatchesGrid, TwentyTeamsMeetingTwiceFillEveryCellButTheDiagonal) {
    auto league = testing::MakeLeague(20, 2);
    for (int r = 1; r <= league->Header().ResultCount; ++r)
        testing::PlayFixture(*league, r, r % 4, 1, 1);
    RecordingCanvas canvas;
    DrawGrid(canvas, *league, kWidth, kHeight, false, false);
    canvas.setFont({"Sans", 10});
    const MatchesGridLayout m = GridLayout(canvas, *league, kWidth, kHeight);
    EXPECT_FALSE(HasSecondSet(league->Header()));
    const auto cells = Cells(canvas, m, 20);
    EXPECT_EQ(std::tuple(cells.size(), cells.at({1, 2}), cells.count({5, 5})), std::tuple(380u, "1-1", 0u));
    // The diagonal is filled blue on screen, with the grid right-aligned in the canvas.
    EXPECT_EQ(std::tuple(canvas.boxes[0].brush, canvas.boxes[0].left), std::tuple(kBlue, m.gridLeft));
    EXPECT_EQ(m.gridLeft + m.gridWidth, kWidth - kGridMargin);
    EXPECT_EQ(m.gridTop, kHeight - m.gridAreaHeight + kGridMargin);
    // Row names blue at the left, column names red and turned to run downwards.
    const auto& row = canvas.TextNamed("Team 01");
    EXPECT_EQ(std::tuple(row.x, row.font.colour), std::tuple(kGridMargin, kBlue));
    const auto& column = canvas.texts.back();
    EXPECT_EQ(std::tuple(column.font.escapement, column.font.colour, column.x),
              std::tuple(2700, kRed, m.gridLeft + 20 * m.cellWidth - m.cellWidth / 4));
}

TEST(MatchesGrid, TeamsMeetingOnceFillOnlyTheHomeSidesCell) {
    auto league = testing::MakeLeague(20, 1);
    testing::Edit(*league).Result(1).MatchDate = *DayNumberOf({2024, 3, 7});
    RecordingCanvas canvas;
    DrawGrid(canvas, *league, kWidth, kHeight, true, false);
    canvas.setFont({"Sans", 10});
    const auto cells = Cells(canvas, GridLayout(canvas, *league, kWidth, kHeight), 20);
    EXPECT_EQ(std::tuple(cells.size(), cells.at({1, 2}), cells.at({1, 3}), cells.count({2, 1})),
              std::tuple(190u, "7/3", " - ", 0u));
    EXPECT_EQ(canvas.boxes[0].brush, kButtonFace); // printed
}

TEST(MatchesGrid, TeamsMeetingFourTimesHaveTwoSets) {
    auto league = testing::MakeLeague(20, 4);
    testing::PlayFixture(*league, 1, 2, 0, 1);   // 1 v 2, first set
    testing::PlayFixture(*league, 381, 0, 5, 1); // 1 v 2, second set
    EXPECT_TRUE(HasSecondSet(league->Header()));
    for (bool second : {false, true}) {
        RecordingCanvas canvas;
        DrawGrid(canvas, *league, kWidth, kHeight, true, second);
        const auto cells = Cells(canvas, GridLayout(canvas, *league, kWidth, kHeight), 20);
        EXPECT_EQ(std::tuple(cells.size(), cells.at({1, 2})),
                  std::tuple(std::size_t{380}, second ? "0-5" : "2-0"));
    }
}

// 24 teams, one of them with the longest name, leave cells too narrow for their texts in the usual font:
// each text too wide takes the largest font that keeps a space to spare in its cell.
TEST(MatchesGrid, TextsTooWideForTheirCellsTakeTheLargestFontThatFits) {
    auto league = testing::MakeLeague(24, 2);
    testing::Edit(*league).Team(1).Name = ShortString<30>(std::string(30, 'W'));
    for (int r = 1; r <= league->Header().ResultCount; ++r)
        testing::PlayFixture(*league, r, r == 1 ? 12 : 1, r == 1 ? 11 : 0);
    for (const bool printing : {true, false}) {
        RecordingCanvas canvas;
        DrawGrid(canvas, *league, kWidth, kHeight, printing, false);
        canvas.setFont({"Sans", 10});
        const MatchesGridLayout m = GridLayout(canvas, *league, kWidth, kHeight);
        ASSERT_EQ(m.cellWidth, 36);
        std::map<std::string, int> sizes;
        for (const auto& text : canvas.texts) {
            if (text.font.escapement == 0 && text.x >= m.gridLeft) // not a team name
                sizes.emplace(text.text, text.font.size);
            if (text.font.escapement == 0 && text.x >= m.gridLeft && text.font.size != sizes[text.text])
                ADD_FAILURE() << text.text << " drawn in two sizes";
        }
        // 10 units a character at size 10: "12-11 " needs size 6, "1-0 " size 9 printed and 7 on screen.
        EXPECT_EQ(sizes, (std::map<std::string, int>{{"1-0", printing ? 9 : 7}, {"12-11", 6}}));
    }
}

} // namespace
} // namespace vantorel
