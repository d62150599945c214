#include "stats/TeamStats.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "players/Squads.h"
#include "results/ResultEntry.h"
#include "stats/LeaguePositionText.h"
#include "stats/PointsGraph.h"
#include "stats/ProgressGraph.h"
#include "stats/ProgressPositions.h"
#include "stats/TeamStatsGrids.h"
#include "stats/TeamSummaryPrintout.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/SampleSeason.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;
using testing::RecordingCanvas;
using Texts = std::vector<std::string>;
using namespace std::string_literals;

// Team 1's season in an eight-team league meeting four times, one game a day from day 100: a letter per
// game ("W" 2-0, "D" 1-1, "L" 0-1 for team 1), given newest first, and its venue ("H" home, "A" away; home
// when not given). Opponents rotate over teams 2..8.
std::unique_ptr<Division> TeamOneSeason(const std::string& newestFirst, const std::string& venues = "") {
    auto league = MakeLeague(8, 4);
    const int games = static_cast<int>(newestFirst.size());
    for (int k = 0; k < games; ++k) { // k = 0 is the oldest
        const char result = newestFirst[games - 1 - k];
        const bool home = venues.empty() || venues[games - 1 - k] == 'H';
        const int opponent = 2 + k % 7;
        const int forGoals = result == 'W' ? 2 : result == 'D' ? 1 : 0, againstGoals = result == 'W' ? 0 : 1;
        PlayFixture(*league, home ? league->FindFixture(1, opponent) : league->FindFixture(opponent, 1),
                    home ? forGoals : againstGoals, home ? againstGoals : forGoals, 100 + k);
    }
    return league;
}

// Plays the first open meeting of two teams on a day and returns its fixture.
int Play(Division& league, int home, int away, int homeGoals, int awayGoals, double day) {
    const int r = league.FindFixture(home, away);
    PlayFixture(league, r, homeGoals, awayGoals, day);
    return r;
}

// The boxes drawn filled and outlined, or on the progress graph those not in the legend's colour.
std::vector<RecordingCanvas::Box> Bars(const RecordingCanvas& canvas, bool progressGraph = false) {
    std::vector<RecordingCanvas::Box> bars;
    std::copy_if(canvas.boxes.begin(), canvas.boxes.end(), std::back_inserter(bars), [&](const auto& box) {
        return progressGraph ? box.brush != kButtonFace : box.filled && box.outlined;
    });
    return bars;
}

int CountTexts(const RecordingCanvas& canvas, const std::string& text) {
    return static_cast<int>(std::count_if(canvas.texts.begin(), canvas.texts.end(),
                                          [&](const auto& t) { return t.text == text; }));
}

// Team 2 of a league where nothing is played, on the page, the points graph, the printout and the
// progress graph.
TEST(TeamStats, ATeamWithoutGamesShowsZerosAndEmptyNamesAndGetsAxesOnly) {
    auto league = MakeLeague(4, 2);
    const TeamStatistics stats = TeamStats(*league, 2);
    const TeamStatsTexts t = TeamStatsLabels(*league, stats);
    EXPECT_TRUE(stats.games.empty());
    EXPECT_EQ(Texts({t.points, t.played, t.goals, t.won, t.drawn, t.lost, t.deducted, t.attHigh, t.attLow,
                     t.attAverage}),
              Texts(10, "0"));
    EXPECT_EQ(Texts({t.hfHome, t.hfHomeTeam, t.hfAway, t.hfAwayTeam, t.haHome, t.haHomeTeam, t.haAway,
                     t.haAwayTeam, t.hForm, t.aForm, t.formSummary}),
              Texts(11, ""));
    EXPECT_EQ(Texts({t.totalClean, t.homeClean, t.awayClean}), Texts(3, "n/a"));

    RecordingCanvas points, none, printout, progress;
    DrawPointsGraph(points, 120, 60, *league, stats); // axes of the full width
    ASSERT_EQ(points.lines.size(), 2u);
    EXPECT_EQ(std::tuple(points.lines[0].y2, points.lines[1].x2, points.boxes.size()),
              std::tuple(59, 120, 0u));
    DrawPointsGraph(none, 120, 60, *league, TeamStatistics{}); // no team: nothing
    EXPECT_TRUE(none.lines.empty());

    EXPECT_FALSE(
        PrintTeamSummary(printout, 2000, 3000, *league, stats, DateFormat::Default(), "06/12/2026", 0));
    EXPECT_EQ(std::tuple(printout.texts[0].text, printout.texts[0].font.name, printout.texts[1].x),
              std::tuple("Test League - Team 02", "Arial", 2000 - 20 - 10 * 16));
    EXPECT_EQ(printout.TextNamed("Played:").font.size, 10);
    EXPECT_EQ(std::tuple(CountTexts(printout, "0"), CountTexts(printout, "    Home : 0 ()")),
              std::tuple(7, 2));
    EXPECT_EQ(printout.texts.back().text, "    Home:   Away: ");
    EXPECT_TRUE(printout.boxes.empty());
    // A row's pairs take sixths of the width inside the margins, values ending a quarter sixth early.
    const auto& won = printout.TextNamed("Won:"); // its value is drawn next
    EXPECT_EQ(std::tuple(won.x, (&won)[1].x), std::tuple(40 + 320, 40 + 2 * 320 - 320 / 4 - 10));

    const ProgressGraphLayout layout =
        DrawProgressGraph(progress, *league, {2, 0, 0, 0}, false, kRed, 400, 330);
    EXPECT_EQ(std::tuple(Bars(progress, true).size(), progress.ellipses.size(), progress.boxes.size(),
                         layout.HoverGameAt(50, 50)),
              std::tuple(0u, 0u, 1u, 0)); // only the axes, ticks and legend
}

