// The league table: its figures as at a date, the dates it steps through, and the position marks.

#include "standings/Standings.h"
#include "standings/DateList.h"

#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

constexpr double kLastDay = 1e9;

TableVariant Variant(TableContent content = TableContent::PlayedGames,
                     GameSelection games = GameSelection::HomeAndAway, double asAt = kLastDay) {
    return {content, games, asAt, kDefaultFormGames};
}

std::vector<int> Order(const LeagueTable& table) {
    return {table.TableOrder.begin() + 1, table.TableOrder.begin() + 1 + table.TeamCount};
}

// Played, won, drawn, lost, for and against at home, then the same away, points and goal difference.
std::vector<int> Figures(const StandingsRow& r) {
    return {r.Played,    r.HomeWon,  r.HomeDrawn, r.HomeLost,    r.HomeFor, r.HomeAgainst, r.AwayWon,
            r.AwayDrawn, r.AwayLost, r.AwayFor,   r.AwayAgainst, r.Points,  r.GoalDiff};
}

// Wins and defeats at home and away are checked in the table cells' full row, every team's points, games
// and goals by the tie-break tests' random reference; a draw counts on each team's own side.
TEST(FillTable, CountsADrawAtHomeAndAway) {
    auto drawn = MakeLeague(4, 2, 2);
    PlayFixture(*drawn, 1, 0, 0, 100);
    const LeagueTable draw = FillTable(*drawn, Variant());
    EXPECT_EQ(Figures(draw.Standings[1]), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Figures(draw.Standings[2]), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0}));
}

// A deduction in every variant with matches played is checked by the tie-break tests' random reference;
// here nothing is played yet.
TEST(FillTable, ADeductionCountsBeforeAnyMatchIsPlayedAndSortsBelowZero) {
    for (int winPoints : {2, 3})
        for (auto content : {TableContent::PlayedGames, TableContent::CurrentForm}) {
            auto division = MakeLeague(4, 2, winPoints);
            EXPECT_TRUE(SetDeduction(*division, 1, 5));
            const LeagueTable table = FillTable(*division, Variant(content));
            // The most a team can reach is the whole season less its deduction.
            EXPECT_EQ(std::tuple(table.Standings[1].Points, table.Standings[1].PossiblePoints, Order(table)),
                      std::tuple(-5, 6 * winPoints - 5, std::vector<int>{2, 3, 4, 1}));
        }
}

TEST(FillTable, SeasonGamesFollowTheFixtureListAndHalveForOneVenue) {
    using G = GameSelection;
    const std::tuple<int, int, G, int> cases[] = {
        {20, 1, G::HomeAndAway, 19}, {20, 2, G::HomeAndAway, 38}, {20, 4, G::HomeAndAway, 76},
        {20, 2, G::HomeOnly, 19},    {5, 1, G::AwayOnly, 2},
    };
    for (auto [teams, times, games, seasonGames] : cases) {
        const LeagueTable table =
            FillTable(*MakeLeague(teams, times), Variant(TableContent::PlayedGames, games));
        EXPECT_EQ(table.SeasonGames, seasonGames) << teams << " x" << times;
    }
    const LeagueTable home = FillTable(*MakeLeague(20, 2), Variant(TableContent::PlayedGames, G::HomeOnly));
    EXPECT_EQ(home.Standings[5].PossiblePoints, 57);
}

// The order each rule gives is checked by the tie-break tests; the table skips unknown stored codes, and
// without any rule keeps the teams in team order.
TEST(FillTable, SkipsUnknownSortRuleCodes) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 4, 5, 0, 2); // 2 beats 1 5-0
    for (const auto& [rules, order] :
         {std::pair{"x1?", std::vector<int>{2, 1, 3, 4}}, {"", std::vector<int>{1, 2, 3, 4}}}) {
        testing::Edit(*division).Header().SortRules.assignStored(rules);
        EXPECT_EQ(Order(FillTable(*division, Variant())), order) << rules;
    }
}

TEST(DateList, HoldsEachPlayedDateOnceInOrder) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0, 300);
    PlayFixture(*division, 2, 1, 0, 100);
    PlayFixture(*division, 3, 1, 0, 300);
    PlayFixture(*division, 4, 1, 0, 0);                 // no date
    testing::Edit(*division).Result(5).MatchDate = 400; // an open fixture with a date, predicted or not
    const DateList played = DateList::Build(*division, TableContent::PlayedGames);
    EXPECT_EQ(played.dates(), (std::vector<double>{100, 300}));
    EXPECT_EQ(played.AsAtDate(), 300);
    EXPECT_EQ(DateList::Build(*division, TableContent::PlayedPredicted).dates(),
              (std::vector<double>{100, 300, 400}));
}

