// The lists of results and predictions, their cells and edits, and the details of one result.

#include "results/ResultList.h"
#include "results/Predictions.h"
#include "results/ResultDetails.h"

#include <tuple>

#include <gtest/gtest.h>

#include "players/GoalScorers.h"
#include "players/Players.h"
#include "results/ResultEntry.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

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
    // Fixtures 1..5 are 01-02, 01-03, 01-04, 02-01, 02-03 (home-away); each one's score, date and crowd.
    const int played[5][4] = {
        {2, 1, 40010, 900}, {1, 0, 40000, 900}, {2, 2, 40000, 500}, {0, 1, 40005, 1200}, {0, 0, 40000, 100}};
    for (int fixture = 1; fixture <= 5; ++fixture) {
        const auto& [home, away, date, attendance] = played[fixture - 1];
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
    EXPECT_EQ((std::vector<int>{ResultsSortKey(0), ResultsSortKey(5), PredictSortKey(0), PredictSortKey(1),
                                PredictSortKey(2), PredictSortKey(5)}),
              (std::vector<int>{kSortByDate, kSortByAwayGoals, kSortByPredicted, kSortByDate, kSortByHomeTeam,
                                kSortByAwayGoals}));
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
    EXPECT_EQ(std::tuple(list.At(0), list.At(1)), std::tuple(first, second));
}

TEST(ResultList, ACancelledRowIsRefusedUntilCompacted) {
    auto division = SortLeague();
    ResultList list = ResultList::Played(*division);
    list.MarkCancelled(1);
    EXPECT_EQ(std::tuple(list.At(1), list.At(5), list.At(-1)), std::tuple(0, 0, 0));
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
    const auto open = PredictCells(*division, 6, DateFormat::Default());
    EXPECT_EQ(std::tuple(open[0], open[1]), std::tuple(std::string(), std::string(" ")));
    EXPECT_EQ(
        (std::vector{RemainingGamesText(1), RemainingGamesText(12), RemainingGamesText(0)}),
        (std::vector<std::string>{"Remaining Game", "Remaining 12 Games", "All games have been played"}));
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
    const ResultRecord& fixture = division->Results[1];
    EXPECT_EQ(std::tuple(fixture.MatchDate, fixture.HomeGoals, fixture.Predicted),
              std::tuple(40003.0, 2, true));
    EXPECT_EQ(ResultList::Open(*division).At(0), 1);
}

TEST(Predictions, TheTickTogglesAndMarksTheLeagueChanged) {
    auto division = MakeLeague(4, 2);
    TogglePredicted(*division, 1); // 0-0, never edited
    EXPECT_TRUE(division->Results[1].Predicted && division->DataChanged());
    TogglePredicted(*division, 1);
    EXPECT_FALSE(division->Results[1].Predicted);
}

TEST(Predictions, SpinningUpTicksSpinningDownNeverDoesAndTheEndsHold) {
    auto division = MakeLeague(4, 2);
    const ResultRecord& fixture = division->Results[1];
    EXPECT_FALSE(SpinPredictedScore(*division, 1, true, false)); // at 0
    EXPECT_FALSE(fixture.Predicted);
    EXPECT_TRUE(SpinPredictedScore(*division, 1, false, true));
    EXPECT_EQ(std::tuple(fixture.AwayGoals, fixture.Predicted), std::tuple(1, true));
    TogglePredicted(*division, 1);
    EXPECT_TRUE(SpinPredictedScore(*division, 1, false, false));
    EXPECT_EQ(std::tuple(fixture.AwayGoals, fixture.Predicted), std::tuple(0, false));
    testing::Edit(*division).Result(1).HomeGoals = 254;
    EXPECT_TRUE(SpinPredictedScore(*division, 1, true, true));
    EXPECT_FALSE(SpinPredictedScore(*division, 1, true, true));
    EXPECT_EQ(fixture.HomeGoals, 255);
}

TEST(Predictions, TheQuickDateWaitsForADateSetSinceOpening) {
    auto division = MakeLeague(4, 2);
    const double today = 40100;
    EXPECT_FALSE(ApplyQuickDate(*division, 2, today, today)); // right after opening
    EXPECT_EQ(division->Results[2].MatchDate, 0);
    EXPECT_EQ(PredictCalendarStart(*division, 1, today), today);
    const double setDate = 40050; // a Set Date on fixture 1
    testing::Edit(*division).Result(1).MatchDate = setDate;
    EXPECT_EQ(PredictCalendarStart(*division, 1, today), setDate);
    EXPECT_TRUE(ApplyQuickDate(*division, 2, setDate, today));
    EXPECT_EQ(division->Results[2].MatchDate, setDate);
    EXPECT_FALSE(ApplyQuickDate(*division, 2, 40060, today)); // already dated
    EXPECT_EQ(division->Results[2].MatchDate, setDate);
}