// Record order breaks two ties: of games on one date the lower record counts as the more recent, and of
// equal highest scores the lower record names its opponent, though played after the other.
TEST(TeamStats, TheLowerRecordIsTheMoreRecentOnADateAndNamesAnEqualHighestScore) {
    auto league = MakeLeague(4, 2);
    const int day10 = Play(*league, 1, 3, 4, 0, 10), won = Play(*league, 1, 2, 4, 2, 50);
    const int lost = Play(*league, 1, 4, 0, 1, 50);
    ASSERT_LT(won, day10);
    ASSERT_LT(won, lost);
    const TeamStatistics stats = TeamStats(*league, 1);
    EXPECT_EQ(stats.games, (std::vector<int>{won, lost, day10}));
    const TeamStatsTexts t = TeamStatsLabels(*league, stats);
    EXPECT_EQ(Texts({t.hfHome, t.hfHomeTeam, t.haHome, t.hForm, t.homeClean, t.awayClean}),
              Texts({"4", "Team 02", "2", "WLW", "1 (33%)", "n/a"})); // the form runs oldest first
}

TEST(TeamStats, TheFirstFormRuleThatHoldsNamesTheForm) {
    // In "WDLDWL" the wins at positions 1 and 5 leave only four games with one win.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"WWW", "", ""},
        {"DDLD", "", "Not won yet this season"},
        {"LLLW", "", "Lost last 3"},
        {"LLLLW", "", "Lost last 4"},
        {"DLDLDW", "", "Not won for 5 matches"},
        {"WWWL", "", "Won last 3"},
        {"WWDDW", "", "Unbeaten in 5"},
        {"DWLDL", "", "One win in 5"},
        {"WDLDWL", "", "One loss in 5"},
        {"WLWD", "HAHA", "Not won away"},
        {"WWLW", "HAAH", "Won all home matches"},
        {"WDLD", "AAAA", "Unbeaten at home"},
        {"WLWL", "AHAH", ""}};
    for (auto [newestFirst, venues, phrase] : cases)
        EXPECT_EQ(TeamStats(*TeamOneSeason(newestFirst, venues), 1).formSummary, phrase)
            << newestFirst << " " << venues;
}

TEST(TeamStats, AttendancesCountHomeGamesWithACrowdAndShowOneComma) {
    auto league = MakeLeague(4, 2);
    for (const auto& [home, away, crowd] :
         {std::tuple{1, 2, 1234567}, {1, 3, 950}, {1, 4, 0}, {2, 1, 5000000}})
        testing::Edit(*league).Result(Play(*league, home, away, 1, 0, home + away)).Attendance = crowd;
    const TeamStatsTexts t = TeamStatsLabels(*league, TeamStats(*league, 1));
    // The average is (1234567 + 950) div 2: the game without a crowd is left out.
    EXPECT_EQ(Texts({t.attHigh, t.attLow, t.attAverage}), Texts({"1234,567", "950", "617,758"}));
    // A team whose every crowd is in the millions has one of them as its lowest too.
    EXPECT_EQ(TeamStatsLabels(*league, TeamStats(*league, 2)).attLow, "5000,000");
}

