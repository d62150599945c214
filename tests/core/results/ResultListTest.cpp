#include "results/ResultList.h"

#include <gtest/gtest.h>

#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

std::vector<int> Rows(const ResultList& list) {
    std::vector<int> rows;
    for (int r = 0; r < list.count(); ++r)
        rows.push_back(list.At(r));
    return rows;
}

// Five played results of four teams meeting twice, chosen so that every key has ties to break.
std::unique_ptr<Division> SortLeague() {
    auto division = MakeLeague(4, 2);
    struct Played {
        int fixture, home, away;
        double date;
        int attendance;
    };
    // Fixtures 1..5 are 01-02, 01-03, 01-04, 02-01, 02-03 (home-away).
    for (const auto& [fixture, home, away, date, attendance] : std::vector<Played>{{1, 2, 1, 40010, 900},
                                                                                   {2, 1, 0, 40000, 900},
                                                                                   {3, 2, 2, 40000, 500},
                                                                                   {4, 0, 1, 40005, 1200},
                                                                                   {5, 0, 0, 40000, 100}}) {
        PlayFixture(*division, fixture, home, away, date);
        testing::Edit(*division).Result(fixture).Attendance = attendance;
    }
    return division;
}

TEST(ResultList, EachKeyOrdersAndBreaksItsTies) {
    auto division = SortLeague();
    struct Case {
        int key;
        std::vector<int> rows;
    };
    for (const auto& [key, expected] : std::vector<Case>{{kSortByDate, {2, 3, 5, 4, 1}},
                                                         {kSortByAttendance, {4, 2, 1, 3, 5}},
                                                         {kSortByHomeTeam, {1, 2, 3, 4, 5}},
                                                         {kSortByAwayTeam, {4, 1, 2, 5, 3}},
                                                         {kSortByHomeGoals, {3, 1, 2, 5, 4}},
                                                         {kSortByAwayGoals, {3, 4, 1, 2, 5}}}) {
        // Sorted first by another key, so that the tie-breaks and not the record order decide.
        ResultList list = ResultList::Played(*division);
        list.Sort(*division, kSortByAttendance);
        list.Sort(*division, key);
        EXPECT_EQ(Rows(list), expected) << "key " << key;
    }
}

TEST(ResultList, HeadingsGiveTheirKeys) {
    EXPECT_EQ(ResultsSortKey(0), kSortByDate);
    EXPECT_EQ(ResultsSortKey(5), kSortByAwayGoals);
    EXPECT_EQ(PredictSortKey(0), kSortByPredicted);
    EXPECT_EQ(PredictSortKey(1), kSortByDate);
    EXPECT_EQ(PredictSortKey(2), kSortByHomeTeam);
    EXPECT_EQ(PredictSortKey(5), kSortByAwayGoals);
}

TEST(ResultList, TickedFixturesComeFirstEachGroupByDate) {
    auto division = MakeLeague(4, 1);
    testing::Edit(*division).Result(1).MatchDate = 40005;
    testing::Edit(*division).Result(2).Predicted = true;
    testing::Edit(*division).Result(2).MatchDate = 40003;
    testing::Edit(*division).Result(3).Predicted = true;
    testing::Edit(*division).Result(4).MatchDate = 40001;
    ResultList list = ResultList::Open(*division);
    list.Sort(*division, kSortByPredicted);
    EXPECT_EQ(Rows(list), (std::vector<int>{3, 2, 5, 6, 4, 1}));
}

TEST(ResultList, EntriesAKeyCannotTellApartKeepRecordOrderWhateverTheOrderBefore) {
    auto division = MakeLeague(4, 4);
    const int first = division->FindFixture(1, 2);
    int second = 0;
    for (int r = first + 1; second == 0; ++r)
        second = division->Results[r].HomeTeam == 1 && division->Results[r].AwayTeam == 2 ? r : 0;
    testing::Edit(*division).Result(second).MatchDate = 40000; // the later meeting comes first by date
    testing::Edit(*division).Result(first).MatchDate = 40100;
    ResultList list = ResultList::Open(*division);
    list.Sort(*division, kSortByDate);
    list.Sort(*division, kSortByHomeTeam);
    EXPECT_EQ(list.At(0), first);
    EXPECT_EQ(list.At(1), second);
}