TEST(DateList, StepsDownToBeforeTheFirstDateAndRefusesPastEitherEnd) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0, 100);
    PlayFixture(*division, 2, 1, 0, 200);
    DateList list = DateList::Build(*division, TableContent::PlayedGames);
    EXPECT_FALSE(list.StepForward());
    EXPECT_TRUE(list.StepBack());
    EXPECT_EQ(list.AsAtDate(), 100);
    EXPECT_TRUE(list.StepBack());
    EXPECT_EQ(list.AsAtDate(), 0);
    EXPECT_EQ(AsAtText(list.AsAtDate(), DateFormat::Default()), "Before the first match");
    EXPECT_FALSE(list.StepBack());
    EXPECT_TRUE(list.StepForward());
    EXPECT_EQ(list.AsAtDate(), 100);

    auto none = MakeLeague(4, 2); // an empty list refuses both steps
    DateList empty = DateList::Build(*none, TableContent::PlayedGames);
    EXPECT_EQ(std::tuple(empty.DateCount(), empty.AsAtDate()), std::tuple(0, 0.0));
    EXPECT_FALSE(empty.StepBack());
    EXPECT_FALSE(empty.StepForward());
}

TEST(DateList, ADateSetBetweenMatchDatesStepsOnToTheNextOne) {
    auto division = MakeLeague(4, 2);
    for (int r = 1; r <= 3; ++r)
        PlayFixture(*division, r, 1, 0, 100.0 * r);
    DateList list = DateList::Build(*division, TableContent::PlayedGames);
    for (const auto& [set, next] : {std::pair{150.0, 200.0}, {200.0, 300.0}, {50.0, 100.0}}) {
        list.SetTo(set);
        EXPECT_EQ(list.AsAtDate(), set);
        EXPECT_TRUE(list.StepForward()) << set;
        EXPECT_EQ(list.AsAtDate(), next);
    }
}

TEST(DateList, HoldsEveryDistinctDateOfTheLargestLeague) {
    auto division = MakeLeague(24, 4);
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        PlayFixture(*division, r, 1, 1, 38000 + r);
    const DateList list = DateList::Build(*division, TableContent::PlayedGames);
    EXPECT_EQ(std::tuple(list.DateCount(), list.AsAtDate()), std::tuple(1104, 38000.0 + 1104));
}

// Promotion and relegation marks.
class PositionMarks : public ::testing::Test {
protected:
    // Four teams meeting once; team 1 wins its first two matches.
    void SetUp() override {
        division_ = MakeLeague(4, 1);
        PlayFixture(*division_, 1, 1, 0, 1); // 1 v 2
        PlayFixture(*division_, 2, 1, 0, 2); // 1 v 3
        testing::Edit(*division_).Header().PromoteCount = 1;
        testing::Edit(*division_).Header().RelegateCount = 1;
    }
    std::string Mark(int position, TableVariant variant = Variant()) {
        return PositionMark(division_->Header(), FillTable(*division_, variant), position);
    }
    std::unique_ptr<Division> division_;
};

TEST_F(PositionMarks, PromotionIsCertainOnlyWhenNoChaserWithGamesLeftCanReachTheLeader) {
    // Team 1 leads on 6 points; team 4 has three games left and can reach 9.
    EXPECT_EQ(Mark(1), "1");
    for (int team : {2, 3, 4})
        EXPECT_TRUE(SetDeduction(*division_, team, 1));
    PlayFixture(*division_, 6, 1, 0, 3); // 3 beats 4
    // Every chaser can now reach at most 5.
    EXPECT_EQ(Mark(1), "U");
    EXPECT_TRUE(SetDeduction(*division_, 2, 0)); // team 2 can reach exactly 6 again
    EXPECT_EQ(Mark(1), "1");
}

TEST_F(PositionMarks, RelegationIsCertainWhenTheSafeTeamIsOutOfReach) {
    // Team 3 is bottom with two games left: it can reach 6 less its deduction; the safe team has 0.
    EXPECT_TRUE(SetDeduction(*division_, 3, 6));
    EXPECT_EQ(Mark(4), "4");
    EXPECT_TRUE(SetDeduction(*division_, 3, 7));
    EXPECT_EQ(Mark(4), "D");
}

// Relegation is certain once nothing is left to play; only the plain home and away tables are marked.
TEST_F(PositionMarks, RelegationIsCertainWhenNothingIsLeftToPlayInThePlainTablesOnly) {
    EXPECT_EQ(Mark(4), "4");
    for (int r = 3; r <= 6; ++r)
        PlayFixture(*division_, r, 0, 0, 10 + r);
    ASSERT_EQ(Mark(4), "D");
    ASSERT_EQ(Mark(4, Variant(TableContent::PlayedPredicted)), "D");
    for (auto variant :
         {Variant(TableContent::CurrentForm), Variant(TableContent::PlayedGames, GameSelection::HomeOnly),
          Variant(TableContent::PlayedGames, GameSelection::AwayOnly)})
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(Mark(p, variant), std::to_string(p));
}

TEST_F(PositionMarks, AZoneCoveringTheWholeLeagueRelegatesEveryTeam) {
    testing::Edit(*division_).Header().RelegateCount = 4;
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(Mark(p), "D");
    testing::Edit(*division_).Header().RelegateCount = 9;
    EXPECT_EQ(Mark(1), "D");
}

} // namespace
} // namespace vantorel