TEST(TeamStats, PlayersCountAppearancesOnThePitchAndEveryKindOfGoal) {
    auto league = MakeLeague(4, 2);
    for (const char* name : {"Zed", "Abe", "Gone"})
        ASSERT_TRUE(AddPlayer(*league, PlayerRecord{ShortString<20>(name), 1, 0}));
    testing::Edit(*league).Player(3).Team = 5; // Transferred-Out
    const int match = league->FindFixture(2, 1);
    PlayFixture(*league, match, 1, 2, 10);
    // Team 1's away squad: Zed plays, Abe is an unused substitute, Gone plays.
    ASSERT_TRUE(SaveSquad(*league, match, 1,
                          SquadLines{{{1, 0, 90, false, false, false},
                                      {2, 0, 0, false, false, false},
                                      {3, 0, 90, false, false, false}}}));
    const auto m = static_cast<std::uint16_t>(match);
    ASSERT_TRUE(AddGoal(*league, {m, 1, 2, 30, false, true}));
    ASSERT_TRUE(AddGoal(*league, {m, 1, 2, 60, false, false}));
    ASSERT_TRUE(AddGoal(*league, {m, 2, 1, 70, true, false}));

    TeamStatistics stats = TeamStats(*league, 1);
    ASSERT_EQ(stats.players.size(), 2u);
    SortTeamPlayers(*league, stats.players, 1);
    EXPECT_EQ(TeamPlayerCells(*league, stats.players[0]), (Texts{"Abe", "", "2", "1", "0"}));
    EXPECT_EQ(TeamPlayerCells(*league, stats.players[1]), (Texts{"Zed", "1", "0", "0", "1"}));
    SortTeamPlayers(*league, stats.players, 5);
    EXPECT_EQ(stats.players[0].Player, 1);
}

TEST(TeamStats, SampleSeasonMatchesFiguresWorkedOutFromTheResults) {
    auto season = testing::LoadSampleSeason();
    const TeamStatsTexts c = TeamStatsLabels(*season, TeamStats(*season, season->FindTeam("Chelsea")));
    EXPECT_EQ(
        Texts({c.points, c.goals, c.won, c.drawn, c.lost, c.hfHome, c.hfHomeTeam, c.hfAway, c.hfAwayTeam,
               c.haAway, c.haAwayTeam, c.hForm, c.aForm, c.formSummary, c.totalClean, c.homeClean}),
        Texts({"91", "72", "29", "4", "5", "5", "Bolton Wanderers", "4", "Liverpool", "3", "Middlesbrough",
               "WWWWW", "LDWLL", "Unbeaten at home", "20 (52%)", "12 (63%)"}));
    const TeamStatsTexts s = TeamStatsLabels(*season, TeamStats(*season, season->FindTeam("Sunderland")));
    // A home defeat by 4 came twice: the fixture list decides which opponent is named.
    EXPECT_EQ(Texts({s.won, s.drawn, s.lost, s.goals, s.haHome, s.formSummary, s.totalClean, s.awayClean}),
              Texts({"3", "6", "29", "26", "4", "One win in 16", "4 (10%)", "3 (15%)"}));
}

TEST(TeamGamesGrid, OppositionKeepsItsOrderOnASecondClickAndFReversesThenReturns) {
    auto league = MakeLeague(4, 2);
    const int day10 = Play(*league, 3, 1, 0, 2, 10), day11 = Play(*league, 1, 2, 1, 0, 11);
    const int day12 = Play(*league, 1, 3, 3, 1, 12), day13 = Play(*league, 2, 1, 1, 2, 13);
    std::vector<int> order = TeamStats(*league, 1).games;
    int key = 1;
    // Clicks a heading and gives the games' opposition cells and venues ("02H 02A ...") or goals for.
    const auto click = [&](int heading, bool opposition = false) {
        key = NextGamesSortKey(key, heading);
        SortTeamGames(*league, 1, order, key);
        std::string text;
        for (const int r : order) {
            const Texts cells = TeamGameCells(*league, 1, r, DateFormat::Default());
            text += opposition ? cells[3].substr(5) + cells[2] + " " : cells[4];
        }
        return text;
    };
    EXPECT_EQ(click(4, true), "02H 02A 03H 03A ");
    EXPECT_EQ((std::pair{click(4, true), key}),
              std::pair("02H 02A 03H 03A "s, 10)); // braces: click, then key
    EXPECT_EQ(click(5), "3221");
    EXPECT_EQ(std::pair(order[1], order[2]), std::pair(day10, day13)); // equal goals: the older game first
    EXPECT_EQ(click(5), "1223");
    EXPECT_EQ((std::pair{click(5), key}), std::pair("3221"s, 5));

    for (const auto& [result, crowd] : {std::pair{day10, 300}, {day11, 100}, {day12, 400}, {day13, 200}})
        testing::Edit(*league).Result(result).Attendance = crowd;
    click(2); // the smallest crowd first
    EXPECT_EQ(order, (std::vector<int>{day11, day13, day10, day12}));
}

