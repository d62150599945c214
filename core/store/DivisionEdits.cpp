#include "store/DivisionEdits.h"

#include <string>

#include "store/DivisionWriter.h"
#include "store/MatchOutcome.h"

namespace vantorel {
namespace {

// Adds sign × the points of result r to its teams, and sign games to both.
void ApplyResult(Division& division, int result, int sign) {
    const ResultRecord& match = division.Results[result];
    DivisionWriter writer(division);
    TeamRecord& home = writer.Team(match.HomeTeam);
    TeamRecord& away = writer.Team(match.AwayTeam);
    const int win = division.Header().WinPoints;
    home.Points =
        static_cast<std::int16_t>(home.Points + sign * PointsFor(OutcomeFor(match, match.HomeTeam), win));
    away.Points =
        static_cast<std::int16_t>(away.Points + sign * PointsFor(OutcomeFor(match, match.AwayTeam), win));
    home.Played = static_cast<std::uint8_t>(home.Played + sign);
    away.Played = static_cast<std::uint8_t>(away.Played + sign);
}

} // namespace

void CreditResult(Division& division, int result) {
    ApplyResult(division, result, +1);
}

void DebitResult(Division& division, int result) {
    ApplyResult(division, result, -1);
}

void ChangeWinPoints(Division& division, int winPoints) {
    DivisionWriter writer(division);
    const int change = winPoints - division.Header().WinPoints;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played)
            continue;
        for (const int team : {match.HomeTeam, match.AwayTeam})
            if (OutcomeFor(match, team) == GameOutcome::Won)
                writer.Team(team).Points = static_cast<std::int16_t>(division.Teams[team].Points + change);
    }
    writer.Header().WinPoints = static_cast<std::uint8_t>(winPoints);
}

namespace {

// Appends a record through the writer's accessor for that array; count is the header's count of it.
template <typename Record, typename Slot>
Status Append(Division& division, std::int16_t DivisionHeader::*count, int capacity, const Record& record,
              const char* what, Slot slot) {
    if (division.Header().*count >= capacity)
        return Status::Error("The league already holds the largest possible number of " + std::string(what) +
                             " (" + std::to_string(capacity) + "). Nothing was added.");
    DivisionWriter writer(division);
    const int index = ++(writer.Header().*count);
    (writer.*slot)(index) = record;
    return Status::Ok();
}

} // namespace

Status AddGoal(Division& division, const GoalRecord& goal) {
    return Append(division, &DivisionHeader::GoalCount, kMaxGoals, goal, "goals", &DivisionWriter::Goal);
}

Status AddPlayer(Division& division, const PlayerRecord& player) {
    return Append(division, &DivisionHeader::PlayerCount, kMaxPlayers, player, "players",
                  &DivisionWriter::Player);
}

Status AddSquad(Division& division, const SquadRecord& squad) {
    return Append(division, &DivisionHeader::SquadCount, kMaxSquads, squad, "squads", &DivisionWriter::Squad);
}

void PlaceTransferredOut(Division& division) {
    DivisionWriter(division).Team(division.Header().TeamCount + 1).Name.assignStored(kTransferredOut);
}

} // namespace vantorel
