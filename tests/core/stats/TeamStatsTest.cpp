#include "stats/TeamStats.h"

#include <gtest/gtest.h>

#include "results/ResultEntry.h"
#include "stats/TeamStatsGrids.h"
#include "support/LeagueMaker.h"
#include "support/SampleSeason.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

// Team 1's season in an eight-team league meeting four times, one game a day from day 100: a letter per
// game ("W" 2-0, "D" 1-1, "L" 0-1 for team 1), given newest first, and its venue ("H" home, "A" away; home
// when not given). Opponents rotate over teams 2..8.
std::unique_ptr<Division> TeamOneSeason(const std::string& newestFirst, const std::string& venues = "") {
    auto league = MakeLeague(8, 4);
    const int games = static_cast<int>(newestFirst.size());
    for (int k = 0; k < games; ++k) { // k = 0 is the oldest
        const std::size_t at = static_cast<std::size_t>(games - 1 - k);
        const bool home = venues.empty() || venues[at] == 'H';
        const int opponent = 2 + k % 7;
        const int fixture = home ? league->FindFixture(1, opponent) : league->FindFixture(opponent, 1);
        const int forGoals = newestFirst[at] == 'W' ? 2 : newestFirst[at] == 'D' ? 1 : 0;
        const int againstGoals = newestFirst[at] == 'W' ? 0 : 1;
        PlayFixture(*league, fixture, home ? forGoals : againstGoals, home ? againstGoals : forGoals,
                    100 + k);
    }
    return league;
}

TEST(TeamStats, ATeamWithoutGamesShowsZerosEmptyScoresAndNoCleanSheetFigures) {
    auto league = MakeLeague(4, 2);
    const TeamStatistics stats = TeamStats(*league, 2);
    const TeamStatsTexts t = TeamStatsLabels(*league, stats);
    EXPECT_TRUE(stats.games.empty());
    for (const std::string* zero : {&t.points, &t.played, &t.goals, &t.won, &t.drawn, &t.lost, &t.deducted,
                                    &t.attHigh, &t.attLow, &t.attAverage})
        EXPECT_EQ(*zero, "0");
    for (const std::string* empty :
         {&t.hfHome, &t.hfHomeTeam, &t.hfAway, &t.hfAwayTeam, &t.haHome, &t.haHomeTeam, &t.haAway,
          &t.haAwayTeam, &t.hForm, &t.aForm, &t.formSummary})
        EXPECT_EQ(*empty, "");
    EXPECT_EQ(t.totalClean, "n/a");
    EXPECT_EQ(t.homeClean, "n/a");
    EXPECT_EQ(t.awayClean, "n/a");
}

TEST(TeamStats, SameDateGamesCountTheLowerRecordAsTheMoreRecent) {
    auto league = MakeLeague(4, 2);
    const int first = league->FindFixture(1, 2), second = league->FindFixture(1, 3);
    ASSERT_LT(first, second);
    PlayFixture(*league, first, 0, 1, 50);  // lost
    PlayFixture(*league, second, 3, 0, 50); // won, the same day
    const TeamStatistics stats = TeamStats(*league, 1);
    EXPECT_EQ(stats.games, (std::vector<int>{first, second}));
    EXPECT_EQ(stats.summary.HomeForm, "WL"); // oldest first, the newest last
}

TEST(TeamStats, TheEarlierOfTwoEqualHighestScoresNamesItsOpponent) {
    auto league = MakeLeague(4, 2);
    const int later = league->FindFixture(1, 3), earlier = league->FindFixture(1, 2);
    ASSERT_LT(earlier, later);
    PlayFixture(*league, later, 4, 0, 10); // played first, but later in record order
    PlayFixture(*league, earlier, 4, 2, 20);
    const TeamStatsTexts t = TeamStatsLabels(*league, TeamStats(*league, 1));
    EXPECT_EQ(t.hfHome, "4");
    EXPECT_EQ(t.hfHomeTeam, "Team 02");
    EXPECT_EQ(t.haHome, "2");
    EXPECT_EQ(t.homeClean, "1 (50%)");
    EXPECT_EQ(t.awayClean, "n/a");
}

struct FormCase {
    const char* newestFirst;
    const char* venues;
    const char* phrase;
};

class FormSummaryRules : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormSummaryRules, TheFirstRuleThatHoldsNamesTheForm) {
    const FormCase& c = GetParam();
    auto league = TeamOneSeason(c.newestFirst, c.venues);
    EXPECT_EQ(TeamStats(*league, 1).formSummary, c.phrase) << c.newestFirst << " " << c.venues;
}

