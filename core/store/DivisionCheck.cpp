#include "store/DivisionCheck.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "store/Dates.h"
#include "store/DivisionWriter.h"
#include "store/MatchOutcome.h"
#include "store/Names.h"
#include "store/TextCodec.h"

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

// The goals a player's total can hold, and the goals it counts.
constexpr int kMostGoals = 255;
bool CountsForScorer(const GoalRecord& goal) {
    return !goal.OwnGoal && goal.Player != 0;
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

// A squad record belongs to one side of one fixture: editing it through one link must not change another.
Status CheckSquadLinks(const Division& division) {
    const DivisionHeader& header = division.Header();
    std::vector<int> linkedFrom(static_cast<std::size_t>(header.SquadCount) + 1, 0);
    for (int r = 1; r <= header.ResultCount; ++r)
        for (const int squad : {division.Results[r].HomeSquad, division.Results[r].AwaySquad}) {
            if (squad == 0)
                continue;
            int& first = linkedFrom[static_cast<std::size_t>(squad)];
            if (first != 0)
                return Damaged("squad " + std::to_string(squad) + " is linked from result " +
                               std::to_string(first) +
                               (first == r ? " twice" : " and from result " + std::to_string(r)));
            first = r;
        }
    return Status::Ok();
}

Status CheckResults(const Division& division) {
    const DivisionHeader& header = division.Header();
    for (int r = 1; r <= header.ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        const std::string which = "result " + std::to_string(r);
        if (!InRange(match.HomeTeam, 1, header.TeamCount))
            return Damaged(which + " names home team " + std::to_string(match.HomeTeam) + " of " +
                           Count(header.TeamCount, "teams"));
        if (!InRange(match.AwayTeam, 1, header.TeamCount))
            return Damaged(which + " names away team " + std::to_string(match.AwayTeam) + " of " +
                           Count(header.TeamCount, "teams"));
        if (!IsStorableDate(match.MatchDate))
            return Damaged(which + " has a date that is no day of the years 1 to 9999");
        if (match.HomeSquad > header.SquadCount || match.AwaySquad > header.SquadCount)
            return Damaged(which + " points to a squad past the " + Count(header.SquadCount, "squads"));
    }
    return CheckSquadLinks(division);
}

Status CheckGoals(const Division& division) {
    const DivisionHeader& header = division.Header();
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
    // A player's goal total is one byte: more goals would wrap round and show a small total.
    std::vector<int> scored(static_cast<std::size_t>(header.PlayerCount) + 1, 0);
    for (int g = 1; g <= header.GoalCount; ++g)
        if (const GoalRecord& goal = division.Goals[g];
            CountsForScorer(goal) && ++scored[goal.Player] > kMostGoals)
            return Damaged("player " + std::to_string(goal.Player) + " is credited with more than " +
                           std::to_string(kMostGoals) + " goals, the most a player's total holds");
    return Status::Ok();
}

Status CheckPlayersAndTeams(const Division& division) {
    const DivisionHeader& header = division.Header();
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
    const DivisionHeader& header = division.Header();
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

// The running totals as the results and goal records give them.
struct Recount {
    std::vector<int> played, points, goals;
};

Recount CountTotals(const Division& division) {
    const DivisionHeader& header = division.Header();
    Recount count{std::vector<int>(static_cast<std::size_t>(header.TeamCount) + 1, 0),
                  std::vector<int>(static_cast<std::size_t>(header.TeamCount) + 1, 0),
                  std::vector<int>(static_cast<std::size_t>(header.PlayerCount) + 1, 0)};
    for (int t = 1; t <= header.TeamCount; ++t)
        count.points[static_cast<std::size_t>(t)] = -division.Teams[t].Deduction;
    for (int r = 1; r <= header.ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played)
            continue;
        const auto home = static_cast<std::size_t>(match.HomeTeam);
        const auto away = static_cast<std::size_t>(match.AwayTeam);
        ++count.played[home];
        ++count.played[away];
        count.points[home] += PointsFor(OutcomeFor(match, match.HomeTeam), header.WinPoints);
        count.points[away] += PointsFor(OutcomeFor(match, match.AwayTeam), header.WinPoints);
    }
    for (int g = 1; g <= header.GoalCount; ++g)
        if (const GoalRecord& goal = division.Goals[g]; CountsForScorer(goal))
            ++count.goals[goal.Player];
    return count;
}

// The totals as the record fields hold them: the same arithmetic the edits use, so that a league kept by
// its edits always agrees with its recount.
std::uint8_t AsPlayed(int count) {
    return static_cast<std::uint8_t>(count);
}
std::int16_t AsPoints(int count) {
    return static_cast<std::int16_t>(count);
}

// "team N (NAME)", as a refusal names a team.
std::string TeamLabel(const Division& division, int team) {
    return "team " + std::to_string(team) + " (" + TeamName(division, team) + ")";
}

void CheckTotals(const Division& division, std::vector<std::string>& broken) {
    const Recount count = CountTotals(division);
    for (int t = 1; t <= division.Header().TeamCount; ++t) {
        const TeamRecord& team = division.Teams[t];
        const auto i = static_cast<std::size_t>(t);
        if (team.Played != AsPlayed(count.played[i]))
            broken.push_back(TeamLabel(division, t) + " has Played " + std::to_string(team.Played) +
                             " but took part in " + std::to_string(count.played[i]) + " played results");
        if (team.Points != AsPoints(count.points[i]))
            broken.push_back(TeamLabel(division, t) + " has Points " + std::to_string(team.Points) +
                             " but its results and deduction give " + std::to_string(count.points[i]));
    }
    for (int p = 1; p <= division.Header().PlayerCount; ++p) {
        const PlayerRecord& player = division.Players[p];
        const int goals = count.goals[static_cast<std::size_t>(p)];
        if (player.Goals != AsPlayed(goals))
            broken.push_back("player " + std::to_string(p) + " (" + PlayerName(division, p) + ") has Goals " +
                             std::to_string(player.Goals) + " but scored " + std::to_string(goals) +
                             " goals in the goal records");
    }
}

void CheckMatches(const Division& division, std::vector<std::string>& broken) {
    const DivisionHeader& header = division.Header();
    std::vector<int> homeGoals(static_cast<std::size_t>(header.ResultCount) + 1, 0);
    std::vector<int> awayGoals(homeGoals.size(), 0);
    for (int g = 1; g <= header.GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        const ResultRecord& match = division.Results[goal.Result];
        const std::string which = "goal " + std::to_string(g);
        if (!match.Played)
            broken.push_back(which + " belongs to result " + std::to_string(goal.Result) +
                             ", which has not been played");
        else if (goal.Team == match.HomeTeam)
            ++homeGoals[goal.Result];
        else if (goal.Team == match.AwayTeam)
            ++awayGoals[goal.Result];
        else
            broken.push_back(which + " is credited to team " + std::to_string(goal.Team) +
                             ", which did not play in result " + std::to_string(goal.Result));
    }
    for (int r = 1; r <= header.ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        const std::string which = "result " + std::to_string(r);
        const auto i = static_cast<std::size_t>(r);
        if (match.HomeTeam == match.AwayTeam)
            broken.push_back(which + " has " + TeamLabel(division, match.HomeTeam) + " playing itself");
        if (match.Played && (homeGoals[i] > match.HomeGoals || awayGoals[i] > match.AwayGoals))
            broken.push_back(which + " has more goal records (" + std::to_string(homeGoals[i]) + "-" +
                             std::to_string(awayGoals[i]) + ") than its score (" +
                             std::to_string(match.HomeGoals) + "-" + std::to_string(match.AwayGoals) + ")");
    }
}

void CheckTeamNames(const Division& division, std::vector<std::string>& broken) {
    std::map<std::string_view, int> first;
    for (int t = 1; t <= division.Header().TeamCount; ++t) {
        const auto [at, added] = first.emplace(division.Teams[t].Name.stored(), t);
        if (!added)
            broken.push_back(TeamLabel(division, t) + " has the same name as team " +
                             std::to_string(at->second));
    }
}

struct ZoneField {
    const char* name;
    std::uint8_t DivisionHeader::*count;
};
constexpr ZoneField kZones[] = {{"promotion", &DivisionHeader::PromoteCount},
                                {"play-off", &DivisionHeader::PlayoffCount},
                                {"relegation", &DivisionHeader::RelegateCount}};

bool IsKnownRuleCode(char code) {
    return kSortRuleCodes.find(code) != std::string_view::npos;
}

bool MakesARuleActive(std::string_view codes) {
    return std::any_of(codes.begin(), codes.end(), [](char code) { return !IsSortRuleModifier(code); });
}

void CheckSettings(const Division& division, std::vector<std::string>& broken) {
    const DivisionHeader& header = division.Header();
    for (const ZoneField& zone : kZones)
        if (header.*zone.count > header.TeamCount)
            broken.push_back(std::string("the ") + zone.name + " zone holds " +
                             std::to_string(header.*zone.count) + " teams but the league has " +
                             std::to_string(header.TeamCount));
    const std::string_view rules = header.SortRules.stored();
    for (char code : rules)
        if (!IsKnownRuleCode(code))
            broken.push_back("the sort rules hold the unknown code '" +
                             Windows1252ToUtf8(std::string(1, code)) + "'");
    if (!MakesARuleActive(ActiveRuleCodes(rules)))
        broken.push_back("the sort rules make no rule active");
}

} // namespace

