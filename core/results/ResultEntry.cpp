#include "results/ResultEntry.h"

#include <string>

#include "players/GoalRecords.h"
#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"
#include "store/Names.h"

namespace vantorel {
namespace {

Status CheckScore(int homeGoals, int awayGoals) {
    if (homeGoals < 0 || awayGoals < 0 || homeGoals > kMaxGoalsInAMatch || awayGoals > kMaxGoalsInAMatch)
        return Status::Error("A score must be between 0 and " + std::to_string(kMaxGoalsInAMatch) + ".");
    return Status::Ok();
}

// Refuses an edit of a played result's score for a fixture that has not been played.
Status CheckPlayed(const Division& division, int result) {
    if (!division.Results[result].Played)
        return Status::Error("match " + std::to_string(division.Results[result].MatchNo) +
                             " has not been played");
    return Status::Ok();
}

void StoreScore(ResultRecord& match, int homeGoals, int awayGoals) {
    match.HomeGoals = static_cast<std::uint8_t>(homeGoals);
    match.AwayGoals = static_cast<std::uint8_t>(awayGoals);
}

} // namespace

Status EnterResult(Division& division, const ResultEntry& entry, int* fixture, std::vector<int>* newGoals) {
    const int teams = division.Header().TeamCount;
    if (entry.homeTeam < 1 || entry.homeTeam > teams || entry.awayTeam < 1 || entry.awayTeam > teams)
        return Status::Error("Both teams must be teams of this league.");
    if (entry.homeTeam == entry.awayTeam)
        return Status::Error("A team cannot play itself.");
    if (auto status = CheckScore(entry.homeGoals, entry.awayGoals); !status)
        return status;
    if (entry.attendance < 0)
        return Status::Error(kNegativeAttendance);
    const int found = division.FindFixture(entry.homeTeam, entry.awayTeam);
    if (found == 0)
        return Status::Error("Every match of " + TeamName(division, entry.homeTeam) + " at home to " +
                             TeamName(division, entry.awayTeam) + " has already been played.");
    if (auto status = CheckRoomForGoals(division, entry.homeGoals + entry.awayGoals); !status)
        return status;

    ResultRecord& match = DivisionWriter(division).Result(found);
    match.Played = true;
    StoreScore(match, entry.homeGoals, entry.awayGoals);
    match.MatchDate = entry.date;
    match.Attendance = entry.attendance;
    CreditResult(division, found);
    std::vector<int> goals = RecordGoals(division, found);
    if (fixture)
        *fixture = found;
    if (newGoals)
        *newGoals = std::move(goals);
    return Status::Ok();
}

int FindPlayedResult(const Division& division, int homeTeam, int awayTeam) {
    for (int r = division.Header().ResultCount; r >= 1; --r) {
        const ResultRecord& match = division.Results[r];
        if (match.Played && match.HomeTeam == homeTeam && match.AwayTeam == awayTeam)
            return r;
    }
    return 0;
}

int FindMatch(const Division& division, int matchNo) {
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (division.Results[r].MatchNo == matchNo)
            return r;
    return 0;
}

void ChangeResultDate(Division& division, int result, double date) {
    DivisionWriter(division).Result(result).MatchDate = date;
}

Status CancelResult(Division& division, int result) {
    if (auto status = CheckPlayed(division, result); !status)
        return status;
    DeleteGoals(division, result);
    DebitResult(division, result);
    DivisionWriter(division).Result(result).Played = false;
    return Status::Ok();
}

Status RescoreResult(Division& division, int result, int homeGoals, int awayGoals, int attendance,
                     std::vector<int>* newGoals) {
    if (auto status = CheckPlayed(division, result); !status)
        return status;
    if (auto status = CheckScore(homeGoals, awayGoals); !status)
        return status;
    if (attendance < 0)
        return Status::Error(kNegativeAttendance);
    const ResultRecord& current = division.Results[result];
    if (current.HomeGoals == homeGoals && current.AwayGoals == awayGoals) {
        // Only the crowd changed: the goal records and their scorers stay.
        DivisionWriter(division).Result(result).Attendance = attendance;
        if (newGoals)
            newGoals->clear();
        return Status::Ok();
    }
    int existingGoals = 0;
    for (int g = 1; g <= division.Header().GoalCount; ++g)
        existingGoals += division.Goals[g].Result == result ? 1 : 0;
    if (auto status = CheckRoomForGoals(division, homeGoals + awayGoals - existingGoals); !status)
        return status;

    DeleteGoals(division, result);
    DebitResult(division, result);
    ResultRecord& match = DivisionWriter(division).Result(result);
    StoreScore(match, homeGoals, awayGoals);
    match.Attendance = attendance;
    CreditResult(division, result);
    std::vector<int> goals = RecordGoals(division, result);
    if (newGoals)
        *newGoals = std::move(goals);
    return Status::Ok();
}

} // namespace vantorel
