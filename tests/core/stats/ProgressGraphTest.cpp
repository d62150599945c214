#include "stats/ProgressGraph.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "stats/LeaguePositionText.h"
#include "stats/ProgressPositions.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/SampleSeason.h"
#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;
using testing::RecordingCanvas;

// Boxes drawn with a brush other than the legend's.
std::vector<RecordingCanvas::Box> Bars(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::Box> bars;
    std::copy_if(canvas.boxes.begin(), canvas.boxes.end(), std::back_inserter(bars),
                 [](const auto& box) { return box.brush != kButtonFace; });
    return bars;
}

// Plays fixtures in order until team 1 has played a number of games, the home side winning 1-0.
void PlayUntilTeamOneHas(Division& league, int games) {
    for (int r = 1; r <= league.Header().ResultCount && league.Teams[1].Played < games; ++r)
        PlayFixture(league, r, 1, 0, 40000 + r);
}

TEST(PositionsAfterGames, EqualTheTableAsAtEachGamesDate) {
    auto season = testing::LoadSampleSeason();
    EXPECT_TRUE(SetDeduction(*season, 3, 10));
    // Plain rules, possible points, and head-to-head rules with and without their second pass.
    for (const char* rules : {"153", "16723", "1678R23"}) {
        testing::Edit(*season).Header().SortRules.assignStored(rules);
        for (int team = 1; team <= season->Header().TeamCount; ++team) {
            const std::vector<int> games = TeamGamesByDate(*season, team);
            ASSERT_EQ(static_cast<int>(games.size()), season->Teams[team].Played);
            const std::vector<int> positions = PositionsAfterGames(*season, team, games);
            for (std::size_t g = 0; g < games.size(); ++g) {
                const LeagueTable table =
                    FillTable(*season, {TableContent::PlayedGames, GameSelection::HomeAndAway,
                                        season->Results[games[g]].MatchDate});
                ASSERT_EQ(table.TableOrder[positions[g]], team)
                    << rules << " team " << team << " game " << g + 1;
            }
        }
    }
}

TEST(LeaguePositionText, TopBottomAndOrdinalSuffixes) {
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "Top"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {11, "11th"},  {12, "12th"},
        {13, "13th"}, {21, "21st"}, {22, "22nd"}, {23, "23rd"}, {24, "Bottom"}};
    for (const auto& [position, text] : cases)
        EXPECT_EQ(LeaguePositionText(position, 24), text);
    EXPECT_EQ(PointsText(1), "1pt");
    EXPECT_EQ(PointsText(0), "0pts");
    EXPECT_EQ(PointsText(-2), "-2pts");
}

TEST(ProgressGraph, OneTeamsBarsMarkersAndReadOut) {
    auto league = MakeLeague(4, 2); // 12 fixtures: a season of 6 games a team
    ASSERT_EQ(league->Results[1].HomeTeam, 1);
    PlayFixture(*league, 1, 0, 1, 40001); // team 1 loses: no bar, a marker at the bottom
    testing::Edit(*league).Header().OwnTeam = 1;
    RecordingCanvas canvas;
    const ProgressGraphLayout layout =
        DrawProgressGraph(canvas, *league, {1, 0, 0, 0}, false, kRed, 400, 330);
    // Columns of 380/6 = 63, a scale of 30 points at 10 pixels, positions 72 pixels apart.
    EXPECT_EQ(layout.left, 11);
    EXPECT_EQ(layout.bottom, 315);
    EXPECT_EQ(layout.colWidth, 63);
    EXPECT_TRUE(layout.hoverValid);
    ASSERT_EQ(layout.hover.size(), 1u);
    EXPECT_EQ(layout.hover[0].Position, 4);
    EXPECT_TRUE(Bars(canvas).empty());
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_EQ(canvas.ellipses[0].left, 11 + (63 - 12) / 2);
    EXPECT_EQ(canvas.ellipses[0].top, 315 - 6);
    // 4 position ticks, 30 points ticks and three axes; the legend box is 230 wide.
    EXPECT_EQ(canvas.lines.size(), 3u + 4u + 30u + 4u);
    EXPECT_EQ(canvas.boxes.back().right - canvas.boxes.back().left, 230);
    canvas.TextNamed("League Position");

    EXPECT_EQ(layout.HoverGameAt(11 + 62, 100), 1);
    EXPECT_EQ(layout.HoverGameAt(11 + 63, 100), 0); // no second game yet
    EXPECT_EQ(layout.HoverGameAt(11, 100), 0);
    EXPECT_EQ(layout.HoverGameAt(20, 315), 0);
    EXPECT_EQ(HoverText(*league, layout.hover[0], DateFormat::Default()),
              " " + DateFormat::Default().Format(40001) + " Team 01 0 Team 02 1 (0pts - Bottom) ");

    RecordingCanvas asLines; // one team is drawn as bars whatever the style asked
    EXPECT_EQ(DrawProgressGraph(asLines, *league, {1, 0, 0, 0}, true, kRed, 400, 330).hover.size(), 1u);
    EXPECT_EQ(asLines.lines.size(), canvas.lines.size());
}