TEST(ResultList, ACancelledRowIsRefusedUntilCompacted) {
    auto division = SortLeague();
    ResultList list = ResultList::Played(*division);
    list.MarkCancelled(1);
    EXPECT_EQ(list.At(1), 0);
    EXPECT_EQ(list.At(5), 0);
    EXPECT_EQ(list.At(-1), 0);
    EXPECT_EQ(ResultCells(*division, 2, true, DateFormat::Default())[0], "  N/A");
    list.Compact();
    EXPECT_EQ(Rows(list), (std::vector<int>{1, 3, 4, 5}));
}

TEST(ResultList, CellsAndTexts) {
    auto division = SortLeague();
    testing::Edit(*division).Result(4).Attendance = 1234567;
    EXPECT_EQ(ResultCells(*division, 4, false, DateFormat::Default()),
              (std::array<std::string, 6>{"11/07/2009", "1234,567", "Team 02", "Team 01", "0", "1"}));
    for (const auto& [attendance, text] :
         std::vector<std::pair<int, std::string>>{{0, "0"}, {999, "999"}, {1000, "1,000"}, {12345, "12,345"}})
        EXPECT_EQ(FormatAttendance(attendance), text);
    testing::Edit(*division).Result(5).Predicted = true;
    EXPECT_EQ(PredictCells(*division, 5, DateFormat::Default())[0], " ");
    EXPECT_EQ(PredictCells(*division, 6, DateFormat::Default())[0], "");
    EXPECT_EQ(PredictCells(*division, 6, DateFormat::Default())[1], " ");
    EXPECT_EQ(RemainingGamesText(1), "Remaining Game");
    EXPECT_EQ(RemainingGamesText(12), "Remaining 12 Games");
    EXPECT_EQ(RemainingGamesText(0), "All games have been played");
    EXPECT_EQ(CancelResultQuestion(*division, 1), "Cancel result for Team 01 v Team 02");
}

TEST(ResultList, GridWidthsGiveTheRemainderToTheDate) {
    EXPECT_EQ(ResultsGridWidths(600, 17, 1), (std::vector<int>{60 + 17, 60, 180, 180, 40, 40}));
    EXPECT_EQ(PredictGridWidths(600, 17, 1), (std::vector<int>{30, 60 + 3, 180, 180, 60, 60}));
    // A narrow grid keeps its dates whole, at the team columns' cost.
    EXPECT_EQ(PredictGridWidths(600, 17, 1, 80), (std::vector<int>{30, 80, 172, 171, 60, 60}));
}

TEST(ResultEdits, ACancelledDrawReturnsAsAnOpenFixtureWithItsOldValues) {
    auto division = MakeLeague(4, 2);
    testing::Edit(*division).Result(1).Predicted = true;
    ASSERT_TRUE(EnterResult(*division, {1, 2, 2, 2, 40000, 300}));
    ChangeResultDate(*division, 1, 40003);
    ASSERT_TRUE(CancelResult(*division, 1));
    EXPECT_EQ(division->Teams[1].Points, 0);
    EXPECT_EQ(division->Teams[2].Played, 0);
    EXPECT_EQ(division->Header().GoalCount, 0);
    EXPECT_EQ(division->FindFixture(1, 2), 1);
    const ResultRecord& fixture = division->Results[1];
    EXPECT_EQ(fixture.MatchDate, 40003);
    EXPECT_EQ(fixture.HomeGoals, 2);
    EXPECT_TRUE(fixture.Predicted);
    EXPECT_EQ(ResultList::Open(*division).At(0), 1);
}

} // namespace
} // namespace vantorel
