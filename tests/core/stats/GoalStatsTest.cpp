#include "stats/GoalStats.h"

#include <gtest/gtest.h>

#include "players/Squads.h"
#include "results/ResultEntry.h"
#include "stats/DivisionStats.h"
#include "stats/GoalTimeChart.h"
#include "stats/PlayerRecordView.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/SampleSeason.h"

namespace vantorel {
namespace {

using testing::PlayFixture;
using testing::RecordingCanvas;
using Texts = std::vector<std::string>;

const DateFormat kDates = DateFormat::Default();

PlayerRecord Player(const std::string& name, int team) {
    return {ShortString<20>(name), static_cast<std::uint8_t>(team), 0};
}

// Four teams with two players each ("P1".."P8", player p in team (p+1)/2), fixture r of 1..4 drawn 3-3 on
// day 40000 + r.
std::unique_ptr<Division> LeagueWithPlayers() {
    auto league = testing::MakeLeague(4, 2);
    PlaceTransferredOut(*league);
    for (int p = 1; p <= 8; ++p)
        EXPECT_TRUE(AddPlayer(*league, Player("P" + std::to_string(p), (p + 1) / 2)));
    for (int r = 1; r <= 4; ++r)
        PlayFixture(*league, r, 3, 3, 40000 + r);
    return league;
}

// A goal of a result for a player's team (for the other side when an own goal); his total follows.
void Goal(Division& league, int result, int player, int minute = 10, bool penalty = false, bool own = false) {
    const ResultRecord& match = league.Results[result];
    const int playerTeam = league.Players[player].Team;
    const int other = playerTeam == match.HomeTeam ? match.AwayTeam : match.HomeTeam;
    using U16 = std::uint16_t;
    EXPECT_TRUE(AddGoal(
        league, {U16(result), U16(own ? other : playerTeam), U16(player), U16(minute), own, penalty}));
    if (!own)
        ++testing::Edit(league).Player(player).Goals;
}

template <typename Statistics>
std::string Figure(const Statistics& stats, const std::string& caption, const std::string& group = "") {
    for (const StatsFigure& figure : stats.figures)
        if (figure.caption == caption && (group.empty() || figure.group == group))
            return figure.value;
    ADD_FAILURE() << "no figure " << group << " " << caption;
    return {};
}

TEST(GoalStats, WithoutAKnownScorerOnlyTheExplanationShows) {
    auto league = LeagueWithPlayers();
    (void)AddGoal(*league, {1, 1, 0, 10, false, true});
    const GoalStatistics stats = GoalStats(*league, kDates);
    EXPECT_EQ(std::tuple(stats.HasScorers, stats.TopScorers.size(), stats.figures.size()),
              std::tuple(false, 0u, 0u));
}

TEST(GoalStats, TheTopScorersThresholdFollowsTheMostGoals) {
    for (auto [most, threshold] : std::vector<std::pair<int, int>>{
             {0, 2}, {3, 2}, {10, 2}, {11, 1}, {12, 2}, {15, 5}, {16, 5}, {40, 5}})
        EXPECT_EQ(TopScorerThreshold(most), threshold) << most;
    for (int most : {11, 12}) {
        auto league = LeagueWithPlayers();
        Goal(*league, 1, 1); // a known scorer, so the page has content
        auto edit = testing::Edit(*league);
        edit.Player(3).Goals = static_cast<std::uint8_t>(most);
        edit.Player(5).Goals = 1;
        edit.Player(1).Goals = edit.Player(2).Goals = 2;
        edit.Player(2).Team = 5; // left the division
        const GoalStatistics stats = GoalStats(*league, kDates);
        Texts lines,
            expected = {std::to_string(most) + " P3 (Team 02)", "2 P1 (Team 01)", "2 P2 (Transferred-Out)"};
        for (const StatsLine& line : stats.TopScorers)
            lines.push_back(line.text);
        if (most == 11)
            expected.push_back("1 P5 (Team 03)");
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(stats.TopScorers[0].record, 3);
    }
}

TEST(GoalsPerMatch, CountsThreeGoalsOfAPlayerOnlyWhenTheMatchsRecordsAreTogether) {
    auto league = LeagueWithPlayers();
    // P1's three in match 1 round an own goal, which does not break them; P5 has two in match 2, one from
    // match 3, one more in match 2; P7's own goal is not counted towards three.
    const std::tuple<int, int, bool> goals[] = {{1, 1, false}, {1, 1, false}, {1, 3, true},  {1, 1, false},
                                                {2, 5, false}, {2, 5, false}, {3, 5, false}, {2, 5, false},
                                                {4, 7, false}, {4, 7, false}, {4, 7, true}};
    for (auto [result, player, own] : goals)
        Goal(*league, result, player, 10, false, own);
    const GoalStatistics stats = GoalStats(*league, kDates);
    ASSERT_EQ(stats.GoalsPerMatch.size(), 1u);
    const HatTrickRow& row = stats.GoalsPerMatch[0];
    EXPECT_EQ(Texts({row.goals, row.player, row.forTeam, row.against, row.date}),
              Texts({"3", "P1", "Team 01", "Team 02", kDates.Format(40001)}));
}

TEST(GoalsPerMatch, SortsByGoalsThenNameThenDate) {
    auto league = LeagueWithPlayers(); // fixture r is dated 40000 + r
    const std::vector<std::pair<int, int>> blocks = {{2, 1}, {1, 3}, {4, 1}, {3, 5}}; // result, player
    for (auto [result, player] : blocks)
        for (int g = 0; g < (player == 5 ? 4 : 3); ++g)
            Goal(*league, result, player);
    std::vector<std::pair<int, int>> order;
    for (const HatTrick& entry : GoalsPerMatch(*league))
        order.emplace_back(entry.Result, entry.Player);
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{3, 5}, {2, 1}, {4, 1}, {1, 3}}));
}

