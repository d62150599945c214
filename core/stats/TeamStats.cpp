#include "stats/TeamStats.h"

#include <algorithm>

namespace vantorel {
namespace {

// The clean sheets of some games as "count (percentage%)", or "n/a" without games.
std::string CleanSheetText(int cleanSheets, int games) {
    if (games == 0)
        return "n/a";
    return std::to_string(cleanSheets) + " (" + std::to_string(cleanSheets * 100 / games) + "%)";
}

void RecordHighest(int goals, int opponent, int& highest, int& highestOpponent) {
    if (goals > highest) {
        highest = goals;
        highestOpponent = opponent;
    }
}

// Adds a home or away game to the summary, as the team saw it.
void CountGame(TeamStatistics& stats, const ResultRecord& match, bool atHome, long& attendanceSum,
               int& attendanceCount) {
    TeamSummary& s = stats.summary;
    const int goalsFor = atHome ? match.HomeGoals : match.AwayGoals;
    const int goalsAgainst = atHome ? match.AwayGoals : match.HomeGoals;
    const int opponent = atHome ? match.AwayTeam : match.HomeTeam;
    s.GoalsFor += goalsFor;
    const GameOutcome outcome = OutcomeFor(goalsFor, goalsAgainst);
    ++(outcome == GameOutcome::Won ? s.Won : outcome == GameOutcome::Drawn ? s.Drawn : s.Lost);
    if (atHome) {
        ++stats.homeGames;
        if (goalsAgainst == 0)
            ++s.HomeCleanSheets;
        RecordHighest(goalsFor, opponent, s.HighHomeFor, s.HighHomeForOpp);
        RecordHighest(goalsAgainst, opponent, s.HighHomeAgainst, s.HighHomeAgainstOpp);
        if (const auto crowd = static_cast<int>(match.Attendance); crowd > 0) {
            attendanceSum += crowd;
            s.AttHigh = std::max(s.AttHigh, crowd);
            s.AttLow = ++attendanceCount == 1 ? crowd : std::min(s.AttLow, crowd);
        }
    } else {
        ++stats.awayGames;
        if (goalsAgainst == 0)
            ++s.AwayCleanSheets;
        RecordHighest(goalsFor, opponent, s.HighAwayFor, s.HighAwayForOpp);
        RecordHighest(goalsAgainst, opponent, s.HighAwayAgainst, s.HighAwayAgainstOpp);
    }
}

const char* FormLetter(GameOutcome outcome) {
    return outcome == GameOutcome::Won ? "W" : outcome == GameOutcome::Drawn ? "D" : "L";
}

void CountPlayers(const Division& division, int team, TeamStatistics& stats) {
    const int playerCount = division.Header().PlayerCount;
    std::vector<int> entryOf(static_cast<std::size_t>(playerCount) + 1, -1);
    for (int p = 1; p <= playerCount; ++p)
        if (division.Players[p].Team == team) {
            entryOf[static_cast<std::size_t>(p)] = static_cast<int>(stats.players.size());
            stats.players.push_back({p, 0, 0, 0, 0});
        }
    auto lineOf = [&](int player) -> TeamPlayerLine* {
        if (player < 1 || player > playerCount || entryOf[static_cast<std::size_t>(player)] < 0)
            return nullptr;
        return &stats.players[static_cast<std::size_t>(entryOf[static_cast<std::size_t>(player)])];
    };
    for (const int r : stats.games) {
        const ResultRecord& match = division.Results[r];
        const int squad = match.HomeTeam == team ? match.HomeSquad : match.AwaySquad;
        if (squad < 1 || squad > division.Header().SquadCount)
            continue;
        // Only a player who was on the pitch, with a time off, made an appearance.
        for (const SquadEntry& entry : division.Squads[squad].Entries)
            if (entry.TimeOff != 0)
                if (TeamPlayerLine* line = lineOf(entry.Player))
                    ++line->Appearances;
    }
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const GoalRecord& goal = division.Goals[g];
        TeamPlayerLine* line = lineOf(goal.Player);
        if (line == nullptr)
            continue;
        ++(goal.OwnGoal ? line->OwnGoals : line->Goals);
        if (goal.Penalty)
            ++line->Penalties;
    }
}

} // namespace

TeamStatistics TeamStats(const Division& division, int team) {
    TeamStatistics stats;
    TeamSummary& s = stats.summary;
    s.Team = team;
    long attendanceSum = 0;
    int attendanceCount = 0;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played || (match.HomeTeam != team && match.AwayTeam != team))
            continue;
        stats.games.push_back(r);
        CountGame(stats, match, match.HomeTeam == team, attendanceSum, attendanceCount);
    }
    s.GameCount = static_cast<int>(stats.games.size());
    if (attendanceCount > 0)
        s.AttAverage = static_cast<int>(attendanceSum / attendanceCount);

    // Newest first; a stable order keeps results of one date in record order.
    std::stable_sort(stats.games.begin(), stats.games.end(), [&](int a, int b) {
        return division.Results[a].MatchDate > division.Results[b].MatchDate;
    });
    // Walking newest first and putting each letter in front leaves the newest letter last.
    for (std::size_t i = 0; i < stats.games.size() && i < 10; ++i) {
        const ResultRecord& match = division.Results[stats.games[i]];
        std::string& form = match.HomeTeam == team ? s.HomeForm : s.AwayForm;
        form.insert(0, FormLetter(OutcomeFor(match, team)));
    }
    stats.formSummary = FormSummary(division, team, stats.games);
    CountPlayers(division, team, stats);
    return stats;
}