TEST(TeamGamesGrid, OnlyTheOwnTeamsExactNameTakesTheOwnTeamColour) {
    auto league = MakeLeague(4, 2);
    Settings settings;
    settings.Colour4 = 0x123456;
    EXPECT_EQ(OppositionColour(*league, settings, "Team 02"), kBlack); // no own team
    testing::Edit(*league).Header().OwnTeam = 2;
    EXPECT_EQ(OppositionColour(*league, settings, "Team 02"), 0x123456u);
    EXPECT_EQ(OppositionColour(*league, settings, "Team 0"), kBlack);
    EXPECT_EQ(AlignedTextX(GamesColumnAlignment(2), 100, 140, 10), 115);
    EXPECT_EQ(AlignedTextX(GamesColumnAlignment(4), 100, 140, 10), 126);
}

TEST(TeamGamesGrid, RemaindersOfTheWidthGoToOppositionAndPlayer) {
    // 400 less a scroll bar of 16 and ten lines leaves 374: units of 19 and 62.
    EXPECT_EQ(GamesColumnWidths(400, 1, 16), (std::vector<int>{57, 57, 38, 184, 19, 19}));
    EXPECT_EQ(TeamPlayersColumnWidths(400, 1, 16), (std::vector<int>{126, 62, 62, 62, 62}));
}

// Team 1 wins its three home games on days 1..3 (2-1, 12-1, 2-1) with three points deducted.
std::unique_ptr<Division> DeductedWinner() {
    auto league = MakeLeague(4, 2);
    EXPECT_TRUE(SetDeduction(*league, 1, 3));
    for (int opponent = 2; opponent <= 4; ++opponent)
        PlayFixture(*league, league->FindFixture(1, opponent), opponent == 3 ? 12 : 2, 1, opponent - 1);
    return league;
}

TEST(PointsGraph, BarsRunOldestGameFirstAndStartOnceThePointsEarnedExceedTheDeduction) {
    auto league = DeductedWinner();
    PlayFixture(*league, league->FindFixture(2, 1), 1, 0, 4); // then a defeat
    RecordingCanvas canvas;
    DrawPointsGraph(canvas, 130, 60, *league, TeamStats(*league, 1));
    // Six points at most: columns of 32 centred (left 1), 10 pixels a point.
    const auto bars = Bars(canvas);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(canvas.lines[1].x2, 1 + 4 * 32);
    EXPECT_EQ(std::tuple(bars[0].left, bars[0].top), std::tuple(1 + 32, 60 - 30));
    EXPECT_EQ(std::tuple(bars[1].top, bars[1].brush), std::tuple(0, kBlue));
    EXPECT_EQ(std::tuple(bars[2].left, bars[2].top, bars[2].brush), std::tuple(1 + 3 * 32, 0, kRed));
}

TEST(PointsGraph, ALeaderWithMorePointsThanTheBoxIsHighStillGetsBarsInProportion) {
    auto league = testing::MakeLargestLeague();
    RecordingCanvas canvas;
    DrawPointsGraph(canvas, 60, 50, *league, TeamStats(*league, 1));
    const auto bars = Bars(canvas);
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(std::tuple(canvas.lines[1].x2, bars.back().right), std::tuple(60, 60));
    int most = 0;
    for (int t = 1; t <= league->Header().TeamCount; ++t)
        most = std::max<int>(most, league->Teams[t].Points);
    ASSERT_GT(most, 50);
    EXPECT_EQ(bars.back().top, 50 - 50 * league->Teams[1].Points / most);
}

