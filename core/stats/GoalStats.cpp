#include "stats/GoalStats.h"

#include <algorithm>

#include "store/Names.h"

namespace vantorel {
namespace {

constexpr int kHatTrickGoals = 3;

// Players are compared by their stored names, character code by character code.
bool NameBefore(const Division& division, int playerA, int playerB) {
    return division.Players[playerA].Name.stored() < division.Players[playerB].Name.stored();
}

std::vector<StatsLine> TopScorers(const Division& division) {
    int maxGoals = 0;
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        maxGoals = std::max<int>(maxGoals, division.Players[p].Goals);
    const int threshold = TopScorerThreshold(maxGoals);
    std::vector<int> listed;
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        if (division.Players[p].Goals >= threshold)
            listed.push_back(p);
    std::stable_sort(listed.begin(), listed.end(), [&](int a, int b) {
        const int goalsA = division.Players[a].Goals, goalsB = division.Players[b].Goals;
        return goalsA != goalsB ? goalsA > goalsB : NameBefore(division, a, b);
    });
    std::vector<StatsLine> lines;
    for (int p : listed) {
        const PlayerRecord& player = division.Players[p];
        lines.push_back({std::to_string(player.Goals) + " " + PlayerName(division, p) + " (" +
                             TeamName(division, player.Team) + ")",
                         p});
    }
    return lines;
}

HatTrickRow MakeRow(const Division& division, const HatTrick& entry, const DateFormat& dateFormat) {
    const ResultRecord& match = division.Results[entry.Result];
    const int against = entry.Team == match.HomeTeam ? match.AwayTeam : match.HomeTeam;
    return {std::to_string(entry.Count),
            PlayerName(division, entry.Player),
            TeamName(division, entry.Team),
            TeamName(division, against),
            dateFormat.Format(match.MatchDate),
            entry.Player,
            entry.Result};
}

// "Count (Team)" of the team with the most, the lowest index winning a tie; empty when no team has one.
std::string MostByTeam(const Division& division, const std::vector<int>& counts) {
    int best = 0, bestTeam = 0;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        if (counts[static_cast<std::size_t>(t)] > best) {
            best = counts[static_cast<std::size_t>(t)];
            bestTeam = t;
        }
    return bestTeam == 0 ? std::string() : std::to_string(best) + " (" + TeamName(division, bestTeam) + ")";
}

void AddPenaltyAndOwnGoalFigures(const Division& division, GoalStatistics& stats) {
    const auto teamSlots = static_cast<std::size_t>(division.Header().TeamCount + 1);
    std::vector<int> scored(teamSlots), conceded(teamSlots);
    std::vector<int> ownGoalsOf(static_cast<std::size_t>(division.Header().PlayerCount + 1));
    int penalties = 0, ownGoals = 0;
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Penalty) {
            ++penalties;
            const ResultRecord& match = division.Results[goal.Result];
            for (int t = 1; t <= division.Header().TeamCount; ++t) {
                if (goal.Team == t)
                    ++scored[static_cast<std::size_t>(t)];
                else if (match.HomeTeam == t || match.AwayTeam == t)
                    ++conceded[static_cast<std::size_t>(t)];
            }
        }
        if (goal.OwnGoal) {
            ++ownGoals;
            if (goal.Player != 0 && goal.Player <= division.Header().PlayerCount)
                ++ownGoalsOf[goal.Player];
        }
    }
    int mostOwn = 0, mostOwnPlayer = 0;
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        if (ownGoalsOf[static_cast<std::size_t>(p)] > mostOwn) {
            mostOwn = ownGoalsOf[static_cast<std::size_t>(p)];
            mostOwnPlayer = p;
        }
    stats.figures = {
        {"Penalties:", "Number Scored:", std::to_string(penalties)},
        {"Penalties:", "Most Against:", MostByTeam(division, conceded)},
        {"Penalties:", "Most Scored:", MostByTeam(division, scored)},
        {"Own Goals", "Total:", std::to_string(ownGoals)},
        {"Own Goals", "Most:",
         mostOwnPlayer == 0 ? std::string()
                            : std::to_string(mostOwn) + " " + PlayerName(division, mostOwnPlayer)},
    };
}

} // namespace

int TopScorerThreshold(int maxGoals) {
    const int threshold = maxGoals - 10;
    if (threshold < 1)
        return 2;
    return std::min(threshold, 5);
}

std::vector<HatTrick> GoalsPerMatch(const Division& division) {
    std::vector<HatTrick> found;
    std::vector<HatTrick> tally; // the current match's scorers
    int currentResult = 0;
    auto flush = [&] {
        for (const HatTrick& entry : tally)
            if (entry.Count >= kHatTrickGoals)
                found.push_back(entry);
        tally.clear();
    };
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        if (goal.Result != currentResult) {
            flush();
            currentResult = goal.Result;
        }
        if (goal.OwnGoal || goal.Player == 0)
            continue;
        auto entry = std::find_if(tally.begin(), tally.end(),
                                  [&](const HatTrick& scorer) { return scorer.Player == goal.Player; });
        if (entry != tally.end())
            ++entry->Count;
        else
            tally.push_back({goal.Player, 1, currentResult, goal.Team});
    }
    flush();
    std::stable_sort(found.begin(), found.end(), [&](const HatTrick& a, const HatTrick& b) {
        if (a.Count != b.Count)
            return a.Count > b.Count;
        const std::string_view nameA = division.Players[a.Player].Name.stored();
        const std::string_view nameB = division.Players[b.Player].Name.stored();
        if (nameA != nameB)
            return nameA < nameB;
        return division.Results[a.Result].MatchDate < division.Results[b.Result].MatchDate;
    });
    return found;
}

GoalStatistics GoalStats(const Division& division, const DateFormat& dateFormat) {
    GoalStatistics stats;
    for (int g = 1; g <= division.Header().GoalCount && !stats.HasScorers; ++g)
        stats.HasScorers = division.Goals[g].Player != 0;
    if (!stats.HasScorers)
        return stats;
    stats.TopScorers = TopScorers(division);
    for (const HatTrick& entry : GoalsPerMatch(division))
        stats.GoalsPerMatch.push_back(MakeRow(division, entry, dateFormat));
    AddPenaltyAndOwnGoalFigures(division, stats);
    return stats;
}

} // namespace vantorel
