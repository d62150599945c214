#include "app/StepNames.h"

#include "players/Players.h"

namespace vantorel {
namespace {

std::string Pairing(const Division& division, int result) {
    if (result < 1 || result > division.Header().ResultCount)
        return {};
    const ResultRecord& match = division.Results[result];
    return TeamName(division, match.HomeTeam) + " v " + TeamName(division, match.AwayTeam);
}

std::string Joined(std::string_view action, const std::string& subject) {
    return subject.empty() ? std::string(action) : std::string(action) + " " + subject;
}

} // namespace

std::string ScoredMatchStep(const Division& division, std::string_view action, int result) {
    std::string step = MatchStep(division, action, result);
    if (result >= 1 && result <= division.Header().ResultCount) {
        const ResultRecord& match = division.Results[result];
        step += " " + std::to_string(match.HomeGoals) + "-" + std::to_string(match.AwayGoals);
    }
    return step;
}

std::string ResultStep(const Division& division, int homeTeam, int awayTeam, int homeGoals, int awayGoals) {
    return "result " + TeamName(division, homeTeam) + " v " + TeamName(division, awayTeam) + " " +
           std::to_string(homeGoals) + "-" + std::to_string(awayGoals);
}

std::string MatchStep(const Division& division, std::string_view action, int result) {
    return Joined(action, Pairing(division, result));
}

std::string PlayerStep(const Division& division, std::string_view action, int player) {
    return Joined(action, player >= 1 && player <= division.Header().PlayerCount
                              ? PlayerName(division, player)
                              : std::string());
}

std::string TeamStep(const Division& division, std::string_view action, int team) {
    return Joined(action, team >= 1 && team <= division.Header().TeamCount ? TeamName(division, team)
                                                                           : std::string());
}

std::string ImportStep(std::string_view what) {
    return Joined("import", std::string(what));
}

} // namespace vantorel
