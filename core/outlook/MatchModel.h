#pragma once

#include <array>
#include <vector>

#include "store/Division.h"

namespace vantorel {

// A played match as the model sees it.
struct ModelMatch {
    int home = 0, away = 0;
    int homeGoals = 0, awayGoals = 0;
    double date = 0;
    double weight = 1; // on top of the time weight, e.g. less for an earlier season
};

struct MatchModelSettings {
    double shrinkage = 10.0;        // pull of each team's strengths toward the league average
    double halfLifeDays = 180;      // a match this much older than the as-at date counts half
    bool lowScoreCorrection = true; // the correction of 0-0, 1-0, 0-1 and 1-1 for their dependence
};

// The chances of every score of one match, up to kMaxGoals goals a side.
struct ScoreGrid {
    static constexpr int kMaxGoals = 10;
    static constexpr int kSide = kMaxGoals + 1;
    std::array<double, kSide * kSide> chance{}; // chance[home * kSide + away]

    double at(int home, int away) const { return chance[static_cast<std::size_t>(home * kSide + away)]; }
    double HomeWin() const;
    double Draw() const;
    double AwayWin() const;
    // The likeliest score (the first in home-goal, then away-goal order when two are equal).
    std::pair<int, int> MostLikely() const;
};

// Goals as Poisson counts: the home side scores at the rate exp(base + home + attack[home] -
// defence[away]), the away side at exp(base + attack[away] - defence[home]), with a low-score correction.
// Fitted by maximum likelihood, each match weighted by its age, with every team's attack and defence
// shrunk toward the league average (0) so that a few results cannot make a team look extreme.
class MatchModel {
public:
    // Fits teams 1..teamCount to the matches as at a date. With no matches the model is the average match.
    static MatchModel Fit(const std::vector<ModelMatch>& matches, int teamCount, double asAt,
                          const MatchModelSettings& settings = {});

    ScoreGrid Predict(int home, int away) const;
    double HomeRate(int home, int away) const;
    double AwayRate(int home, int away) const;

    int teamCount = 0;
    double base = 0.2;
    double home = 0.25;
    double rho = 0; // the low-score correction; 0 for none
    std::array<double, kMaxTeams + 1> attack{}, defence{};
};

// The played results of the Division that count at the as-at date.
std::vector<ModelMatch> ModelMatches(const Division& division, double asAt);

// The ranked probability score of one forecast against the score that happened (0 is perfect).
double RankedProbabilityScore(double homeWin, double draw, double awayWin, int homeGoals, int awayGoals);

// The mean ranked probability score over the second half of a season's played results (by date), the
// model refitted before each week from everything played earlier.
struct ModelScore {
    double rps = 0;
    int matches = 0;
};
ModelScore ScoreSecondHalf(const Division& division, const MatchModelSettings& settings = {});

} // namespace vantorel
