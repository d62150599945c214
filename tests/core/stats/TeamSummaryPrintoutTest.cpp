#include "stats/TeamSummaryPrintout.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "stats/PointsGraph.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

std::vector<RecordingCanvas::Box> Bars(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::Box> bars;
    std::copy_if(canvas.boxes.begin(), canvas.boxes.end(), std::back_inserter(bars),
                 [](const auto& box) { return box.filled && box.outlined; });
    return bars;
}

// Team 1 wins its three home games on days 1..3 with three points deducted.
std::unique_ptr<Division> DeductedWinner() {
    auto league = testing::MakeLeague(4, 2);
    EXPECT_TRUE(SetDeduction(*league, 1, 3));
    for (int opponent = 2; opponent <= 4; ++opponent)
        testing::PlayFixture(*league, league->FindFixture(1, opponent), opponent == 3 ? 12 : 2, 1,
                             opponent - 1);
    return league;
}

TEST(PointsGraph, ATeamWithoutPointsGetsFullWidthAxesOnlyAndNoTeamNothing) {
    auto league = testing::MakeLeague(4, 2);
    RecordingCanvas canvas;
    DrawPointsGraph(canvas, 120, 60, *league, TeamStats(*league, 2));
    ASSERT_EQ(canvas.lines.size(), 2u);
    EXPECT_EQ(canvas.lines[0].y2, 59);
    EXPECT_EQ(canvas.lines[1].x2, 120);
    EXPECT_TRUE(canvas.boxes.empty());

    RecordingCanvas none;
    DrawPointsGraph(none, 120, 60, *league, TeamStatistics{});
    EXPECT_TRUE(none.lines.empty());
}

TEST(PointsGraph, BarsRunOldestGameFirstAndStartOnceThePointsEarnedExceedTheDeduction) {
    auto league = DeductedWinner();
    testing::PlayFixture(*league, league->FindFixture(2, 1), 1, 0, 4); // then a defeat
    RecordingCanvas canvas;
    DrawPointsGraph(canvas, 130, 60, *league, TeamStats(*league, 1));
    // Six points at most: columns of 32 centred (left 1), 10 pixels a point.
    const auto bars = Bars(canvas);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(canvas.lines[1].x2, 1 + 4 * 32);
    EXPECT_EQ(bars[0].left, 1 + 32);
    EXPECT_EQ(bars[0].top, 60 - 30);
    EXPECT_EQ(std::tuple(bars[1].top, bars[1].brush), std::tuple(0, kBlue));
    EXPECT_EQ(std::tuple(bars[2].left, bars[2].top, bars[2].brush), std::tuple(1 + 3 * 32, 0, kRed));
}

TEST(PointsGraph, ALeaderWithMorePointsThanTheBoxIsHighStillGetsBarsInProportion) {
    auto league = testing::MakeLargestLeague();
    const TeamStatistics stats = TeamStats(*league, 1);
    RecordingCanvas canvas;
    DrawPointsGraph(canvas, 60, 50, *league, stats);
    const auto bars = Bars(canvas);
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(canvas.lines[1].x2, 60);
    EXPECT_EQ(bars.back().right, 60);
    int most = 0;
    for (int t = 1; t <= league->Header().TeamCount; ++t)
        most = std::max<int>(most, league->Teams[t].Points);
    ASSERT_GT(most, 50);
    EXPECT_EQ(bars.back().top, 50 - 50 * league->Teams[1].Points / most);
}