INSTANTIATE_TEST_SUITE_P(
    Seasons, FormSummaryRules,
    ::testing::Values(FormCase{"WWW", "", ""}, FormCase{"DDLD", "", "Not won yet this season"},
                      FormCase{"LLLW", "", "Lost last 3"}, FormCase{"LLLLW", "", "Lost last 4"},
                      FormCase{"DLDLDW", "", "Not won for 5 matches"}, FormCase{"WWWL", "", "Won last 3"},
                      FormCase{"WWDDW", "", "Unbeaten in 5"}, FormCase{"DWLDL", "", "One win in 5"},
                      // Wins at positions 1 and 5 leave only four games with one win.
                      FormCase{"WDLDWL", "", "One loss in 5"}, FormCase{"WLWD", "HAHA", "Not won away"},
                      FormCase{"WWLW", "HAAH", "Won all home matches"},
                      FormCase{"WDLD", "AAAA", "Unbeaten at home"}, FormCase{"WLWL", "AHAH", ""}));

TEST(TeamStats, FormLettersKeepTheTenMostRecentGamesOldestFirst) {
    auto league = TeamOneSeason("WWDLLWDDWLWWW", "HAHAHAHAHAHAH");
    const TeamSummary s = TeamStats(*league, 1).summary;
    // Newest first the ten are W(H) W(A) D(H) L(A) L(H) W(A) D(H) D(A) W(H) L(A).
    EXPECT_EQ(s.HomeForm, "WDLDW");
    EXPECT_EQ(s.AwayForm, "LDWLW");
}

TEST(TeamStats, AttendancesCountHomeGamesWithACrowdAndShowOneComma) {
    auto league = MakeLeague(4, 2);
    const int home1 = league->FindFixture(1, 2), home2 = league->FindFixture(1, 3);
    const int home3 = league->FindFixture(1, 4), away = league->FindFixture(2, 1);
    testing::Edit(*league).Result(home1).Attendance = 1234567;
    testing::Edit(*league).Result(home2).Attendance = 950;
    testing::Edit(*league).Result(away).Attendance = 5000000;
    for (const int r : {home1, home2, home3, away})
        PlayFixture(*league, r, 1, 0, r);
    const TeamStatsTexts t = TeamStatsLabels(*league, TeamStats(*league, 1));
    EXPECT_EQ(t.attHigh, "1234,567");
    EXPECT_EQ(t.attLow, "950");
    EXPECT_EQ(t.attAverage, "617,758"); // (1234567 + 950) div 2; the game without a crowd is left out
}

TEST(TeamStats, PlayersCountAppearancesOnThePitchAndEveryKindOfGoal) {
    auto league = MakeLeague(4, 2);
    for (const char* name : {"Zed", "Abe", "Gone"}) {
        PlayerRecord player;
        player.Name.assignStored(name);
        player.Team = 1;
        ASSERT_TRUE(AddPlayer(*league, player));
    }
    testing::Edit(*league).Player(3).Team = 5; // Transferred-Out
    const int match = league->FindFixture(2, 1);
    PlayFixture(*league, match, 1, 2, 10);
    SquadRecord squad;
    squad.Result = static_cast<std::uint16_t>(match);
    squad.Team = 1;
    squad.Entries[0] = {1, 0, 90, false, false, false};
    squad.Entries[1] = {2, 0, 0, false, false, false}; // an unused substitute
    squad.Entries[2] = {3, 0, 90, false, false, false};
    ASSERT_TRUE(AddSquad(*league, squad));
    testing::Edit(*league).Result(match).AwaySquad = 1;
    const auto m = static_cast<std::uint16_t>(match);
    ASSERT_TRUE(AddGoal(*league, {m, 1, 2, 30, false, true}));
    ASSERT_TRUE(AddGoal(*league, {m, 1, 2, 60, false, false}));
    ASSERT_TRUE(AddGoal(*league, {m, 2, 1, 70, true, false}));

    TeamStatistics stats = TeamStats(*league, 1);
    ASSERT_EQ(stats.players.size(), 2u);
    SortTeamPlayers(*league, stats.players, 1);
    EXPECT_EQ(TeamPlayerCells(*league, stats.players[0]),
              (std::vector<std::string>{"Abe", "", "2", "1", "0"}));
    EXPECT_EQ(TeamPlayerCells(*league, stats.players[1]),
              (std::vector<std::string>{"Zed", "1", "0", "0", "1"}));
    SortTeamPlayers(*league, stats.players, 5);
    EXPECT_EQ(stats.players[0].Player, 1);
}

