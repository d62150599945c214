#include "store/Division.h"

#include <optional>
#include <string>

#include "store/TextCodec.h"

namespace vantorel {

int Division::FindTeam(std::string_view name) const {
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return 0;
    for (int t = 1; t <= Header.TeamCount + 1 && t <= kTeamSlots; ++t)
        if (Teams[t].Name.stored() == *stored)
            return t;
    return 0;
}

int Division::FindPlayer(std::string_view name) const {
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return 0;
    for (int p = 1; p <= Header.PlayerCount; ++p)
        if (Players[p].Name.stored() == *stored)
            return p;
    return 0;
}

int Division::FindFixture(int homeTeam, int awayTeam) const {
    for (int r = 1; r <= Header.ResultCount; ++r) {
        const ResultRecord& fixture = Results[r];
        if (!fixture.Played && fixture.HomeTeam == homeTeam && fixture.AwayTeam == awayTeam)
            return r;
    }
    return 0;
}

namespace {

// Adds sign × the points of result r to its teams, and sign games to both.
void ApplyResult(Division& division, int result, int sign) {
    const ResultRecord& match = division.Results[result];
    TeamRecord& home = division.Teams[match.HomeTeam];
    TeamRecord& away = division.Teams[match.AwayTeam];
    const int win = division.Header.WinPoints;
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
    division.DataChanged = true;
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

void Division::CreditResult(int result) {
    ApplyResult(*this, result, +1);
}

void Division::DebitResult(int result) {
    ApplyResult(*this, result, -1);
}

void Division::ChangeWinPoints(int winPoints) {
    const int change = winPoints - Header.WinPoints;
    for (int r = 1; r <= Header.ResultCount; ++r) {
        const ResultRecord& match = Results[r];
        if (!match.Played)
            continue;
        if (const int winner = WinnerOf(match))
            Teams[winner].Points = static_cast<std::int16_t>(Teams[winner].Points + change);
    }
    Header.WinPoints = static_cast<std::uint8_t>(winPoints);
    DataChanged = true;
}

void Division::SetDeduction(int team, int deduction) {
    TeamRecord& record = Teams[team];
    if (record.Deduction == deduction)
        return;
    record.Points = static_cast<std::int16_t>(record.Points + record.Deduction - deduction);
    record.Deduction = static_cast<std::uint16_t>(deduction);
    DataChanged = true;
}

namespace {

template <typename Record, int Capacity>
Status Append(RecordArray<Record, Capacity>& records, std::int16_t& count, const Record& record,
              const char* what, bool& dataChanged) {
    if (count >= Capacity)
        return Status::Error("The league already holds the largest possible number of " + std::string(what) +
                             " (" + std::to_string(Capacity) + "). Nothing was added.");
    ++count;
    records[count] = record;
    dataChanged = true;
    return Status::Ok();
}

} // namespace

Status Division::AddGoal(const GoalRecord& goal) {
    return Append(Goals, Header.GoalCount, goal, "goals", DataChanged);
}

Status Division::AddPlayer(const PlayerRecord& player) {
    return Append(Players, Header.PlayerCount, player, "players", DataChanged);
}

Status Division::AddSquad(const SquadRecord& squad) {
    return Append(Squads, Header.SquadCount, squad, "squads", DataChanged);
}

Status Division::DeletePlayer(int player) {
    if (player < 1 || player > Header.PlayerCount)
        return Status::Error("There is no such player to delete.");
    bool referenced = false;
    for (int g = 1; g <= Header.GoalCount && !referenced; ++g)
        referenced = Goals[g].Player == player;
    for (int s = 1; s <= Header.SquadCount && !referenced; ++s)
        for (const SquadEntry& line : Squads[s].Entries)
            referenced = referenced || line.Player == player;
    if (referenced)
        return Status::Error(
            "The selected player has goals assigned or appears in a squad. Delete not performed.");

    for (int p = player; p < Header.PlayerCount; ++p)
        Players[p] = Players[p + 1];
    for (int g = 1; g <= Header.GoalCount; ++g)
        if (Goals[g].Player > player)
            --Goals[g].Player;
    for (int s = 1; s <= Header.SquadCount; ++s)
        for (SquadEntry& line : Squads[s].Entries)
            if (line.Player > player)
                --line.Player;
    --Header.PlayerCount;
    DataChanged = true;
    return Status::Ok();
}

void Division::PlaceTransferredOut() {
    Teams[Header.TeamCount + 1].Name.assignStored(kTransferredOut);
}

} // namespace vantorel
