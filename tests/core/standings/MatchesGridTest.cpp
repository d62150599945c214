#include "standings/MatchesGrid.h"

#include <tuple>

#include <gtest/gtest.h>

#include "store/Dates.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

constexpr int kWidth = 1200;
constexpr int kHeight = 900;

// The cell texts drawn, by (home, away) from their positions.
std::map<std::pair<int, int>, std::string> Cells(const RecordingCanvas& canvas, const MatchesGridLayout& m,
                                                 int teams) {
    std::map<std::pair<int, int>, std::string> cells;
    for (const auto& text : canvas.texts) {
        if (text.font.size != 7 && text.font.size != 10)
            continue;
        const int home = (text.y - m.gridTop) / m.cellHeight + 1;
        const int away = (text.x - m.gridLeft) / m.cellWidth + 1;
        if (home >= 1 && home <= teams && away >= 1 && away <= teams && text.x >= m.gridLeft)
            cells[{home, away}] = text.text;
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

} // namespace
} // namespace vantorel
