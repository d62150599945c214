#pragma once

#include <string>
#include <vector>

#include "results/ResultList.h"
#include "store/Division.h"
#include "store/MatchOutcome.h"
#include "store/Names.h"

namespace vantorel {

// The figures of one team's played results. A highest score is reported with the opponent of the first
// game in record order that reached it; a score of 0 is never a highest score (its opponent stays 0).
struct TeamSummary {
    int Team = 0;
    int HighHomeFor = 0, HighAwayFor = 0, HighHomeAgainst = 0, HighAwayAgainst = 0;
    int HighHomeForOpp = 0, HighAwayForOpp = 0, HighHomeAgainstOpp = 0, HighAwayAgainstOpp = 0;
    int GameCount = 0, GoalsFor = 0, Won = 0, Drawn = 0, Lost = 0;
    int AttHigh = 0, AttLow = 0, AttAverage = 0; // home games with an attendance above 0
    int HomeCleanSheets = 0, AwayCleanSheets = 0;
    std::string HomeForm, AwayForm; // result letters of the ten most recent games, oldest first
};

// One of the team's players, with what the squads and goal records credit to him.
struct TeamPlayerLine {
    int Player = 0;
    int OwnGoals = 0, Penalties = 0, Goals = 0, Appearances = 0;
};

// Everything the team statistics page shows for one team; a value the caller keeps.
struct TeamStatistics {
    TeamSummary summary;
    int homeGames = 0, awayGames = 0;
    // The team's played results, newest first; results on the same date keep record order, so the lower
    // record index counts as the more recent.
    std::vector<int> games;
    std::string formSummary;
    // The team's players in record order (Transferred-Out players belong to no team).
    std::vector<TeamPlayerLine> players;
};

// The statistics of a team (1..TeamCount) from the played results, squads and goal records. Lists are
// sized to the league, whatever the number of games and players.
TeamStatistics TeamStats(const Division& division, int team);

// The one-line form phrase for a team's games (newest first): the first rule that holds among a long
// losing run, a long wait for a win, a winning or unbeaten run, one win or one loss in a stretch, no away
// win, every home game won, unbeaten at home. Empty for three games or fewer.
std::string FormSummary(const Division& division, int team, const std::vector<int>& games);

// The texts of the page's figures, each beside its caption.
struct TeamStatsTexts {
    std::string points, played, goals, won, drawn, lost, deducted;
    // Highest scores: the score and the opponent's name, both empty when there was no such score.
    std::string hfHome, hfHomeTeam, hfAway, hfAwayTeam, haHome, haHomeTeam, haAway, haAwayTeam;
    std::string hForm, aForm, formSummary;
    std::string attHigh, attLow, attAverage;
    // A count with its percentage of the games, "3 (25%)", or "n/a" without games.
    std::string totalClean, homeClean, awayClean;
};
TeamStatsTexts TeamStatsLabels(const Division& division, const TeamStatistics& stats);

// Each figure of the page as its caption and value, in the page's order ("Won", "26"; "Highest Score
// (For) Home", "7 Chelsea"; "Clean Sheets Total", "12 (31%)"), for a plain-text listing.
std::vector<std::pair<std::string, std::string>> TeamStatsListing(const TeamStatsTexts& texts);

} // namespace vantorel