TEST(GoalsPerMatch, ARescoredResultsGoalsStayTogether) {
    auto league = testing::MakeLeague(4, 2);
    ASSERT_TRUE(AddPlayer(*league, Player("Striker", 1)));
    int fixture = 0, other = 0;
    std::vector<int> goals;
    ASSERT_TRUE(EnterResult(*league, {1, 2, 1, 0, 40000, 0}, &fixture, &goals));
    ASSERT_TRUE(EnterResult(*league, {3, 4, 1, 1, 40000, 0}, &other));
    ASSERT_TRUE(RescoreResult(*league, fixture, 3, 0, 0, &goals));
    ASSERT_EQ(goals.size(), 3u);
    for (int g : goals) {
        testing::Edit(*league).Goal(g).Player = 1;
        ++testing::Edit(*league).Player(1).Goals;
    }
    const std::vector<HatTrick> found = GoalsPerMatch(*league);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Result, fixture);
}

TEST(GoalStats, PenaltiesAndOwnGoalsNameTheLowestIndexOnATie) {
    auto league = LeagueWithPlayers();
    ASSERT_EQ(league->Results[1].HomeTeam + league->Results[1].AwayTeam, 3); // team 1 v team 2
    // Penalties: two by P3 (team 2, so team 1 concedes) and two by P1; own goals by P4 and P2.
    for (int player : {3, 1, 1, 3})
        Goal(*league, 1, player, 10, true);
    Goal(*league, 1, 4, 10, false, true);
    Goal(*league, 1, 2, 10, false, true);
    const GoalStatistics stats = GoalStats(*league, kDates);
    EXPECT_EQ(Texts({Figure(stats, "Number Scored:"), Figure(stats, "Most Against:"),
                     Figure(stats, "Most Scored:"), Figure(stats, "Total:"), Figure(stats, "Most:")}),
              Texts({"4", "2 (Team 01)", "2 (Team 01)", "2", "1 P2"}));
}

TEST(GoalTimeChart, BinsFiveMinutesWithStoppageTimeLastAndNoMinuteLeftOut) {
    auto league = LeagueWithPlayers();
    for (int minute : {0, 1, 5, 6, 45, 46, 90, 91, 93, 120})
        Goal(*league, 1, 1, minute);
    // Minute 0 is not drawn; stoppage time after 90 minutes goes to the last bin.
    EXPECT_EQ(GoalTimeBins(*league), (std::array<int, kGoalTimeBins + 1>{0, 2, 1, 0, 0, 0, 0, 0, 0, 1,
                                                                         1, 0, 0, 0, 0, 0, 0, 0, 1, 3}));
    RecordingCanvas canvas;
    DrawGoalTimeChart(canvas, *league, 200, 90); // columns of 10, 5 pixels left over, 30 pixels a goal
    ASSERT_EQ(canvas.boxes.size(), 6u);
    const auto& first = canvas.boxes.front();
    const auto& last = canvas.boxes.back();
    EXPECT_EQ(std::tuple(first.left, first.top, first.right, first.bottom, first.brush),
              std::tuple(5, 30, 15, 90, kBlue));
    EXPECT_EQ(canvas.boxes[3].brush, kRed);
    EXPECT_EQ(std::tuple(last.left, last.top, last.right, last.brush), std::tuple(185, 0, 195, kYellow));
    // More goals in a bin than the box has pixels still fill it.
    for (int g = 0; g < 200; ++g)
        Goal(*league, 2, 1, 30);
    RecordingCanvas crowded, empty;
    DrawGoalTimeChart(crowded, *league, 200, 90);
    ASSERT_EQ(crowded.boxes.size(), 7u);
    EXPECT_EQ(crowded.boxes[2].top, 0);      // 200 goals in minutes 26-30
    EXPECT_EQ(crowded.boxes.back().top, 89); // 3 goals: 3 * 90 / 200 pixels high
    DrawGoalTimeChart(empty, *testing::MakeLeague(4, 2), 200, 90);
    EXPECT_TRUE(empty.boxes.empty());
}

