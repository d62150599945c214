#include "standings/TableCellDrawing.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

TEST(TableCellDrawing, HeadingsCentredMarksAsArrowsNamesLeftNumbersRight) {
    auto league = testing::MakeLeague(4, 1);
    testing::Edit(*league).Header().RelegateCount = 1;
    testing::Edit(*league).Header().OwnTeam = 4;
    const LeagueTable table = FillTable(*league, {});
    const Settings settings;
    const HeadingColours headings{0xF0F0F0, 0x000000};

    RecordingCanvas canvas; // 10 units a character
    DrawTableCell(canvas, 100, 20, 160, 40, 0, 2, "P", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.boxes.back().brush, 0xF0F0F0u);
    EXPECT_EQ(canvas.texts.back().x, 100 + (60 - 10) / 2);
    EXPECT_EQ(canvas.texts.back().y, 22);

    DrawTableCell(canvas, 0, 80, 40, 100, 4, 0, "D", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.boxes.back().brush, settings.Colour3);
    ASSERT_EQ(canvas.bitmaps.size(), 1u);
    EXPECT_EQ(canvas.bitmaps[0].name, kDownArrowBitmap);
    EXPECT_EQ(canvas.bitmaps[0].x, 1);

    DrawTableCell(canvas, 0, 80, 40, 100, 4, 0, "4", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.texts.back().x, 40 - 10 - 3);

    DrawTableCell(canvas, 40, 80, 200, 100, 4, 1, "Team 04", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.texts.back().x, 42);
    EXPECT_EQ(canvas.texts.back().y, 82);
    EXPECT_EQ(canvas.texts.back().font.colour, settings.Colour4); // the own team is last: team 4

    DrawTableCell(canvas, 200, 20, 240, 40, 1, 9, "-12", league->Header(), table, settings, headings);
    EXPECT_EQ(canvas.texts.back().x, 240 - 30 - 3);
    EXPECT_EQ(canvas.texts.back().font.colour, kBlack);
    EXPECT_EQ(canvas.boxes.back().brush, kWhite);
}

} // namespace
} // namespace vantorel
