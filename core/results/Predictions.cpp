#include "results/Predictions.h"

#include <string>

#include "store/DivisionWriter.h"

namespace vantorel {

void TogglePredicted(Division& division, int fixture) {
    ResultRecord& match = DivisionWriter(division).Result(fixture);
    match.Predicted = !match.Predicted;
}

void MarkPredicted(Division& division, int fixture, bool predicted) {
    DivisionWriter(division).Result(fixture).Predicted = predicted;
}

bool SpinPredictedScore(Division& division, int fixture, bool homeGoals, bool up) {
    const ResultRecord& current = division.Results[fixture];
    const int shown = homeGoals ? current.HomeGoals : current.AwayGoals;
    if (up ? shown >= kMaxPredictedGoals : shown == 0)
        return false;
    ResultRecord& match = DivisionWriter(division).Result(fixture);
    std::uint8_t& goals = homeGoals ? match.HomeGoals : match.AwayGoals;
    goals = static_cast<std::uint8_t>(up ? goals + 1 : goals - 1);
    if (up)
        match.Predicted = true;
    return true;
}

bool ApplyQuickDate(Division& division, int fixture, double predictDate, double today) {
    if (division.Results[fixture].MatchDate != 0 || predictDate == today)
        return false;
    DivisionWriter(division).Result(fixture).MatchDate = predictDate;
    return true;
}

Status SetPrediction(Division& division, int fixture, int homeGoals, int awayGoals, double date) {
    if (homeGoals < 0 || awayGoals < 0 || homeGoals > kMaxPredictedGoals || awayGoals > kMaxPredictedGoals)
        return Status::Error("A score must be between 0 and " + std::to_string(kMaxPredictedGoals) + ".");
    ResultRecord& match = DivisionWriter(division).Result(fixture);
    match.HomeGoals = static_cast<std::uint8_t>(homeGoals);
    match.AwayGoals = static_cast<std::uint8_t>(awayGoals);
    if (date != 0)
        match.MatchDate = date;
    match.Predicted = true;
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
