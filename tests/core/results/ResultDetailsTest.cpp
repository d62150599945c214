#include "results/ResultDetails.h"

#include <gtest/gtest.h>

#include "players/GoalScorers.h"
#include "players/Players.h"
#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

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

TEST(MatchReport, HalfTimeScoreCountsAssignedGoalsUpToMinute45) {
    const MatchReport report = Report(*Match(2, 2, {{0, 1, 10}, {0, 2, 46}, {1, 13, 45}}, 0));
    EXPECT_EQ(report.halfTime, "HT: 1 - 1");
}

TEST(MatchReport, ScorerLinesJoinMinutesInTimeOrderAndMarkOwnGoalsAndPenalties) {
    // H1 scores at 67 and from the spot at 23; A1 puts one into his own net for Team 01.
    const MatchReport report =
        Report(*Match(3, 1, {{0, 1, 67}, {0, 1, 23, false, true}, {0, 13, 80, true}, {1, 14, 5}}, 0));
    EXPECT_EQ(report.homeLines, (Lines{"H1 23 Pen,67", "A1 80 og"}));
    EXPECT_EQ(report.awayLines, (Lines{"A2 5"}));
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