std::string ActiveRuleCodes(std::string_view sortRules) {
    std::string codes;
    for (char code : sortRules)
        if (IsKnownRuleCode(code) && codes.find(code) == std::string::npos &&
            codes.size() < kMaxSortRuleCodes)
            codes += code;
    return codes;
}

bool MendSettings(Division& division) {
    DivisionHeader header = division.Header();
    bool changed = false;
    for (const ZoneField& zone : kZones)
        if (header.*zone.count > header.TeamCount) {
            header.*zone.count = static_cast<std::uint8_t>(header.TeamCount);
            changed = true;
        }
    const std::string stored(header.SortRules.stored());
    std::string rules = ActiveRuleCodes(stored);
    if (!MakesARuleActive(rules))
        rules = kDefaultSortRules;
    if (rules != stored) {
        header.SortRules.assignStored(rules);
        changed = true;
    }
    if (changed)
        DivisionWriter(division).Header() = header;
    return changed;
}

bool IsStorableDate(double dayNumber) {
    static const double kFirst = *DayNumberOf({1, 1, 1});
    static const double kPastLast = *DayNumberOf({9999, 12, 31}) + 1;
    // Written so that NaN fails the range test.
    return dayNumber == 0 || (dayNumber >= kFirst && dayNumber < kPastLast);
}

