#include "outlook/MatchModel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/SampleSeason.h"
#include "support/SyntheticSeason.h"

namespace vantorel {
namespace {

TEST(MatchModelTest, RecoversTheStrengthsASeasonWasDrawnFrom) {
    const testing::TeamStrengths truth = testing::SpreadStrengths(kMaxTeams, 0.35);
    const auto season = testing::MakeSyntheticSeason(kMaxTeams, 4, 3, truth, 3);
    const MatchModel model = MatchModel::Fit(ModelMatches(*season, 1e9), kMaxTeams, 1e9, {2.0, 0, true});
    double attackError = 0, defenceError = 0;
    for (int t = 1; t <= kMaxTeams; ++t) {
        attackError +=
            std::abs(model.attack[static_cast<std::size_t>(t)] - truth.attack[static_cast<std::size_t>(t)]);
        defenceError +=
            std::abs(model.defence[static_cast<std::size_t>(t)] - truth.defence[static_cast<std::size_t>(t)]);
    }
    EXPECT_LT(attackError / kMaxTeams, 0.08);
    EXPECT_LT(defenceError / kMaxTeams, 0.08);
    EXPECT_NEAR(model.home, truth.home, 0.06);
    EXPECT_NEAR(model.base, truth.base, 0.06);
    // The strongest side is expected to beat the weakest at home far more often than not.
    const ScoreGrid grid = model.Predict(1, kMaxTeams);
    EXPECT_GT(grid.HomeWin(), 0.6);
    EXPECT_NEAR(grid.HomeWin() + grid.Draw() + grid.AwayWin(), 1.0, 1e-9);
}

TEST(MatchModelTest, WithoutResultsEveryMatchIsTheAverageMatch) {
    const MatchModel model = MatchModel::Fit({}, 20, 0);
    const ScoreGrid first = model.Predict(1, 2), second = model.Predict(7, 19);
    EXPECT_DOUBLE_EQ(first.HomeWin(), second.HomeWin());
    EXPECT_GT(first.HomeWin(), first.AwayWin());
}

TEST(MatchModelTest, RankedProbabilityScore) {
    EXPECT_DOUBLE_EQ(RankedProbabilityScore(1, 0, 0, 2, 0), 0);
    EXPECT_DOUBLE_EQ(RankedProbabilityScore(0, 0, 1, 2, 0), 1);
    EXPECT_DOUBLE_EQ(RankedProbabilityScore(0.5, 0.25, 0.25, 1, 1), (0.25 + 0.0625) / 2);
}

// The real season's second half, forecast week by week: the fitted model must beat the forecast that
// knows only how often home wins, draws and away wins happened in the first half.
TEST(MatchModelTest, ForecastsARealSeasonBetterThanTheResultFrequencies) {
    const auto season = testing::LoadSampleSeason();
    const ModelScore score = ScoreSecondHalf(*season);
    std::vector<ModelMatch> played = ModelMatches(*season, 1e9);
    std::stable_sort(played.begin(), played.end(),
                     [](const auto& a, const auto& b) { return a.date < b.date; });
    const std::size_t half = played.size() / 2;
    double home = 0, draw = 0;
    for (std::size_t i = 0; i < half; ++i) {
        home += played[i].homeGoals > played[i].awayGoals;
        draw += played[i].homeGoals == played[i].awayGoals;
    }
    home /= static_cast<double>(half);
    draw /= static_cast<double>(half);
    double frequencies = 0;
    for (std::size_t i = half; i < played.size(); ++i)
        frequencies +=
            RankedProbabilityScore(home, draw, 1 - home - draw, played[i].homeGoals, played[i].awayGoals);
    frequencies /= static_cast<double>(played.size() - half);
    RecordProperty("rps", std::to_string(score.rps));
    std::cout << "ranked probability score over " << score.matches << " matches: " << score.rps
              << " (result frequencies " << frequencies << ")\n";
    EXPECT_EQ(score.matches, static_cast<int>(played.size() - half));
    EXPECT_LT(score.rps, frequencies - 0.01);
}

} // namespace
} // namespace vantorel