std::vector<int> Records(const std::vector<StatsLine>& lines) {
    std::vector<int> records;
    for (const StatsLine& line : lines)
        records.push_back(line.record);
    return records;
}

TEST(DivisionStats, NoPlayedResultGivesZerosAnEmptyAverageAndEmptyLists) {
    auto league = testing::MakeLeague(4, 2);
    const DivisionStatistics stats = DivisionStats(*league, kDates, '.');
    EXPECT_TRUE(stats.HighHome.empty() && stats.HighAway.empty());
    ASSERT_EQ(stats.figures.size(), 12u);
    for (const StatsFigure& figure : stats.figures)
        EXPECT_EQ(figure.value, figure.caption == "Ave/Game:" ? "" : "0") << figure.caption;
}

// The sample season below checks the other figures; its 7-0 cannot tell a match's goals from one side's.
TEST(DivisionStats, ScoreListsRunFromTheHighestScoreDownToFourInFixtureOrderAndTheMostGoalsCountBothSides) {
    struct Case {
        std::vector<std::pair<int, int>> scores; // fixtures 1.. in order
        std::vector<int> highHome, highAway;
        Texts averageAndMost; // the average with a comma, rounded to hundredths
    };
    const std::vector<Case> cases = {
        // Highest home score 3: only its games, in fixture order; away 0: every played game.
        {{{3, 0}, {1, 0}, {3, 0}, {2, 0}}, {1, 3}, {1, 2, 3, 4}, {"2,25", "3"}},
        // Highest 6: the sixes, then the fives, then the fours; threes are left out. 43 goals in 6 games.
        {{{4, 1}, {6, 0}, {3, 2}, {5, 5}, {6, 4}, {4, 3}}, {2, 5, 4, 1, 6}, {4, 5}, {"7,17", "10"}},
    };
    for (const Case& c : cases) {
        auto league = testing::MakeLeague(6, 2);
        for (std::size_t r = 0; r < c.scores.size(); ++r)
            PlayFixture(*league, static_cast<int>(r + 1), c.scores[r].first, c.scores[r].second, 40000);
        const DivisionStatistics s = DivisionStats(*league, kDates, ',');
        EXPECT_EQ(Records(s.HighHome), c.highHome);
        EXPECT_EQ(Records(s.HighAway), c.highAway);
        EXPECT_EQ(Texts({Figure(s, "Ave/Game:", "Goals"), Figure(s, "Most in a match:", "Goals")}),
                  c.averageAndMost);
    }
}

TEST(DivisionStats, TheSampleSeasonMatchesFiguresCountedFromItsResultsFile) {
    auto season = testing::LoadSampleSeason();
    const DivisionStatistics stats = DivisionStats(*season, kDates, '.');
    Texts figures;
    for (const StatsFigure& figure : stats.figures)
        figures.push_back(figure.group + " " + figure.caption + " " + figure.value);
    EXPECT_EQ(figures, (Texts{"Goals Home: 555", "Goals Away: 389", "Goals Total: 944",
                              "Goals Ave/Game: 2.48", "Goals Most in a match: 7", "Goals Clean Sheets: 244",
                              "Results Games: 380", "Results Home Wins: 192", "Results Away Wins: 111",
                              "Results Draws: 77", "Results Score: 45", "Results No Score: 32"}));
    // The lists' first lines are the command-line division page's.
    ASSERT_EQ(stats.HighHome.size(), 28u); // one 7, one 6, five 5s, twenty-one 4s
    EXPECT_EQ(stats.HighHome[1].text, "11/02/2006   6-1 Fulham v West Bromwich Albion");
    ASSERT_EQ(stats.HighAway.size(), 9u);
    EXPECT_EQ(season->Results[stats.HighAway[0].record].AwayGoals, 5);
}

TEST(SplitAtOwnTeam, CutsAroundTheFirstOccurrenceOnly) {
    const OwnTeamPieces pieces = SplitAtOwnTeam("01/01/2006   2-1 Hull v Hull City", "Hull");
    EXPECT_EQ(Texts({pieces.before, pieces.name, pieces.after}),
              Texts({"01/01/2006   2-1 ", "Hull", " v Hull City"}));
    EXPECT_EQ(SplitAtOwnTeam("3 Smith (Leeds)", "").before, "3 Smith (Leeds)");
    EXPECT_EQ(SplitAtOwnTeam("3 Smith (Leeds)", "Hull").name, "");
    EXPECT_EQ(SplitAtOwnTeam("Hull" + std::string(150, 'x'), "Hull").after.size(), 100u);
}

