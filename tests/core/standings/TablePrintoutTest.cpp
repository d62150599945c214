#include "standings/TablePrintout.h"

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

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
    ASSERT_EQ(input.headings.size(), 16u);
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
    const auto& home = canvas.TextNamed("Home");
    EXPECT_EQ(std::tuple(home.x, home.y), std::tuple(240 + 640 + 2 * 85 + (5 * 85 - 40) / 2, top - 75));
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

} // namespace
} // namespace vantorel
