#include "results/Predictions.h"

#include <gtest/gtest.h>

#include "standings/Standings.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;

TEST(Predictions, TheTickDecidesWhetherAFixtureCountsInThePredictedTable) {
    auto division = MakeLeague(4, 2);
    const TableVariant predicted{TableContent::PlayedPredicted, GameSelection::HomeAndAway, 99999, 10};
    TogglePredicted(*division, 1); // 0-0, never edited
    EXPECT_TRUE(division->DataChanged());
    LeagueTable table = FillTable(*division, predicted);
    EXPECT_EQ(table.Standings[1].Played, 1);
    TogglePredicted(*division, 1);
    table = FillTable(*division, predicted);
    EXPECT_EQ(table.Standings[1].Played, 0);
}

TEST(Predictions, SpinningUpTicksSpinningDownNeverDoesAndTheEndsHold) {
    auto division = MakeLeague(4, 2);
    EXPECT_FALSE(SpinPredictedScore(*division, 1, true, false)); // at 0
    EXPECT_FALSE(division->Results[1].Predicted);
    EXPECT_TRUE(SpinPredictedScore(*division, 1, false, true));
    EXPECT_EQ(division->Results[1].AwayGoals, 1);
    EXPECT_TRUE(division->Results[1].Predicted);
    TogglePredicted(*division, 1);
    EXPECT_TRUE(SpinPredictedScore(*division, 1, false, false));
    EXPECT_EQ(division->Results[1].AwayGoals, 0);
    EXPECT_FALSE(division->Results[1].Predicted);
    testing::Edit(*division).Result(1).HomeGoals = 254;
    EXPECT_TRUE(SpinPredictedScore(*division, 1, true, true));
    EXPECT_FALSE(SpinPredictedScore(*division, 1, true, true));
    EXPECT_EQ(division->Results[1].HomeGoals, 255);
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
    EXPECT_EQ(division->Results[1].MatchDate, 40000);
    EXPECT_TRUE(division->Results[1].Predicted);
    ASSERT_TRUE(SetPrediction(*division, 1, 0, 2, 40200));
    EXPECT_EQ(division->Results[1].MatchDate, 40200);
    EXPECT_FALSE(SetPrediction(*division, 1, 256, 0, 0));
    EXPECT_EQ(division->Results[1].AwayGoals, 2);
}

} // namespace
} // namespace vantorel