TEST(ProgressGraph, ATeamWithoutGamesGetsOnlyAxesTicksAndLegend) {
    auto league = MakeLeague(4, 2);
    RecordingCanvas canvas;
    const ProgressGraphLayout layout =
        DrawProgressGraph(canvas, *league, {2, 0, 0, 0}, false, kRed, 400, 330);
    EXPECT_TRUE(Bars(canvas).empty());
    EXPECT_TRUE(canvas.ellipses.empty());
    EXPECT_EQ(canvas.boxes.size(), 1u);
    EXPECT_EQ(layout.HoverGameAt(50, 50), 0);
}

TEST(ProgressGraph, ADeductionHidesTheFirstBarsButNotTheMarkers) {
    auto league = MakeLeague(4, 2);
    EXPECT_TRUE(SetDeduction(*league, 1, 4));
    for (int r : {1, 7}) // team 1 wins twice: -1 then 2 points
        PlayFixture(*league, r, league->Results[r].HomeTeam == 1 ? 2 : 0,
                    league->Results[r].HomeTeam == 1 ? 0 : 2, 40000 + r);
    ASSERT_EQ(league->Teams[1].Played, 2);
    RecordingCanvas canvas;
    const ProgressGraphLayout layout =
        DrawProgressGraph(canvas, *league, {1, 0, 0, 0}, false, kRed, 400, 330);
    const auto bars = Bars(canvas);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].left, 11 + 63);
    EXPECT_EQ(bars[0].top, 315 - 2 * 10);
    EXPECT_EQ(canvas.ellipses.size(), 2u);
    EXPECT_EQ(layout.hover[0].Points, -1);
    EXPECT_EQ(layout.hover[1].Points, 2);
}

TEST(ProgressGraph, AComparisonOfMoreThanThirtyGamesShowsEveryOtherGameAndTheLast) {
    for (auto [games, bars] : std::vector<std::pair<int, int>>{{30, 30}, {31, 16}, {32, 17}}) {
        auto league = MakeLeague(10, 4);
        PlayUntilTeamOneHas(*league, games);
        ASSERT_EQ(league->Teams[1].Played, games);
        RecordingCanvas canvas;
        DrawProgressGraph(canvas, *league, {1, 2, 0, 0}, false, kRed, 1000, 400);
        const auto drawn = Bars(canvas);
        // Team 1 is drawn first, in blue; team 2 follows in yellow.
        EXPECT_EQ(
            std::count_if(drawn.begin(), drawn.end(), [](const auto& box) { return box.brush == kBlue; }),
            bars)
            << games;
    }
}

TEST(ProgressGraph, TheOwnTeamTakesItsColourAndGivesUpItsSlotColour) {
    auto league = MakeLeague(4, 2);
    testing::Edit(*league).Header().OwnTeam = 3;
    RecordingCanvas canvas;
    DrawProgressGraph(canvas, *league, {1, 2, 3, 0}, true, kYellow, 400, 330);
    // The legend's three colour lines, in slot order: the yellow slot 2 took slot 3's red.
    std::vector<Colour> legend;
    for (const auto& line : canvas.lines)
        if (line.penWidth == 3)
            legend.push_back(line.pen);
    EXPECT_EQ(legend, (std::vector<Colour>{kBlue, kRed, kYellow}));
    EXPECT_EQ(canvas.boxes[0].right - canvas.boxes[0].left, 145);
}

TEST(TeamsForGraph, ComparisonsAddTheSelectedTeamUnlessItIsShown) {
    auto league = MakeLeague(6, 2);
    LeagueTable table = FillTable(*league, {});
    table.TableOrder = {0, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(TeamsForGraph(GraphType::PointsProgress, 2, table), (GraphTeams{2, 0, 0, 0}));
    EXPECT_EQ(TeamsForGraph(GraphType::TopComparison, 2, table), (GraphTeams{6, 5, 4, 2}));
    EXPECT_EQ(TeamsForGraph(GraphType::TopComparison, 5, table), (GraphTeams{6, 5, 4, 0}));
    EXPECT_EQ(TeamsForGraph(GraphType::BottomComparison, 6, table), (GraphTeams{3, 2, 1, 6}));
}

TEST(ProgressGraph, APictureIsOfferedUnderTheTeamsNameAndAlwaysEndsInPng) {
    auto division = testing::MakeLeague(4, 1);
    testing::Edit(*division).Team(2).Name.assignStored("Brighton/Hove: A*");
    EXPECT_EQ(GraphPictureName(*division, 2), "Points Progress for Brighton_Hove_ A_.png");
    EXPECT_EQ(GraphPictureName(*division, 0), "Points Progress.png");
    const std::pair<const char*, const char*> files[] = {{"/leagues/graph", "/leagues/graph.png"},
                                                         {"/leagues/graph.PNG", "/leagues/graph.PNG"},
                                                         {"/leagues/graph.png", "/leagues/graph.png"},
                                                         {"g.jpg", "g.jpg.png"},
                                                         {"", ".png"}};
    for (const auto& [given, saved] : files)
        EXPECT_EQ(WithPngExtension(given), saved) << given;
}

} // namespace
} // namespace vantorel
