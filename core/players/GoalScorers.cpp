#include "players/GoalScorers.h"

#include "players/Players.h"
#include "store/DivisionWriter.h"

namespace vantorel {

std::string GoalMatchText(const Division& division, int goal) {
    const ResultRecord& match = division.Results[division.Goals[goal].Result];
    return TeamName(division, match.HomeTeam) + " v " + TeamName(division, match.AwayTeam);
}

std::string GoalText(const Division& division, int goal, int goalNumber) {
    const std::string team = TeamName(division, division.Goals[goal].Team);
    if (goalNumber != 0)
        return "Goal " + std::to_string(goalNumber) + " for " + team;
    return "Goal for " + team;
}

int OwnGoalTeam(const Division& division, int goal) {
    const GoalRecord& record = division.Goals[goal];
    const ResultRecord& match = division.Results[record.Result];
    return record.Team == match.HomeTeam ? match.AwayTeam : match.HomeTeam;
}

int ScorerTeam(const Division& division, int goal, bool ownGoal) {
    return ownGoal ? OwnGoalTeam(division, goal) : division.Goals[goal].Team;
}

std::vector<std::string> ScorerNames(const Division& division, int team, int keep) {
    std::vector<int> players;
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        if (division.Players[p].Team == team || p == keep)
            players.push_back(p);
    return NamesInOrder(division, players);
}

Status SetGoalDetails(Division& division, int goal, const GoalDetails& details) {
    if (goal < 1 || goal > division.Header().GoalCount)
        return Status::Error("There is no such goal.");
    if (details.player < 0 || details.player > division.Header().PlayerCount)
        return Status::Error("There is no such player.");
    if (details.goalTime < 0 || details.goalTime > kLatestGoalTime)
        return Status::Error("The goal time must be between 0 and " + std::to_string(kLatestGoalTime) + ".");
    const GoalRecord& current = division.Goals[goal];
    // The goal's scorer keeps it after he moves team.
    const int scorerTeam = ScorerTeam(division, goal, details.ownGoal);
    if (details.player != 0 && details.player != current.Player &&
        !MayPlayFor(division, details.player, scorerTeam))
        return Status::Error(PlayerName(division, details.player) + " is not a player of " +
                             TeamName(division, scorerTeam));
    const bool counts = !details.ownGoal && details.player != 0;
    const bool counted = !current.OwnGoal && current.Player != 0;
    if (counts && !(counted && current.Player == details.player) &&
        division.Players[details.player].Goals == kMostGoalsOfAPlayer)
        return Status::Error(PlayerName(division, details.player) + " already has " +
                             std::to_string(kMostGoalsOfAPlayer) + " goals, the most a league file holds.");
    DivisionWriter writer(division);
    if (counted)
        --writer.Player(current.Player).Goals;
    GoalRecord& record = writer.Goal(goal);
    record.Player = static_cast<std::uint16_t>(details.player);
    record.GoalTime = static_cast<std::uint16_t>(details.goalTime);
    record.OwnGoal = details.ownGoal;
    record.Penalty = details.penalty;
    if (counts)
        ++writer.Player(record.Player).Goals;
    return Status::Ok();
}

std::vector<int> GoalsOfSide(const Division& division, int result, int team) {
    std::vector<int> goals;
    for (int g = 1; g <= division.Header().GoalCount; ++g)
        if (division.Goals[g].Result == result && division.Goals[g].Team == team)
            goals.push_back(g);
    return goals;
}

} // namespace vantorel