std::vector<std::string> BrokenRules(const Division& division) {
    std::vector<std::string> broken;
    CheckMatches(division, broken);
    CheckTeamNames(division, broken);
    CheckTotals(division, broken);
    CheckSettings(division, broken);
    return broken;
}

bool RecomputeRunningTotals(Division& division) {
    const Recount count = CountTotals(division);
    DivisionWriter writer(division);
    bool changed = false;
    // Writes only a total that differs, so that a sound league stays unchanged.
    auto store = [&changed](const auto& current, auto value, auto write) {
        if (current == value)
            return;
        changed = true;
        write() = value;
    };
    for (int t = 1; t <= division.Header().TeamCount; ++t) {
        const TeamRecord& team = division.Teams[t];
        store(
            team.Played, AsPlayed(count.played[static_cast<std::size_t>(t)]), [&]() -> auto& {
                return writer.Team(t).Played;
            });
        store(
            team.Points, AsPoints(count.points[static_cast<std::size_t>(t)]), [&]() -> auto& {
                return writer.Team(t).Points;
            });
    }
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        store(
            division.Players[p].Goals, AsPlayed(count.goals[static_cast<std::size_t>(p)]), [&]() -> auto& {
                return writer.Player(p).Goals;
            });
    return changed;
}

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
    for (auto check : {+[](const Division& d) { return CheckCounts(d.Header()); },
                       +[](const Division& d) { return CheckHeader(d.Header()); }, &CheckPlayersAndTeams,
                       &CheckResults, &CheckGoals, &CheckSquads})
        if (auto status = check(division); !status)
            return status;
    return Status::Ok();
}

} // namespace vantorel