TEST(TeamSummaryPrintout, ATeamWithoutGamesPrintsZerosAndEmptyNames) {
    auto league = testing::MakeLeague(4, 2);
    RecordingCanvas canvas;
    EXPECT_FALSE(PrintTeamSummary(canvas, 2000, 3000, *league, TeamStats(*league, 2), DateFormat::Default(),
                                  "06/12/2026", 0));
    EXPECT_EQ(canvas.texts[0].text, "Test League - Team 02");
    EXPECT_EQ(canvas.texts[0].font.name, "Arial");
    EXPECT_EQ(canvas.texts[1].x, 2000 - 20 - 10 * 16);
    EXPECT_EQ(canvas.TextNamed("Played:").font.size, 10);
    const auto zeros =
        std::count_if(canvas.texts.begin(), canvas.texts.end(), [](const auto& t) { return t.text == "0"; });
    EXPECT_EQ(zeros, 7);
    EXPECT_EQ(std::count_if(canvas.texts.begin(), canvas.texts.end(),
                            [](const auto& t) { return t.text == "    Home : 0 ()"; }),
              2);
    EXPECT_EQ(canvas.texts.back().text, "    Home:   Away: ");
    EXPECT_TRUE(canvas.boxes.empty());
    // A row's pairs take sixths of the width inside the margins, values ending a quarter sixth early.
    EXPECT_EQ(canvas.TextNamed("Won:").x, 40 + 320);
}

TEST(TeamSummaryPrintout, LongNamesTakeASmallerHeadingThatEndsBeforeTheDate) {
    auto league = testing::MakeLeague(4, 2);
    testing::Edit(*league).Header().TableName.assignStored(std::string(30, 'L'));
    testing::Edit(*league).Team(2).Name.assignStored(std::string(30, 'T'));
    RecordingCanvas canvas;
    PrintTeamSummary(canvas, 1100, 3000, *league, TeamStats(*league, 2), DateFormat::Default(), "06/12/2026",
                     0);
    const auto& title = canvas.texts[0];
    const auto& date = canvas.texts[1];
    EXPECT_EQ(title.font.size, date.font.size);
    EXPECT_LT(title.font.size, 16);
    EXPECT_LE(title.x + 63 * title.font.size, date.x) << "63 characters of title and a gap of two";
    EXPECT_EQ(date.x + 10 * date.font.size, 1100 - 20);
}

TEST(TeamSummaryPrintout, GamesRunOldestFirstWithScoresAndPointsBars) {
    auto league = DeductedWinner();
    RecordingCanvas canvas;
    PrintTeamSummary(canvas, 2000, 3000, *league, TeamStats(*league, 1), DateFormat::Default(), "x", 0);
    const auto& first = canvas.TextNamed(" 2-1");
    EXPECT_LT(first.y, canvas.TextNamed("12-1").y);
    const auto bars = Bars(canvas);
    ASSERT_EQ(bars.size(), 2u); // the first win only pays off the deduction
    EXPECT_EQ(bars[0].top, canvas.TextNamed("12-1").y);
    EXPECT_EQ(bars[1].right - bars[1].left, 2 * (bars[0].right - bars[0].left));
}

TEST(TeamSummaryPrintout, GamesThatDoNotFitContinueOnPagesWithColumnHeadings) {
    auto league = testing::MakeLargestLeague();
    const TeamStatistics stats = TeamStats(*league, 1);
    ASSERT_EQ(stats.games.size(), 92u);
    int printedGames = 0, page = 0;
    bool more = true;
    for (; more && page < 10; ++page) {
        RecordingCanvas canvas;
        more = PrintTeamSummary(canvas, 2000, 1200, *league, stats, DateFormat::Default(), "x", page);
        const int left = 40 + 11 * 10; // after "dd/MM/yyyy" and "W"
        for (const auto& text : canvas.texts) {
            if (text.x == left && text.text.starts_with("Team"))
                ++printedGames;
            EXPECT_LE(text.y + 20, 1200 - 20) << text.text;
        }
        EXPECT_EQ(page > 0, std::any_of(canvas.texts.begin(), canvas.texts.end(),
                                        [](const auto& t) { return t.text == "Points"; }));
    }
    EXPECT_EQ(page, 3);
    EXPECT_EQ(printedGames, 92);
}

} // namespace
} // namespace vantorel
