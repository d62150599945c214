#pragma once

#include <array>
#include <string>

#include "store/Division.h"

namespace vantorel {

class CountedMatches;

// Which matches a table counts: the item indices of the table page's two radio groups.
enum class TableContent { PlayedGames = 0, PlayedPredicted = 1, CurrentForm = 2 };
enum class GameSelection { HomeAndAway = 0, HomeOnly = 1, AwayOnly = 2 };

inline constexpr int kDefaultFormGames = 10;

// The variant of the league table to compute.
struct TableVariant {
    TableContent content = TableContent::PlayedGames;
    GameSelection games = GameSelection::HomeAndAway;
    double asAt = 0;                   // fixtures dated later are not counted
    int formGames = kDefaultFormGames; // latest matches counted by the current-form table
};

// One team's line of a computed table.
struct StandingsRow {
    int Played = 0;
    int HomeWon = 0, HomeDrawn = 0, HomeLost = 0, HomeFor = 0, HomeAgainst = 0;
    int AwayWon = 0, AwayDrawn = 0, AwayLost = 0, AwayFor = 0, AwayAgainst = 0;
    int Points = 0; // net of the team's deduction
    int GoalDiff = 0;
    int PossiblePoints = 0; // the most points the team can still reach

    int Won() const { return HomeWon + AwayWon; }
    int Drawn() const { return HomeDrawn + AwayDrawn; }
    int Lost() const { return HomeLost + AwayLost; }
    int GoalsFor() const { return HomeFor + AwayFor; }
    int GoalsAgainst() const { return HomeAgainst + AwayAgainst; }
};

// Why a team is below the team above it when the two are level on the first sort rule: the rule that
// separated them (0 when none did, so they stand in team order) and its figures for each of them.
struct TieBreak {
    bool levelOnFirstRule = false;
    int level = 0; // the figure both have on the first rule
    char rule = 0; // 0 when no rule separated them
    int above = 0, below = 0;
    int miniLeagueTeams = 0; // for a head-to-head rule: the teams whose matches among each other counted
    // The head-to-head rules were passed over for these tied teams: they have yet to meet in every match.
    bool headToHeadWaiting = false;
};

// A computed league table: a value the caller keeps.
struct LeagueTable {
    TableVariant variant;
    int TeamCount = 0;
    int SeasonGames = 0; // matches a team plays in the season (halved for home-only or away-only tables)
    std::array<StandingsRow, kMaxTeams + 1> Standings{}; // by team index, 1-based
    std::array<int, kMaxTeams + 1> TableOrder{};         // TableOrder[p] = the team at position p, 1-based
    char FirstRule = 0;                                  // the first rule the order applied, 0 for none
    // TieBreaks[p] for p >= 2: how positions p - 1 and p were told apart.
    std::array<TieBreak, kMaxTeams + 1> TieBreaks{};

    const StandingsRow& rowAt(int position) const { return Standings[TableOrder[position]]; }
};

// Computes the table of the Division in the given variant, ordered by the league's sort rules (unknown
// codes skipped; teams level on every rule stay in team order). Changes nothing in the Division.
LeagueTable FillTable(const Division& division, const TableVariant& variant);

// Building a table of home and away games match by match, as FillTable does in one go: count each match
// for both of its teams (in any order), then complete the rows and order them by the league's sort rules,
// whose head-to-head rules replay the counted matches (CountedMatches, standings/TableOrdering.h). A table
// may be completed again after more matches are counted.
void CountResult(LeagueTable& table, const ResultRecord& match, int winPoints);
void CompleteTable(const Division& division, const CountedMatches& counted, LeagueTable& table);

// The text of the Pos cell at a position: "U" when promotion is certain, "D" when relegation is certain,
// otherwise the position number. Only the table of played (or predicted) home and away games has marks.
std::string PositionMark(const DivisionHeader& header, const LeagueTable& table, int position);

} // namespace vantorel
