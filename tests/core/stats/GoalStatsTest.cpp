#include "stats/GoalStats.h"

#include <gtest/gtest.h>

#include "results/ResultEntry.h"
#include "stats/GoalTimeChart.h"
#include "support/LeagueMaker.h"
#include "support/RecordingCanvas.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::PlayFixture;

const DateFormat kDates = DateFormat::Default();

// A four-team league with two players per team ("P1".."P8", player p in team (p+1)/2) and a few results.
std::unique_ptr<Division> LeagueWithPlayers() {
    auto league = testing::MakeLeague(4, 2);
    PlaceTransferredOut(*league);
    for (int p = 1; p <= 8; ++p) {
        PlayerRecord player;
        player.Name.assignStored("P" + std::to_string(p));
        player.Team = static_cast<std::uint8_t>((p + 1) / 2);
        (void)AddPlayer(*league, player);
    }
    for (int r = 1; r <= 4; ++r)
        PlayFixture(*league, r, 3, 3, 40000 + r);
    return league;
}

// A goal of a result for a player's team; the player's running total follows.
void Goal(Division& league, int result, int player, int minute = 10, bool penalty = false, bool own = false) {
    const ResultRecord& match = league.Results[result];
    const int playerTeam = league.Players[player].Team;
    const int other = playerTeam == match.HomeTeam ? match.AwayTeam : match.HomeTeam;
    (void)AddGoal(league,
                  {static_cast<std::uint16_t>(result), static_cast<std::uint16_t>(own ? other : playerTeam),
                   static_cast<std::uint16_t>(player), static_cast<std::uint16_t>(minute), own, penalty});
    if (!own)
        ++testing::Edit(league).Player(player).Goals;
}

std::string Figure(const GoalStatistics& stats, const std::string& caption) {
    for (const StatsFigure& figure : stats.figures)
        if (figure.caption == caption)
            return figure.value;
    ADD_FAILURE() << "no figure " << caption;
    return {};
}

TEST(GoalStats, WithoutAKnownScorerOnlyTheExplanationShows) {
    auto league = LeagueWithPlayers();
    (void)AddGoal(*league, {1, 1, 0, 10, false, true});
    const GoalStatistics stats = GoalStats(*league, kDates);
    EXPECT_FALSE(stats.HasScorers);
    EXPECT_TRUE(stats.TopScorers.empty());
    EXPECT_TRUE(stats.figures.empty());
}

TEST(GoalStats, TheTopScorersThresholdFollowsTheMostGoals) {
    const std::vector<std::pair<int, int>> cases = {{0, 2},  {3, 2},  {10, 2}, {11, 1},
                                                    {12, 2}, {15, 5}, {16, 5}, {40, 5}};
    for (auto [most, threshold] : cases)
        EXPECT_EQ(TopScorerThreshold(most), threshold) << most;

    for (int most : {11, 12}) {
        auto league = LeagueWithPlayers();
        testing::Edit(*league).Player(3).Goals = static_cast<std::uint8_t>(most);
        testing::Edit(*league).Player(5).Goals = 1;
        testing::Edit(*league).Player(1).Goals = 2;
        testing::Edit(*league).Player(2).Goals = 2;
        testing::Edit(*league).Player(2).Team = 5; // left the division
        Goal(*league, 1, 1);                       // a known scorer, so the page has content
        --testing::Edit(*league).Player(1).Goals;
        const GoalStatistics stats = GoalStats(*league, kDates);
        std::vector<std::string> lines;
        for (const StatsLine& line : stats.TopScorers)
            lines.push_back(line.text);
        std::vector<std::string> expected = {std::to_string(most) + " P3 (Team 02)", "2 P1 (Team 01)",
                                             "2 P2 (Transferred-Out)"};
        if (most == 11)
            expected.push_back("1 P5 (Team 03)");
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(stats.TopScorers[0].record, 3);
    }
}