TEST(TeamStats, SampleSeasonMatchesFiguresWorkedOutFromTheResults) {
    auto season = testing::LoadSampleSeason();
    const TeamStatsTexts chelsea = TeamStatsLabels(*season, TeamStats(*season, season->FindTeam("Chelsea")));
    EXPECT_EQ(chelsea.points, "91");
    EXPECT_EQ(chelsea.goals, "72");
    EXPECT_EQ(chelsea.won + "/" + chelsea.drawn + "/" + chelsea.lost, "29/4/5");
    EXPECT_EQ(chelsea.hfHome + " " + chelsea.hfHomeTeam, "5 Bolton Wanderers");
    EXPECT_EQ(chelsea.hfAway + " " + chelsea.hfAwayTeam, "4 Liverpool");
    EXPECT_EQ(chelsea.haAway + " " + chelsea.haAwayTeam, "3 Middlesbrough");
    EXPECT_EQ(chelsea.hForm, "WWWWW");
    EXPECT_EQ(chelsea.aForm, "LDWLL");
    EXPECT_EQ(chelsea.formSummary, "Unbeaten at home");
    EXPECT_EQ(chelsea.totalClean, "20 (52%)");
    EXPECT_EQ(chelsea.homeClean, "12 (63%)");

    const TeamStatsTexts sunderland =
        TeamStatsLabels(*season, TeamStats(*season, season->FindTeam("Sunderland")));
    EXPECT_EQ(sunderland.won + "/" + sunderland.drawn + "/" + sunderland.lost, "3/6/29");
    EXPECT_EQ(sunderland.goals, "26");
    EXPECT_EQ(sunderland.haHome, "4"); // twice: the fixture list decides which opponent is named
    EXPECT_EQ(sunderland.formSummary, "One win in 16");
    EXPECT_EQ(sunderland.totalClean, "4 (10%)");
    EXPECT_EQ(sunderland.awayClean, "3 (15%)");
}

TEST(TeamGamesGrid, OppositionKeepsItsOrderOnASecondClickAndFReversesThenReturns) {
    auto league = MakeLeague(4, 2);
    const int day10 = league->FindFixture(3, 1), day13 = league->FindFixture(2, 1);
    PlayFixture(*league, day10, 0, 2, 10);
    PlayFixture(*league, league->FindFixture(1, 2), 1, 0, 11);
    PlayFixture(*league, league->FindFixture(1, 3), 3, 1, 12);
    PlayFixture(*league, day13, 1, 2, 13);
    std::vector<int> order = TeamStats(*league, 1).games;
    auto opponents = [&] {
        std::string text;
        for (const int r : order)
            text += TeamGameCells(*league, 1, r, DateFormat::Default())[3].substr(5) +
                    TeamGameCells(*league, 1, r, DateFormat::Default())[2] + " ";
        return text;
    };
    auto goalsFor = [&] {
        std::string text;
        for (const int r : order)
            text += TeamGameCells(*league, 1, r, DateFormat::Default())[4];
        return text;
    };

    int key = 1;
    const auto click = [&](int column) { // a click on a column heading
        key = NextGamesSortKey(key, column);
        SortTeamGames(*league, 1, order, key);
    };
    click(4);
    EXPECT_EQ(opponents(), "02H 02A 03H 03A ");
    click(4);
    EXPECT_EQ(key, 10);
    EXPECT_EQ(opponents(), "02H 02A 03H 03A ");

    click(5);
    EXPECT_EQ(goalsFor(), "3221");
    EXPECT_EQ(order[1], day10); // equal goals: the older game first
    EXPECT_EQ(order[2], day13);
    click(5);
    EXPECT_EQ(goalsFor(), "1223");
    click(5);
    EXPECT_EQ(key, 5);
    EXPECT_EQ(goalsFor(), "3221");

    const std::pair<int, int> crowds[] = {{day10, 300},
                                          {FindPlayedResult(*league, 1, 2), 100},
                                          {FindPlayedResult(*league, 1, 3), 400},
                                          {day13, 200}};
    for (const auto& [result, crowd] : crowds)
        testing::Edit(*league).Result(result).Attendance = crowd;
    click(2); // the smallest crowd first
    EXPECT_EQ(order, (std::vector<int>{crowds[1].first, day13, day10, crowds[2].first}));
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

} // namespace
} // namespace vantorel
