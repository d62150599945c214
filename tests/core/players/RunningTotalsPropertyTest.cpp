// After any mix of the edits users make to results, scorers, players, win points and deductions, every
// running total stored in the league equals a recount from the records it summarises.

#include <random>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "players/GoalScorers.h"
#include "players/Players.h"
#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"
#include "support/RunningTotals.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

TEST(RunningTotals, EqualARecountAfterAnySequenceOfResultScorerPlayerAndPointsEdits) {
    auto division = testing::MakeLeague(6, 2);
    std::mt19937 random(1010);
    auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    for (int p = 1; p <= 30; ++p)
        ASSERT_TRUE(SavePlayer(*division, 0, "Player " + std::to_string(p), pick(1, 7)));

    for (int step = 0; step < 4000; ++step) {
        const int r = pick(1, division->Header().ResultCount);
        const ResultRecord& match = division->Results[r];
        switch (pick(0, 7)) {
        case 0:
        case 1:
            if (!match.Played)
                (void)EnterResult(*division, {match.HomeTeam, match.AwayTeam, pick(0, 4), pick(0, 4), 0, 0});
            break;
        case 2:
            if (match.Played)
                (void)RescoreResult(*division, r, pick(0, 4), pick(0, 4), 0);
            break;
        case 3:
            if (match.Played && pick(0, 2) == 0)
                (void)CancelResult(*division, r);
            break;
        case 4:
        case 5:
            if (division->Header().GoalCount > 0) {
                const int goal = pick(1, division->Header().GoalCount);
                const int player = pick(0, division->Header().PlayerCount);
                (void)SetGoalDetails(*division, goal,
                                     {player, pick(0, 93), pick(0, 4) == 0, pick(0, 1) == 1});
            }
            break;
        case 6:
            if (division->Header().PlayerCount > 0) {
                const int player = pick(1, division->Header().PlayerCount);
                if (pick(0, 1) == 0)
                    (void)DeletePlayer(*division, player);
                else
                    (void)SavePlayer(*division, player, PlayerName(*division, player), pick(1, 7));
                if (division->Header().PlayerCount < 10)
                    (void)SavePlayer(*division, 0, "New " + std::to_string(step), pick(1, 6));
            }
            break;
        case 7: // what a win is worth, or a deduction, changed between results
            if (pick(0, 1) == 0)
                SetWinPoints(*division, pick(2, 3));
            else
                EXPECT_TRUE(SetDeduction(*division, pick(1, 6), pick(0, 20)));
            break;
        }
        testing::ExpectRunningTotalsMatchRecords(*division);
        for (int g = 1; g <= division->Header().GoalCount; ++g)
            EXPECT_LE(division->Goals[g].Player, division->Header().PlayerCount) << "goal " << g;
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
    }
}

} // namespace
} // namespace vantorel