// Four teams with Ann of team 1 and Bob of team 2.
std::unique_ptr<Division> AnnAndBob() {
    auto league = testing::MakeLeague(4, 2);
    EXPECT_TRUE(AddPlayer(*league, Player("Ann", 1)));
    EXPECT_TRUE(AddPlayer(*league, Player("Bob", 2)));
    return league;
}

std::array<BarPlace, 9> Places() {
    std::array<BarPlace, 9> places;
    for (int i = 0; i < 9; ++i)
        places[i] = {20 * i, 16};
    return places;
}

TEST(PlayerRecordView, APlayerWithNothingHasNoMatchesAndEmptyBarsWithZeros) {
    auto league = AnnAndBob();
    // Its caption and unknown cautions are the command-line player record's.
    const PlayerSeason season = PlayerSeasonOf(*league, 1);
    EXPECT_TRUE(season.matches.empty());
    RecordingCanvas canvas;
    DrawPlayerGoalBars(canvas, 200, Places(), season);
    EXPECT_TRUE(
        std::none_of(canvas.boxes.begin(), canvas.boxes.end(), [](const auto& b) { return b.outlined; }));
    ASSERT_EQ(canvas.texts.size(), 9u);
    for (const auto& text : canvas.texts)
        EXPECT_EQ(text.x, 0);
}

TEST(PlayerRecordView, GoalsAndSquadsMakeOneRowPerMatchNewestFirst) {
    auto league = AnnAndBob();
    const int early = league->FindFixture(1, 2), late = league->FindFixture(3, 1);
    const int sameDay = league->FindFixture(1, 4), benchOnly = league->FindFixture(4, 1);
    PlayFixture(*league, early, 3, 0, 10);
    PlayFixture(*league, late, 0, 2, 20);
    PlayFixture(*league, sameDay, 1, 0, 20);
    PlayFixture(*league, benchOnly, 0, 0, 5);
    Goal(*league, early, 1, 0);        // no time: first half
    Goal(*league, early, 1, 46, true); // a penalty in the second half
    Goal(*league, early, 1, 80);
    Goal(*league, late, 1, 10);
    Goal(*league, sameDay, 1, 15); // a match on the same day, its goal between the others
    Goal(*league, late, 1, 50);
    Goal(*league, late, 1, 60, false, true); // an own goal adds no row
    SquadLines bench{};
    bench[11] = {1, 0, 0, true, true, true}; // sent off for a second yellow on the bench
    ASSERT_TRUE(SaveSquad(*league, benchOnly, 1, bench));

    const PlayerSeason season = PlayerSeasonOf(*league, 1);
    ASSERT_EQ(season.matches.size(), 4u);
    EXPECT_EQ(std::tuple(season.matches[0].Result, season.matches[0].Goals, season.matches[1].Result,
                         season.matches[2].Result, season.matches[3].Goals),
              std::tuple(late, 2, sameDay, early, 0));
    EXPECT_EQ(season.totals, (std::array<int, 9>{6, 3, 3, 4, 2, 1, 1, 1, 3}));
    EXPECT_EQ(std::tuple(CautionText(season, season.yellow), CautionText(season, season.red)),
              std::tuple("2", "1"));
    EXPECT_EQ(PlayerMatchCells(*league, season.matches[0], DateFormat::Default())[1], "Team 03 v Team 01");

    // Six goals on 200 less " 99" and 4 (34): units of 27. A hat trick is drawn as long as three goals.
    RecordingCanvas canvas;
    DrawPlayerGoalBars(canvas, 200, Places(), season);
    std::vector<RecordingCanvas::Box> bars;
    std::copy_if(canvas.boxes.begin(), canvas.boxes.end(), std::back_inserter(bars),
                 [](const auto& box) { return box.outlined; });
    ASSERT_EQ(bars.size(), 9u);
    EXPECT_EQ(std::tuple(bars[0].right, bars[0].brush, bars[1].brush, bars[2].brush),
              std::tuple(6 * 27, kBlue, kRed, kBlue));                        // alternating
    EXPECT_EQ(std::pair(bars[6].right, bars[6].top), std::pair(3 * 27, 120)); // Hat Tricks: 1
    EXPECT_EQ(canvas.TextNamed("6").x, 6 * 27 + 4);
}

TEST(PlayerRecordView, MatchColumnsGiveTheTeamsFiveSevenths) {
    EXPECT_EQ(PlayerMatchColumnWidths(300, 1, 16, true), (std::vector<int>{42, 212, 42}));
    EXPECT_EQ(PlayerMatchColumnWidths(300, 1, 16, false), (std::vector<int>{40, 200, 40}));
    EXPECT_EQ(PlayerMatchColumnWidths(300, 1, 16, true, 60), (std::vector<int>{60, 194, 42}));
}

} // namespace
} // namespace vantorel
