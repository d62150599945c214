#include "players/GoalRecords.h"

#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"

namespace vantorel {

std::vector<int> RecordGoals(Division& division, int result) {
    const ResultRecord& match = division.Results[result];
    std::vector<int> added;
    auto addFor = [&](int team, int goals) {
        for (int k = 0; k < goals; ++k)
            if (AddGoal(division, {static_cast<std::uint16_t>(result), static_cast<std::uint16_t>(team), 0, 0,
                                   false, false}))
                added.push_back(division.Header().GoalCount);
    };
    addFor(match.HomeTeam, match.HomeGoals);
    addFor(match.AwayTeam, match.AwayGoals);
    return added;
}

void DeleteGoals(Division& division, int result) {
    DivisionWriter writer(division);
    int kept = 0;
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord goal = division.Goals[g];
        if (goal.Result != result) {
            if (++kept != g)
                writer.Goal(kept) = goal;
            continue;
        }
        if (!goal.OwnGoal && goal.Player != 0)
            --writer.Player(goal.Player).Goals;
    }
    if (kept != division.Header().GoalCount)
        writer.Header().GoalCount = static_cast<std::int16_t>(kept);
}

Status CheckRoomForGoals(const Division& division, int goals) {
    if (division.Header().GoalCount + goals > kMaxGoals)
        return Status::Error("The league has room for only " +
                             std::to_string(kMaxGoals - division.Header().GoalCount) + " more goals (" +
                             std::to_string(kMaxGoals) + " in all). Nothing was changed.");
    return Status::Ok();
}

std::vector<NumberedGoal> NumberGoalsBySide(const Division& division, const std::vector<int>& newGoals) {
    std::vector<NumberedGoal> numbered;
    if (newGoals.empty())
        return numbered;
    const int homeTeam = division.Results[division.Goals[newGoals.front()].Result].HomeTeam;
    int homeNumber = 0;
    int awayNumber = 0;
    for (int goal : newGoals)
        numbered.push_back({goal, division.Goals[goal].Team == homeTeam ? ++homeNumber : ++awayNumber});
    return numbered;
}

} // namespace vantorel
