#include "outlook/MatchModel.h"

#include <algorithm>
#include <cmath>

namespace vantorel {
namespace {

// A season with no results yet is expected to look like the average league: about 1.5 goals for the home
// side and 1.15 for the away side.
constexpr double kAverageBase = 0.14;
constexpr double kAverageHome = 0.26;
// How firmly the base rate and the home advantage keep to that average: like this many matches' worth.
constexpr double kAveragePull = 2.0;
constexpr int kFitRounds = 60;

double PoissonChance(double rate, int goals) {
    return std::exp(goals * std::log(rate) - rate - std::lgamma(goals + 1.0));
}

// The correction factor of a low score for its dependence.
double LowScoreFactor(int homeGoals, int awayGoals, double homeRate, double awayRate, double rho) {
    if (homeGoals == 0 && awayGoals == 0)
        return 1 - homeRate * awayRate * rho;
    if (homeGoals == 0 && awayGoals == 1)
        return 1 + homeRate * rho;
    if (homeGoals == 1 && awayGoals == 0)
        return 1 + awayRate * rho;
    if (homeGoals == 1 && awayGoals == 1)
        return 1 - rho;
    return 1;
}

struct Weighted {
    const ModelMatch* match;
    double weight;
};

// One Newton step for a parameter from its log-likelihood gradient and curvature, with the pull toward
// `target` of strength `pull`.
double NewtonStep(double value, double gradient, double curvature, double pull, double target) {
    gradient -= pull * (value - target);
    curvature += pull;
    return curvature > 0 ? value + gradient / curvature : value;
}

} // namespace

double ScoreGrid::HomeWin() const {
    double sum = 0;
    for (int h = 0; h < kSide; ++h)
        for (int a = 0; a < h; ++a)
            sum += at(h, a);
    return sum;
}

double ScoreGrid::Draw() const {
    double sum = 0;
    for (int g = 0; g < kSide; ++g)
        sum += at(g, g);
    return sum;
}

double ScoreGrid::AwayWin() const {
    return std::max(0.0, 1.0 - HomeWin() - Draw());
}

std::pair<int, int> ScoreGrid::MostLikely() const {
    std::pair<int, int> best{0, 0};
    for (int h = 0; h < kSide; ++h)
        for (int a = 0; a < kSide; ++a)
            if (at(h, a) > at(best.first, best.second))
                best = {h, a};
    return best;
}

double MatchModel::HomeRate(int homeTeam, int awayTeam) const {
    return std::exp(base + home + attack[homeTeam] - defence[awayTeam]);
}

double MatchModel::AwayRate(int homeTeam, int awayTeam) const {
    return std::exp(base + attack[awayTeam] - defence[homeTeam]);
}

ScoreGrid MatchModel::Predict(int homeTeam, int awayTeam) const {
    const double homeRate = HomeRate(homeTeam, awayTeam), awayRate = AwayRate(homeTeam, awayTeam);
    ScoreGrid grid;
    std::array<double, ScoreGrid::kSide> homeChance{}, awayChance{};
    for (int g = 0; g < ScoreGrid::kSide; ++g) {
        homeChance[static_cast<std::size_t>(g)] = PoissonChance(homeRate, g);
        awayChance[static_cast<std::size_t>(g)] = PoissonChance(awayRate, g);
    }
    double total = 0;
    for (int h = 0; h < ScoreGrid::kSide; ++h)
        for (int a = 0; a < ScoreGrid::kSide; ++a) {
            const double chance = homeChance[static_cast<std::size_t>(h)] *
                                  awayChance[static_cast<std::size_t>(a)] *
                                  std::max(0.0, LowScoreFactor(h, a, homeRate, awayRate, rho));
            grid.chance[static_cast<std::size_t>(h * ScoreGrid::kSide + a)] = chance;
            total += chance;
        }
    for (double& chance : grid.chance)
        chance /= total;
    return grid;
}

MatchModel MatchModel::Fit(const std::vector<ModelMatch>& matches, int teamCount, double asAt,
                           const MatchModelSettings& settings) {
    MatchModel model;
    model.teamCount = teamCount;
    model.base = kAverageBase;
    model.home = kAverageHome;
    std::vector<Weighted> weighted;
    const double decay = settings.halfLifeDays > 0 ? std::log(2.0) / settings.halfLifeDays : 0;
    for (const ModelMatch& match : matches)
        if (match.home >= 1 && match.home <= teamCount && match.away >= 1 && match.away <= teamCount)
            weighted.push_back({&match, match.weight * std::exp(-decay * std::max(0.0, asAt - match.date))});
    if (weighted.empty())
        return model;

    const auto n = static_cast<std::size_t>(teamCount + 1);
    std::vector<double> gradient(n), curvature(n);
    // Each round: the base rate and home advantage, then every attack, then every defence; within a group
    // the parameters touch different rates, so one Newton step each is a step of the whole group.
    for (int round = 0; round < kFitRounds; ++round) {
        double baseGradient = 0, baseCurvature = 0, homeGradient = 0, homeCurvature = 0;
        for (const auto& [match, weight] : weighted) {
            const double homeRate = model.HomeRate(match->home, match->away);
            const double awayRate = model.AwayRate(match->home, match->away);
            baseGradient += weight * (match->homeGoals - homeRate + match->awayGoals - awayRate);
            baseCurvature += weight * (homeRate + awayRate);
            homeGradient += weight * (match->homeGoals - homeRate);
            homeCurvature += weight * homeRate;
        }
        model.base = NewtonStep(model.base, baseGradient, baseCurvature, kAveragePull, kAverageBase);
        model.home = NewtonStep(model.home, homeGradient, homeCurvature, kAveragePull, kAverageHome);

        for (int pass = 0; pass < 2; ++pass) {
            const bool attacks = pass == 0;
            std::fill(gradient.begin(), gradient.end(), 0.0);
            std::fill(curvature.begin(), curvature.end(), 0.0);
            for (const auto& [match, weight] : weighted) {
                const double homeRate = model.HomeRate(match->home, match->away);
                const double awayRate = model.AwayRate(match->home, match->away);
                const auto h = static_cast<std::size_t>(match->home),
                           a = static_cast<std::size_t>(match->away);
                // An attack raises its own side's rate; a defence lowers the other side's.
                const double homeResidual = weight * (match->homeGoals - homeRate);
                const double awayResidual = weight * (match->awayGoals - awayRate);
                gradient[attacks ? h : a] += attacks ? homeResidual : -homeResidual;
                curvature[attacks ? h : a] += weight * homeRate;
                gradient[attacks ? a : h] += attacks ? awayResidual : -awayResidual;
                curvature[attacks ? a : h] += weight * awayRate;
            }
            auto& values = attacks ? model.attack : model.defence;
            for (std::size_t t = 1; t < n; ++t)
                values[t] = NewtonStep(values[t], gradient[t], curvature[t], settings.shrinkage, 0.0);
        }
    }
    if (settings.lowScoreCorrection) {
        double bestLikelihood = 0;
        for (int step = -25; step <= 15; ++step) {
            const double rho = step / 100.0;
            double likelihood = 0;
            for (const auto& [match, weight] : weighted) {
                const double factor = LowScoreFactor(match->homeGoals, match->awayGoals,
                                                     model.HomeRate(match->home, match->away),
                                                     model.AwayRate(match->home, match->away), rho);
                likelihood += weight * std::log(std::max(factor, 1e-9));
            }
            if (step == -25 || likelihood > bestLikelihood) {
                bestLikelihood = likelihood;
                model.rho = rho;
            }
        }
    }
    return model;
}

std::vector<ModelMatch> ModelMatches(const Division& division, double asAt) {
    std::vector<ModelMatch> matches;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (match.Played && match.MatchDate <= asAt)
            matches.push_back(
                {match.HomeTeam, match.AwayTeam, match.HomeGoals, match.AwayGoals, match.MatchDate});
    }
    return matches;
}