std::string FormSummary(const Division& division, int team, const std::vector<int>& games) {
    if (games.size() <= 3)
        return {};
    int wins = 0, losses = 0, winRun = 0, unbeatenRun = 0, points = 0, lossRun = 0, firstWin = 0;
    int oneWinSpan = 0, oneLossSpan = 0, homeGames = 0;
    bool winRunOn = true, unbeatenOn = true, wonAway = false, homeUnbeaten = true, homeAllWon = true;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        const ResultRecord& match = division.Results[games[i]];
        const bool atHome = match.HomeTeam == team;
        const GameOutcome outcome = OutcomeFor(match, team);
        homeGames += atHome ? 1 : 0;
        points += PointsFor(outcome, division.Header().WinPoints);
        if (outcome == GameOutcome::Won) {
            ++wins;
            winRun += winRunOn ? 1 : 0;
            unbeatenRun += unbeatenOn ? 1 : 0;
            if (firstWin == 0)
                firstWin = position;
            wonAway = wonAway || !atHome;
        } else if (outcome == GameOutcome::Drawn) {
            winRunOn = false;
            unbeatenRun += unbeatenOn ? 1 : 0;
            homeAllWon = homeAllWon && !atHome;
        } else {
            ++losses;
            winRunOn = false;
            unbeatenOn = false;
            lossRun += points == 0 ? 1 : 0;
            homeAllWon = homeAllWon && !atHome;
            homeUnbeaten = homeUnbeaten && !atHome;
        }
        if (wins == 1)
            oneWinSpan = position;
        if (losses == 1)
            oneLossSpan = position;
    }
    if (firstWin == 0)
        return "Not won yet this season";
    if (lossRun >= 3)
        return "Lost last " + std::to_string(lossRun);
    if (firstWin >= 6)
        return "Not won for " + std::to_string(firstWin - 1) + " matches";
    if (winRun >= 3)
        return "Won last " + std::to_string(winRun);
    if (unbeatenRun >= 5)
        return "Unbeaten in " + std::to_string(unbeatenRun);
    if (oneWinSpan >= 5)
        return "One win in " + std::to_string(oneWinSpan);
    if (oneLossSpan >= 5)
        return "One loss in " + std::to_string(oneLossSpan);
    if (!wonAway)
        return "Not won away";
    if (homeAllWon && homeGames >= 2)
        return "Won all home matches";
    if (homeUnbeaten)
        return "Unbeaten at home";
    return {};
}

TeamStatsTexts TeamStatsLabels(const Division& division, const TeamStatistics& stats) {
    const TeamSummary& s = stats.summary;
    const TeamRecord& record = division.Teams[s.Team];
    TeamStatsTexts t;
    t.points = std::to_string(record.Points);
    t.played = std::to_string(record.Played);
    t.goals = std::to_string(s.GoalsFor);
    t.won = std::to_string(s.Won);
    t.drawn = std::to_string(s.Drawn);
    t.lost = std::to_string(s.Lost);
    t.deducted = std::to_string(record.Deduction);
    auto highest = [&](int score, int opponent, std::string& scoreText, std::string& teamText) {
        if (opponent == 0)
            return;
        scoreText = std::to_string(score);
        teamText = TeamName(division, opponent);
    };
    highest(s.HighHomeFor, s.HighHomeForOpp, t.hfHome, t.hfHomeTeam);
    highest(s.HighAwayFor, s.HighAwayForOpp, t.hfAway, t.hfAwayTeam);
    highest(s.HighHomeAgainst, s.HighHomeAgainstOpp, t.haHome, t.haHomeTeam);
    highest(s.HighAwayAgainst, s.HighAwayAgainstOpp, t.haAway, t.haAwayTeam);
    t.hForm = s.HomeForm;
    t.aForm = s.AwayForm;
    t.formSummary = stats.formSummary;
    t.attHigh = FormatAttendance(s.AttHigh);
    t.attLow = FormatAttendance(s.AttLow);
    t.attAverage = FormatAttendance(s.AttAverage);
    t.totalClean = CleanSheetText(s.HomeCleanSheets + s.AwayCleanSheets, stats.homeGames + stats.awayGames);
    t.homeClean = CleanSheetText(s.HomeCleanSheets, stats.homeGames);
    t.awayClean = CleanSheetText(s.AwayCleanSheets, stats.awayGames);
    return t;
}

std::vector<std::pair<std::string, std::string>> TeamStatsListing(const TeamStatsTexts& t) {
    auto withTeam = [](const std::string& score, const std::string& team) {
        return team.empty() ? score : score + " " + team;
    };
    return {{"Points", t.points},
            {"Played", t.played},
            {"Goals", t.goals},
            {"Won", t.won},
            {"Drawn", t.drawn},
            {"Lost", t.lost},
            {"Deducted Points", t.deducted},
            {"Highest Score (For) Home", withTeam(t.hfHome, t.hfHomeTeam)},
            {"Highest Score (For) Away", withTeam(t.hfAway, t.hfAwayTeam)},
            {"Highest Score (Against) Home", withTeam(t.haHome, t.haHomeTeam)},
            {"Highest Score (Against) Away", withTeam(t.haAway, t.haAwayTeam)},
            {"Current Form Home", t.hForm},
            {"Current Form Away", t.aForm},
            {"Summary", t.formSummary},
            {"Attendances Highest", t.attHigh},
            {"Attendances Lowest", t.attLow},
            {"Attendances Average", t.attAverage},
            {"Clean Sheets Total", t.totalClean},
            {"Clean Sheets Home", t.homeClean},
            {"Clean Sheets Away", t.awayClean}};
}

} // namespace vantorel
