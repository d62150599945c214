#include "store/DivisionEdits.h"

#include <string>

#include "store/DivisionWriter.h"

namespace vantorel {
namespace {

// Adds sign × the points of result r to its teams, and sign games to both.
void ApplyResult(Division& division, int result, int sign) {
    const ResultRecord& match = division.Results[result];
    DivisionWriter writer(division);
    TeamRecord& home = writer.Team(match.HomeTeam);
    TeamRecord& away = writer.Team(match.AwayTeam);
    const int win = division.Header().WinPoints;
    if (match.HomeGoals > match.AwayGoals) {
        home.Points = static_cast<std::int16_t>(home.Points + sign * win);
    } else if (match.HomeGoals < match.AwayGoals) {
        away.Points = static_cast<std::int16_t>(away.Points + sign * win);
    } else {
        home.Points = static_cast<std::int16_t>(home.Points + sign);
        away.Points = static_cast<std::int16_t>(away.Points + sign);
    }
    home.Played = static_cast<std::uint8_t>(home.Played + sign);
    away.Played = static_cast<std::uint8_t>(away.Played + sign);
}

// The winner of a played result, 0 for a draw.
int WinnerOf(const ResultRecord& match) {
    if (match.HomeGoals > match.AwayGoals)
        return match.HomeTeam;
    if (match.HomeGoals < match.AwayGoals)
        return match.AwayTeam;
    return 0;
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
        if (const int winner = WinnerOf(match))
            writer.Team(winner).Points = static_cast<std::int16_t>(division.Teams[winner].Points + change);
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
