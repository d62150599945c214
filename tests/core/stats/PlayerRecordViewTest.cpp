#include "stats/PlayerRecordView.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

// A four-team league with player 1 of team 1 and player 2 of team 2.
std::unique_ptr<Division> LeagueWithPlayers() {
    auto league = testing::MakeLeague(4, 2);
    for (int team : {1, 2}) {
        PlayerRecord player;
        player.Name.assignStored(team == 1 ? "Ann" : "Bob");
        player.Team = static_cast<std::uint8_t>(team);
        EXPECT_TRUE(AddPlayer(*league, player));
    }
    return league;
}

void Score(Division& league, int result, int team, int player, int time, bool ownGoal = false,
           bool penalty = false) {
    ASSERT_TRUE(AddGoal(league, {static_cast<std::uint16_t>(result), static_cast<std::uint16_t>(team),
                                 static_cast<std::uint16_t>(player), static_cast<std::uint16_t>(time),
                                 ownGoal, penalty}));
    if (!ownGoal)
        ++testing::Edit(league).Player(player).Goals;
}

std::array<BarPlace, 9> Places() {
    std::array<BarPlace, 9> places;
    for (int i = 0; i < 9; ++i)
        places[static_cast<std::size_t>(i)] = {20 * i, 16};
    return places;
}

TEST(PlayerRecordView, APlayerWithNothingHasUnknownCautionsAndEmptyBarsWithZeros) {
    auto league = LeagueWithPlayers();
    const PlayerSeason season = PlayerSeasonOf(*league, 1);
    EXPECT_EQ(CautionText(season, season.yellow), "n/a");
    EXPECT_EQ(CautionText(season, season.red), "n/a");
    EXPECT_TRUE(season.matches.empty());
    EXPECT_EQ(PlayerRecordCaption(*league, 1), "Statistics for Ann (Team 01)");

    RecordingCanvas canvas;
    DrawPlayerGoalBars(canvas, 200, Places(), season);
    EXPECT_TRUE(
        std::none_of(canvas.boxes.begin(), canvas.boxes.end(), [](const auto& b) { return b.outlined; }));
    ASSERT_EQ(canvas.texts.size(), 9u);
    for (const auto& text : canvas.texts)
        EXPECT_EQ(text.x, 0);
}

TEST(PlayerRecordView, GoalsAndSquadsMakeOneRowPerMatchNewestFirst) {
    auto league = LeagueWithPlayers();
    const int early = league->FindFixture(1, 2), late = league->FindFixture(3, 1);
    const int sameDay = league->FindFixture(1, 4), benchOnly = league->FindFixture(4, 1);
    testing::PlayFixture(*league, early, 3, 0, 10);
    testing::PlayFixture(*league, late, 0, 2, 20);
    testing::PlayFixture(*league, sameDay, 1, 0, 20);
    testing::PlayFixture(*league, benchOnly, 0, 0, 5);
    Score(*league, early, 1, 1, 0);               // no time: first half
    Score(*league, early, 1, 1, 46, false, true); // a penalty in the second half
    Score(*league, early, 1, 1, 80);
    Score(*league, late, 1, 1, 10);
    Score(*league, sameDay, 1, 1, 15); // a match on the same day, its goal between the others
    Score(*league, late, 1, 1, 50);
    Score(*league, late, 3, 1, 60, true); // an own goal adds no row
    SquadRecord squad;
    squad.Result = static_cast<std::uint16_t>(benchOnly);
    squad.Team = 1;
    squad.Entries[11] = {1, 0, 0, true, true, true}; // sent off for a second yellow
    ASSERT_TRUE(AddSquad(*league, squad));

    const PlayerSeason season = PlayerSeasonOf(*league, 1);
    ASSERT_EQ(season.matches.size(), 4u);
    EXPECT_EQ(season.matches[0].Result, late);
    EXPECT_EQ(season.matches[0].Goals, 2);
    EXPECT_EQ(season.matches[1].Result, sameDay);
    EXPECT_EQ(season.matches[2].Result, early);
    EXPECT_EQ(season.matches[3].Goals, 0);
    EXPECT_EQ(season.totals, (std::array<int, 9>{6, 3, 3, 4, 2, 1, 1, 1, 3}));
    EXPECT_EQ(CautionText(season, season.yellow), "2");
    EXPECT_EQ(CautionText(season, season.red), "1");
    EXPECT_EQ(PlayerMatchCells(*league, season.matches[0], DateFormat::Default())[1], "Team 03 v Team 01");

    // Six goals on 200 less " 99" and 4 (34): units of 27. A hat trick is drawn as long as three goals.
    RecordingCanvas canvas;
    DrawPlayerGoalBars(canvas, 200, Places(), season);
    std::vector<RecordingCanvas::Box> bars;
    for (const auto& box : canvas.boxes)
        if (box.outlined)
            bars.push_back(box);
    ASSERT_EQ(bars.size(), 9u);
    EXPECT_EQ(bars[0].right, 6 * 27);
    EXPECT_EQ(bars[0].brush, kBlue);
    EXPECT_EQ(bars[1].brush, kRed);
    EXPECT_EQ(bars[6].right, 3 * 27); // Hat Tricks: 1
    EXPECT_EQ(bars[6].top, 120);
    EXPECT_EQ(canvas.TextNamed("6").x, 6 * 27 + 4);
}

TEST(PlayerRecordView, MatchColumnsGiveTheTeamsFiveSevenths) {
    EXPECT_EQ(PlayerMatchColumnWidths(300, 1, 16, true), (std::vector<int>{42, 212, 42}));
    EXPECT_EQ(PlayerMatchColumnWidths(300, 1, 16, false), (std::vector<int>{40, 200, 40}));
    EXPECT_EQ(PlayerMatchColumnWidths(300, 1, 16, true, 60), (std::vector<int>{60, 194, 42}));
}

} // namespace
} // namespace vantorel