TEST(Predictions, SetScoreTicksAndKeepsTheDateWhenNoneIsGiven) {
    auto division = MakeLeague(4, 2);
    const DateFormat format = DateFormat::Default();
    EXPECT_EQ(PredictDialogDate(*division, 1, 40100, 40100, format), "");
    EXPECT_EQ(PredictDialogDate(*division, 1, 40050, 40100, format), format.Format(40050));
    testing::Edit(*division).Result(1).MatchDate = 40000;
    EXPECT_EQ(PredictDialogDate(*division, 1, 40050, 40100, format), format.Format(40000));
    ASSERT_TRUE(SetPrediction(*division, 1, 3, 1, 0));
    EXPECT_EQ(std::tuple(division->Results[1].MatchDate, division->Results[1].Predicted),
              std::tuple(40000.0, true));
    ASSERT_TRUE(SetPrediction(*division, 1, 0, 2, 40200));
    EXPECT_EQ(division->Results[1].MatchDate, 40200);
    EXPECT_FALSE(SetPrediction(*division, 1, 256, 0, 0));
    EXPECT_EQ(division->Results[1].AwayGoals, 2);
}

using Lines = std::vector<std::string>;

// Team 01 at home to Team 02 with a score, each goal given as {team side 0/1, scorer, minute, og, pen};
// Team 01's players are "H1".."H12", Team 02's "A1".."A3".
struct Goal {
    int side, scorer, minute;
    bool ownGoal = false, penalty = false;
};
std::unique_ptr<Division> Match(int homeGoals, int awayGoals, const std::vector<Goal>& goals,
                                int attendance) {
    auto division = testing::MakeLeague(4, 2);
    for (int p = 1; p <= 12; ++p)
        (void)SavePlayer(*division, 0, "H" + std::to_string(p), 1);
    for (int p = 1; p <= 3; ++p)
        (void)SavePlayer(*division, 0, "A" + std::to_string(p), 2);
    if (!EnterResult(*division, {1, 2, homeGoals, awayGoals, 40000, attendance}))
        throw std::logic_error("result refused");
    std::vector<int> next = {1, homeGoals + 1};
    for (const Goal& goal : goals)
        (void)SetGoalDetails(*division, next[static_cast<std::size_t>(goal.side)]++,
                             {goal.scorer, goal.minute, goal.ownGoal, goal.penalty});
    return division;
}

MatchReport Report(const Division& division) {
    return BuildMatchReport(division, 1, DateFormat::Default());
}

TEST(MatchReport, HeadsTheReportWithDateTeamsScoreAndAttendance) {
    const MatchReport report = Report(*Match(2, 1, {}, 23456));
    EXPECT_EQ((std::vector{report.caption, report.home, report.score, report.away, report.attendance,
                           report.halfTime}), // no goal has a scorer: no half-time score
              (std::vector<std::string>{"Result Details (06/07/2009)", "Team 01", "2 - 1", "Team 02",
                                        "Att: 23456", ""}));
    EXPECT_TRUE(report.homeLines.empty() && report.awayLines.empty());
    EXPECT_EQ(Report(*Match(0, 0, {}, 0)).attendance, "");
}

// H1 scores at 46 and from the spot at 23; A1 puts one into his own net for Team 01; Team 02's second goal
// has no scorer. Half-time counts the assigned goals up to minute 45.
TEST(MatchReport, ScorerLinesInTimeOrderWithOwnGoalsAndPenaltiesAndTheHalfTimeScore) {
    const MatchReport report =
        Report(*Match(3, 2, {{0, 1, 46}, {0, 1, 23, false, true}, {0, 13, 80, true}, {1, 14, 45}}, 0));
    EXPECT_EQ(report.homeLines, (Lines{"H1 23 Pen,46", "A1 80 og"}));
    EXPECT_EQ(report.awayLines, (Lines{"A2 45"}));
    EXPECT_EQ(report.halfTime, "HT: 1 - 1");
}

TEST(MatchReport, TenScorerLinesASideAndNothingAfterAnEleventhScorer) {
    std::vector<Goal> goals;
    for (int p = 1; p <= 11; ++p)
        goals.push_back({0, p, p});
    goals.push_back({0, 1, 90}); // after the eleventh scorer: not listed
    const MatchReport report = Report(*Match(12, 0, goals, 0));
    ASSERT_EQ(report.homeLines.size(), 10u);
    EXPECT_EQ(report.homeLines.front(), "H1 1");
    EXPECT_EQ(report.homeLines.back(), "H10 10");
}

} // namespace
} // namespace vantorel