TEST(TeamSummaryPrintout, LongNamesTakeASmallerHeadingThatEndsBeforeTheDate) {
    auto league = MakeLeague(4, 2);
    testing::Edit(*league).Header().TableName.assignStored(std::string(30, 'L'));
    testing::Edit(*league).Team(2).Name.assignStored(std::string(30, 'T'));
    RecordingCanvas canvas;
    PrintTeamSummary(canvas, 1100, 3000, *league, TeamStats(*league, 2), DateFormat::Default(), "06/12/2026",
                     0);
    const auto &title = canvas.texts[0], &date = canvas.texts[1];
    EXPECT_EQ(title.font.size, date.font.size);
    EXPECT_LT(title.font.size, 16);
    EXPECT_LE(title.x + 63 * title.font.size, date.x) << "63 characters of title and a gap of two";
    EXPECT_EQ(date.x + 10 * date.font.size, 1100 - 20);
}

// On a page 900 wide, 30 letters (300 units) of each name would put the away team at 520 and leave the bars
// 30 units: the names are cut to 27 letters, the away team at 490 and the bars get 90, a tenth of the page.
// The highest scores keep to their halves: the home one ends two spaces before the middle at 450, the away
// one at the margin.
TEST(TeamSummaryPrintout, LongNamesAreCutToLeaveTheAwayTeamAndTheBarsOnThePage) {
    auto league = MakeLeague(4, 2);
    testing::Edit(*league).Team(1).Name.assignStored(std::string(30, 'H'));
    testing::Edit(*league).Team(2).Name.assignStored(std::string(30, 'A'));
    PlayFixture(*league, league->FindFixture(1, 2), 1, 0, 4);
    PlayFixture(*league, league->FindFixture(2, 1), 0, 1, 5);
    RecordingCanvas canvas;
    PrintTeamSummary(canvas, 900, 3000, *league, TeamStats(*league, 1), DateFormat::Default(), "x", 0);
    const int date = 40 + 11 * 10; // "dd/MM/yyyy" and "W"
    const auto& away = canvas.TextNamed(std::string(27, 'A'));
    EXPECT_EQ(std::tuple(canvas.TextNamed(std::string(27, 'H')).x, away.x),
              std::tuple(date, date + 280 + 60));
    const auto bars = Bars(canvas);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(std::tuple(bars[0].left, bars[1].right), std::tuple(away.x + 280, 900 - 40));
    EXPECT_EQ(canvas.TextNamed("    Home : 1 (" + std::string(25, 'A')).x, 40);
    EXPECT_EQ(canvas.TextNamed("Away : 1 (" + std::string(30, 'A') + ")").x, 450); // just fits
}

TEST(TeamSummaryPrintout, GamesRunOldestFirstWithScoresAndPointsBars) {
    auto league = DeductedWinner();
    PlayFixture(*league, league->FindFixture(2, 1), 1, 1, 4); // then a draw and a defeat
    PlayFixture(*league, league->FindFixture(3, 1), 1, 0, 5);
    RecordingCanvas canvas;
    PrintTeamSummary(canvas, 2000, 3000, *league, TeamStats(*league, 1), DateFormat::Default(), "x", 0);
    EXPECT_LT(canvas.TextNamed(" 2-1").y, canvas.TextNamed("12-1").y);
    const auto bars = Bars(canvas);
    ASSERT_EQ(bars.size(), 4u); // the first win only pays off the deduction
    EXPECT_EQ(bars[0].top, canvas.TextNamed("12-1").y);
    EXPECT_EQ(bars[1].right - bars[1].left, 2 * (bars[0].right - bars[0].left));
    EXPECT_EQ(bars[2].right - bars[2].left,
              bars[1].right - bars[1].left + (bars[0].right - bars[0].left) / 3);
    // Each bar in the colour of its game's outcome.
    EXPECT_EQ(std::vector({bars[0].brush, bars[1].brush, bars[2].brush, bars[3].brush}),
              std::vector({kBlue, kBlue, kWhite, kRed}));
}

TEST(TeamSummaryPrintout, GamesThatDoNotFitContinueOnPagesWithColumnHeadings) {
    auto league = testing::MakeLargestLeague();
    const TeamStatistics stats = TeamStats(*league, 1);
    ASSERT_EQ(stats.games.size(), 92u);
    int printedGames = 0, page = 0;
    for (bool more = true; more && page < 10; ++page) {
        RecordingCanvas canvas;
        more = PrintTeamSummary(canvas, 2000, 1200, *league, stats, DateFormat::Default(), "x", page);
        for (const auto& text : canvas.texts) {
            printedGames += text.x == 40 + 11 * 10 && text.text.starts_with("Team"); // after the date and "W"
            EXPECT_LE(text.y + 20, 1200 - 20) << text.text;
        }
        EXPECT_EQ(page > 0, CountTexts(canvas, "Points") > 0);
    }
    EXPECT_EQ(std::pair(page, printedGames), std::pair(3, 92));
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
    EXPECT_EQ(std::tuple(PointsText(1), PointsText(0), PointsText(-2)), std::tuple("1pt", "0pts", "-2pts"));
}