TEST(GoalsPerMatch, CountsThreeGoalsOfAPlayerOnlyWhenTheMatchsRecordsAreTogether) {
    auto league = LeagueWithPlayers();
    Goal(*league, 1, 1);
    Goal(*league, 1, 1);
    Goal(*league, 1, 3, 10, false, true); // an own goal in between does not break the match
    Goal(*league, 1, 1);
    Goal(*league, 2, 5); // P5: two in match 2, one from match 3, one more in match 2
    Goal(*league, 2, 5);
    Goal(*league, 3, 5);
    Goal(*league, 2, 5);
    Goal(*league, 4, 7); // own goals are not counted towards three
    Goal(*league, 4, 7);
    Goal(*league, 4, 7, 10, false, true);
    const std::vector<HatTrick> found = GoalsPerMatch(*league);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Player, 1);
    EXPECT_EQ(found[0].Count, 3);
    EXPECT_EQ(found[0].Result, 1);

    const GoalStatistics stats = GoalStats(*league, kDates);
    ASSERT_EQ(stats.GoalsPerMatch.size(), 1u);
    const HatTrickRow& row = stats.GoalsPerMatch[0];
    EXPECT_EQ(row.goals + "|" + row.player + "|" + row.forTeam + "|" + row.against, "3|P1|Team 01|Team 02");
    EXPECT_EQ(row.date, kDates.Format(40001));
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
    PlayerRecord scorer;
    scorer.Name.assignStored("Striker");
    scorer.Team = 1;
    (void)AddPlayer(*league, scorer);
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
    // Fixture 1 is team 1 v team 2 and fixture 5 team 3 v team 4 (MakeLeague's first round).
    const int oneVsTwo = 1;
    ASSERT_EQ(league->Results[oneVsTwo].HomeTeam + league->Results[oneVsTwo].AwayTeam, 3);
    Goal(*league, oneVsTwo, 3, 10, true); // P3 (team 2) scores a penalty: team 1 concedes
    Goal(*league, oneVsTwo, 1, 10, true); // P1 (team 1): team 2 concedes
    Goal(*league, oneVsTwo, 1, 10, true);
    Goal(*league, oneVsTwo, 3, 10, true);
    Goal(*league, oneVsTwo, 4, 10, false, true);
    Goal(*league, oneVsTwo, 2, 10, false, true);
    const GoalStatistics stats = GoalStats(*league, kDates);
    EXPECT_EQ(Figure(stats, "Number Scored:"), "4");
    EXPECT_EQ(Figure(stats, "Most Against:"), "2 (Team 01)");
    EXPECT_EQ(Figure(stats, "Most Scored:"), "2 (Team 01)");
    EXPECT_EQ(Figure(stats, "Total:"), "2");
    EXPECT_EQ(Figure(stats, "Most:"), "1 P2");
}

TEST(GoalTimeChart, BinsFiveMinutesWithStoppageTimeLastAndNoMinuteLeftOut) {
    auto league = LeagueWithPlayers();
    for (int minute : {0, 1, 5, 6, 45, 46, 90, 91, 93, 120})
        Goal(*league, 1, 1, minute);
    const auto bins = GoalTimeBins(*league);
    EXPECT_EQ(bins[1], 2);
    EXPECT_EQ(bins[2], 1);
    EXPECT_EQ(bins[9], 1);
    EXPECT_EQ(bins[10], 1);
    EXPECT_EQ(bins[18], 1);
    EXPECT_EQ(bins[19], 3);
    int counted = 0;
    for (int count : bins)
        counted += count;
    EXPECT_EQ(counted, 9); // minute 0 is not drawn

    testing::RecordingCanvas canvas;
    DrawGoalTimeChart(canvas, *league, 200, 90); // columns of 10, 5 pixels left over, 30 pixels a goal
    ASSERT_EQ(canvas.boxes.size(), 6u);
    const auto& first = canvas.boxes.front();
    EXPECT_EQ(std::vector<int>({first.left, first.top, first.right, first.bottom}),
              std::vector<int>({5, 30, 15, 90}));
    EXPECT_EQ(first.brush, kBlue);
    EXPECT_EQ(canvas.boxes[3].brush, kRed);
    const auto& last = canvas.boxes.back();
    EXPECT_EQ(std::vector<int>({last.left, last.top, last.right}), std::vector<int>({185, 0, 195}));
    EXPECT_EQ(last.brush, kYellow);

    // More goals in a bin than the box has pixels still fill it.
    for (int g = 0; g < 200; ++g)
        Goal(*league, 2, 1, 30);
    testing::RecordingCanvas crowded;
    DrawGoalTimeChart(crowded, *league, 200, 90);
    ASSERT_EQ(crowded.boxes.size(), 7u);
    EXPECT_EQ(crowded.boxes[2].top, 0);      // 200 goals in minutes 26-30
    EXPECT_EQ(crowded.boxes.back().top, 89); // 3 goals: 3 * 90 / 200 pixels high

    testing::RecordingCanvas empty;
    DrawGoalTimeChart(empty, *testing::MakeLeague(4, 2), 200, 90);
    EXPECT_TRUE(empty.boxes.empty());
}

} // namespace
} // namespace vantorel
