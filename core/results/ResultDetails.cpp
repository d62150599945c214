#include "results/ResultDetails.h"

#include <algorithm>

#include "players/Players.h"

namespace vantorel {
namespace {

constexpr int kLastFirstHalfMinute = 45;

// The scorer lines of the goals credited to one team, the goals already in time order.
std::vector<std::string> ScorerLines(const Division& division, const std::vector<int>& goals, int team) {
    std::vector<std::string> lines;
    std::vector<int> scorers;
    for (int g : goals) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Team != team)
            continue;
        const auto known = std::find(scorers.begin(), scorers.end(), goal.Player);
        std::string* line = nullptr;
        if (known != scorers.end()) {
            line = &lines[static_cast<std::size_t>(known - scorers.begin())];
            *line += ",";
        } else {
            if (static_cast<int>(lines.size()) == kMostScorerLines)
                break;
            scorers.push_back(goal.Player);
            line = &lines.emplace_back(PlayerName(division, goal.Player) + " ");
        }
        *line += std::to_string(goal.GoalTime);
        if (goal.OwnGoal)
            *line += " og";
        if (goal.Penalty)
            *line += " Pen";
    }
    return lines;
}

} // namespace

MatchReport BuildMatchReport(const Division& division, int result, const DateFormat& dates) {
    const ResultRecord& match = division.Results[result];
    MatchReport report;
    report.caption = "Result Details (" + dates.Format(match.MatchDate) + ")";
    report.home = TeamName(division, match.HomeTeam);
    report.score = std::to_string(match.HomeGoals) + " - " + std::to_string(match.AwayGoals);
    report.away = TeamName(division, match.AwayTeam);
    if (match.Attendance > 0)
        report.attendance = "Att: " + std::to_string(match.Attendance);

    std::vector<int> goals;
    int homeAtHalfTime = 0;
    int awayAtHalfTime = 0;
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Result != result || goal.Player == 0)
            continue;
        goals.push_back(g);
        if (goal.GoalTime <= kLastFirstHalfMinute)
            ++(goal.Team == match.HomeTeam ? homeAtHalfTime : awayAtHalfTime);
    }
    if (!goals.empty())
        report.halfTime = "HT: " + std::to_string(homeAtHalfTime) + " - " + std::to_string(awayAtHalfTime);

    std::stable_sort(goals.begin(), goals.end(),
                     [&](int a, int b) { return division.Goals[a].GoalTime < division.Goals[b].GoalTime; });
    report.homeLines = ScorerLines(division, goals, match.HomeTeam);
    report.awayLines = ScorerLines(division, goals, match.AwayTeam);
    return report;
}

} // namespace vantorel