TEST(ProgressGraph, OneTeamsBarsMarkersAndReadOut) {
    auto league = MakeLeague(4, 2);   // 12 fixtures: a season of 6 games a team
    Play(*league, 1, 2, 0, 1, 40001); // team 1 loses: no bar, a marker at the bottom
    testing::Edit(*league).Header().OwnTeam = 1;
    RecordingCanvas canvas;
    const ProgressGraphLayout layout =
        DrawProgressGraph(canvas, *league, {1, 0, 0, 0}, false, kRed, 400, 330);
    // Columns of 380/6 = 63, a scale of 30 points at 10 pixels, positions 72 pixels apart.
    EXPECT_EQ(std::tuple(layout.left, layout.bottom, layout.colWidth, layout.hoverValid),
              std::tuple(11, 315, 63, true));
    ASSERT_EQ(layout.hover.size(), 1u);
    EXPECT_EQ(layout.hover[0].Position, 4);
    EXPECT_TRUE(Bars(canvas, true).empty());
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_EQ(std::tuple(canvas.ellipses[0].left, canvas.ellipses[0].top),
              std::tuple(11 + (63 - 12) / 2, 315 - 6));
    // 4 position ticks, 30 points ticks and three axes; the legend box is 230 wide.
    EXPECT_EQ(canvas.lines.size(), 3u + 4u + 30u + 4u);
    EXPECT_EQ(canvas.boxes.back().right - canvas.boxes.back().left, 230);
    canvas.TextNamed("League Position");

    // No second game yet, and no game at the left axis or on the bottom one.
    EXPECT_EQ(std::tuple(layout.HoverGameAt(11 + 62, 100), layout.HoverGameAt(11 + 63, 100),
                         layout.HoverGameAt(11, 100), layout.HoverGameAt(20, 315)),
              std::tuple(1, 0, 0, 0));
    EXPECT_EQ(HoverText(*league, layout.hover[0], DateFormat::Default()),
              " " + DateFormat::Default().Format(40001) + " Team 01 0 Team 02 1 (0pts - Bottom) ");

    RecordingCanvas asLines; // one team is drawn as bars whatever the style asked
    EXPECT_EQ(DrawProgressGraph(asLines, *league, {1, 0, 0, 0}, true, kRed, 400, 330).hover.size(), 1u);
    EXPECT_EQ(asLines.lines.size(), canvas.lines.size());
}

TEST(ProgressGraph, ADeductionHidesTheFirstBarsButNotTheMarkers) {
    auto league = MakeLeague(4, 2);
    EXPECT_TRUE(SetDeduction(*league, 1, 4));
    Play(*league, 1, 2, 2, 0, 40001); // team 1 wins twice: -1 then 2 points
    Play(*league, 3, 1, 0, 2, 40007);
    RecordingCanvas canvas;
    const ProgressGraphLayout layout =
        DrawProgressGraph(canvas, *league, {1, 0, 0, 0}, false, kRed, 400, 330);
    const auto bars = Bars(canvas, true);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(std::tuple(bars[0].left, bars[0].top, canvas.ellipses.size()),
              std::tuple(11 + 63, 315 - 2 * 10, 2u));
    ASSERT_EQ(layout.hover.size(), 2u);
    EXPECT_EQ(std::tuple(layout.hover[0].Points, layout.hover[1].Points), std::tuple(-1, 2));
}

TEST(ProgressGraph, AComparisonOfMoreThanThirtyGamesShowsEveryOtherGameAndTheLast) {
    for (auto [games, bars] : std::vector<std::pair<int, int>>{{30, 30}, {31, 16}, {32, 17}}) {
        auto league = MakeLeague(10, 4);
        // Fixtures in order, the home side winning 1-0, until team 1 has played the games.
        for (int r = 1; r <= league->Header().ResultCount && league->Teams[1].Played < games; ++r)
            PlayFixture(*league, r, 1, 0, 40000 + r);
        ASSERT_EQ(league->Teams[1].Played, games);
        RecordingCanvas canvas;
        DrawProgressGraph(canvas, *league, {1, 2, 0, 0}, false, kRed, 1000, 400);
        const auto drawn = Bars(canvas, true);
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
