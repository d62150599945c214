#include "store/DivisionCheck.h"

#include <string>
#include <tuple>

namespace vantorel {
namespace {

Status Damaged(const std::string& what) {
    return Status::Error("The league file is damaged: " + what + ".");
}

std::string Count(int n, const char* noun) {
    return std::to_string(n) + " " + noun;
}

Status CheckCount(int count, int capacity, const char* noun) {
    if (count < 0)
        return Damaged("it claims " + Count(count, noun));
    if (count > capacity)
        return Damaged("it holds " + Count(count, noun) + ", more than the " + std::to_string(capacity) +
                       " a league can have");
    return Status::Ok();
}

template <std::size_t N> Status CheckText(const ShortString<N>& text, const std::string& what) {
    if (text.lengthByte() > N)
        return Damaged(what + " is longer than " + std::to_string(N) + " characters");
    return Status::Ok();
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

Status CheckHeader(const DivisionHeader& header) {
    if (auto status = CheckText(header.TableName, "the table name"); !status)
        return status;
    if (auto status = CheckText(header.SortRules, "the sort rules"); !status)
        return status;
    if (header.WinPoints != 2 && header.WinPoints != 3)
        return Damaged("a win is worth " + std::to_string(header.WinPoints) + " points instead of 2 or 3");
    if (header.OwnTeam > header.TeamCount)
        return Damaged("the own team is team " + std::to_string(header.OwnTeam) + " of " +
                       Count(header.TeamCount, "teams"));
    if (!InRange(header.TeamSize, 5, 11))
        return Damaged("a team has " + std::to_string(header.TeamSize) + " players instead of 5 to 11");
    if (header.SubsCount > 5)
        return Damaged("a team has " + std::to_string(header.SubsCount) + " substitutes instead of 0 to 5");
    return Status::Ok();
}

Status CheckResults(const Division& division) {
    const DivisionHeader& header = division.Header;
    for (int r = 1; r <= header.ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        const std::string which = "result " + std::to_string(r);
        if (!InRange(match.HomeTeam, 1, header.TeamCount))
            return Damaged(which + " names home team " + std::to_string(match.HomeTeam) + " of " +
                           Count(header.TeamCount, "teams"));
        if (!InRange(match.AwayTeam, 1, header.TeamCount))
            return Damaged(which + " names away team " + std::to_string(match.AwayTeam) + " of " +
                           Count(header.TeamCount, "teams"));
        if (match.HomeSquad > header.SquadCount || match.AwaySquad > header.SquadCount)
            return Damaged(which + " points to a squad past the " + Count(header.SquadCount, "squads"));
    }
    return Status::Ok();
}

Status CheckGoals(const Division& division) {
    const DivisionHeader& header = division.Header;
    for (int g = 1; g <= header.GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        const std::string which = "goal " + std::to_string(g);
        if (!InRange(goal.Result, 1, header.ResultCount))
            return Damaged(which + " belongs to result " + std::to_string(goal.Result) + " of " +
                           Count(header.ResultCount, "results"));
        if (!InRange(goal.Team, 1, header.TeamCount))
            return Damaged(which + " is credited to team " + std::to_string(goal.Team) + " of " +
                           Count(header.TeamCount, "teams"));
        if (goal.Player > header.PlayerCount)
            return Damaged(which + " was scored by player " + std::to_string(goal.Player) + " of " +
                           Count(header.PlayerCount, "players"));
    }
    return Status::Ok();
}

Status CheckPlayersAndTeams(const Division& division) {
    const DivisionHeader& header = division.Header;
    for (int t = 1; t <= header.TeamCount; ++t)
        if (auto status = CheckText(division.Teams[t].Name, "the name of team " + std::to_string(t)); !status)
            return status;
    for (int p = 1; p <= header.PlayerCount; ++p) {
        const PlayerRecord& player = division.Players[p];
        const std::string which = "player " + std::to_string(p);
        if (auto status = CheckText(player.Name, "the name of " + which); !status)
            return status;
        // TeamCount+1 is the "Transferred-Out" slot.
        if (!InRange(player.Team, 1, header.TeamCount + 1))
            return Damaged(which + " plays for team " + std::to_string(player.Team) + " of " +
                           Count(header.TeamCount, "teams"));
    }
    return Status::Ok();
}

Status CheckSquads(const Division& division) {
    const DivisionHeader& header = division.Header;
    for (int s = 1; s <= header.SquadCount; ++s) {
        const SquadRecord& squad = division.Squads[s];
        const std::string which = "squad " + std::to_string(s);
        if (!InRange(squad.Result, 1, header.ResultCount))
            return Damaged(which + " belongs to result " + std::to_string(squad.Result) + " of " +
                           Count(header.ResultCount, "results"));
        if (!InRange(squad.Team, 1, header.TeamCount))
            return Damaged(which + " belongs to team " + std::to_string(squad.Team) + " of " +
                           Count(header.TeamCount, "teams"));
        for (const SquadEntry& line : squad.Entries)
            if (line.Player > header.PlayerCount)
                return Damaged(which + " lists player " + std::to_string(line.Player) + " of " +
                               Count(header.PlayerCount, "players"));
    }
    return Status::Ok();
}

} // namespace

Status CheckCounts(const DivisionHeader& header) {
    // Tables, grids and printouts share their width among the teams: a league has at least two.
    if (header.TeamCount >= 0 && header.TeamCount < 2)
        return Damaged("it holds " + Count(header.TeamCount, "teams") + "; a league has at least 2");
    for (const auto& [count, capacity, noun] : {std::tuple{header.TeamCount, kMaxTeams, "teams"},
                                                {header.ResultCount, kMaxResults, "results"},
                                                {header.GoalCount, kMaxGoals, "goals"},
                                                {header.PlayerCount, kMaxPlayers, "players"},
                                                {header.SquadCount, kMaxSquads, "squads"}})
        if (auto status = CheckCount(count, capacity, noun); !status)
            return status;
    return Status::Ok();
}

Status CheckDivision(const Division& division) {
    for (auto check : {+[](const Division& d) { return CheckCounts(d.Header); },
                       +[](const Division& d) { return CheckHeader(d.Header); }, &CheckPlayersAndTeams,
                       &CheckResults, &CheckGoals, &CheckSquads})
        if (auto status = check(division); !status)
            return status;
    return Status::Ok();
}

} // namespace vantorel
