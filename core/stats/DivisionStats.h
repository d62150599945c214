#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// One figure of a statistics page: its group box caption, its label and the text its box shows.
struct StatsFigure {
    std::string group;   // "Goals"
    std::string caption; // "Ave/Game:"
    std::string value;   // "2.72"
};

// A line of an owner-drawn statistics list and the record it stands for (a result or a player index).
struct StatsLine {
    std::string text;
    int record = 0;
};

// What the "Division Statistics" page shows, from the played results.
struct DivisionStatistics {
    // The games with the season's highest home (away) score, then every other game in which that side
    // scored 4 or more, by descending score and in fixture order within a score.
    std::vector<StatsLine> HighHome;
    std::vector<StatsLine> HighAway;
    // "Goals": Home, Away, Total, Ave/Game, Most in a match, Clean Sheets; then "Results": Games, Home Wins,
    // Away Wins, Draws, Score, No Score, in that order.
    std::vector<StatsFigure> figures;
};

inline constexpr const char* kHighHomeCaption = "Highest Home Scores:";
inline constexpr const char* kHighAwayCaption = "Highest Away Scores:";

// The division's statistics. Dates are written in the date format, and the goals-per-game average with
// two decimals and the decimal separator given; the average is empty when no game has been played.
DivisionStatistics DivisionStats(const Division& division, const DateFormat& dateFormat,
                                 char decimalSeparator);

// The goals-per-game average "0.00" of a number of goals over a number of games, rounded half away from
// zero; empty for no games.
std::string GoalsAverage(int goals, int games, char decimalSeparator);

// A list line cut around the first occurrence of the own team's name, so that the name can be drawn in
// the own-team colour. Without an own team, or when the line does not hold the name, the whole line is
// the first piece.
struct OwnTeamPieces {
    std::string before;
    std::string name;
    std::string after; // at most 100 characters
};
OwnTeamPieces SplitAtOwnTeam(std::string_view line, std::string_view ownTeamName);

} // namespace vantorel
