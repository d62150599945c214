#include "support/RunningTotals.h"

#include <gtest/gtest.h>

namespace vantorel::testing {

void ExpectRunningTotalsMatchRecords(const Division& division) {
    const DivisionHeader& header = division.Header();
    for (int t = 1; t <= header.TeamCount; ++t) {
        int played = 0, points = -division.Teams[t].Deduction;
        for (int r = 1; r <= header.ResultCount; ++r) {
            const ResultRecord& match = division.Results[r];
            if (!match.Played || (match.HomeTeam != t && match.AwayTeam != t))
                continue;
            ++played;
            const int own = match.HomeTeam == t ? match.HomeGoals : match.AwayGoals;
            const int other = match.HomeTeam == t ? match.AwayGoals : match.HomeGoals;
            points += own > other ? header.WinPoints : own == other ? 1 : 0;
        }
        EXPECT_EQ(division.Teams[t].Played, played) << "team " << t;
        EXPECT_EQ(division.Teams[t].Points, points) << "team " << t;
    }
    for (int p = 1; p <= header.PlayerCount; ++p) {
        int goals = 0;
        for (int g = 1; g <= header.GoalCount; ++g)
            goals += division.Goals[g].Player == p && !division.Goals[g].OwnGoal ? 1 : 0;
        EXPECT_EQ(division.Players[p].Goals, goals) << "player " << p;
    }
}

} // namespace vantorel::testing