double RankedProbabilityScore(double homeWin, double draw, double awayWin, int homeGoals, int awayGoals) {
    (void)awayWin; // the last cumulative step is always 1 on both sides
    const double wonHome = homeGoals > awayGoals ? 1 : 0;
    const double notAway = homeGoals >= awayGoals ? 1 : 0;
    const double first = homeWin - wonHome;
    const double second = homeWin + draw - notAway;
    return (first * first + second * second) / 2;
}

ModelScore ScoreSecondHalf(const Division& division, const MatchModelSettings& settings) {
    std::vector<ModelMatch> played = ModelMatches(division, 1e300);
    std::stable_sort(played.begin(), played.end(),
                     [](const ModelMatch& a, const ModelMatch& b) { return a.date < b.date; });
    ModelScore score;
    if (played.size() < 2)
        return score;
    double sum = 0;
    std::size_t next = played.size() / 2;
    while (next < played.size()) {
        const double weekStart = played[next].date;
        const std::vector<ModelMatch> known(played.begin(), played.begin() + static_cast<long>(next));
        const MatchModel model = MatchModel::Fit(known, division.Header().TeamCount, weekStart - 1, settings);
        for (; next < played.size() && played[next].date < weekStart + 7; ++next) {
            const ModelMatch& match = played[next];
            const ScoreGrid grid = model.Predict(match.home, match.away);
            sum += RankedProbabilityScore(grid.HomeWin(), grid.Draw(), grid.AwayWin(), match.homeGoals,
                                          match.awayGoals);
            ++score.matches;
        }
    }
    score.rps = sum / score.matches;
    return score;
}

} // namespace vantorel
