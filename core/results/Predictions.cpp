#include "results/Predictions.h"

#include <string>

namespace vantorel {

void TogglePredicted(Division& division, int fixture) {
    ResultRecord& match = division.Results[fixture];
    match.Predicted = !match.Predicted;
    division.DataChanged = true;
}

void MarkPredicted(Division& division, int fixture, bool predicted) {
    division.Results[fixture].Predicted = predicted;
    division.DataChanged = true;
}

bool SpinPredictedScore(Division& division, int fixture, bool homeGoals, bool up) {
    ResultRecord& match = division.Results[fixture];
    std::uint8_t& goals = homeGoals ? match.HomeGoals : match.AwayGoals;
    if (up ? goals >= kMaxPredictedGoals : goals == 0)
        return false;
    goals = static_cast<std::uint8_t>(up ? goals + 1 : goals - 1);
    if (up)
        match.Predicted = true;
    division.DataChanged = true;
    return true;
}

bool ApplyQuickDate(Division& division, int fixture, double predictDate, double today) {
    ResultRecord& match = division.Results[fixture];
    if (match.MatchDate != 0 || predictDate == today)
        return false;
    match.MatchDate = predictDate;
    division.DataChanged = true;
    return true;
}

Status SetPrediction(Division& division, int fixture, int homeGoals, int awayGoals, double date) {
    if (homeGoals < 0 || awayGoals < 0 || homeGoals > kMaxPredictedGoals || awayGoals > kMaxPredictedGoals)
        return Status::Error("A score must be between 0 and " + std::to_string(kMaxPredictedGoals) + ".");
    ResultRecord& match = division.Results[fixture];
    match.HomeGoals = static_cast<std::uint8_t>(homeGoals);
    match.AwayGoals = static_cast<std::uint8_t>(awayGoals);
    if (date != 0)
        match.MatchDate = date;
    match.Predicted = true;
    division.DataChanged = true;
    return Status::Ok();
}

double PredictCalendarStart(const Division& division, int fixture, double predictDate) {
    const double own = division.Results[fixture].MatchDate;
    return own != 0 ? own : predictDate;
}

std::string PredictDialogDate(const Division& division, int fixture, double predictDate, double today,
                              const DateFormat& format) {
    const double own = division.Results[fixture].MatchDate;
    if (own != 0)
        return format.Format(own);
    return predictDate != today ? format.Format(predictDate) : std::string();
}

} // namespace vantorel
