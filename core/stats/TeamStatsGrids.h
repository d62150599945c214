#pragma once

#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "stats/TeamStats.h"
#include "store/Settings.h"

namespace vantorel {

// The headings of the team's games grid and of its players grid, in column order.
inline const std::vector<std::string> kGamesHeadings = {"Date", "Attend", "H/A", "Opposition", "F", "A"};
inline const std::vector<std::string> kTeamPlayersHeadings = {"Player", "Appear", "Goals", "Penalties",
                                                              "Own Goals"};

// The games grid's sort key after a click on column c (1..6): the column's key, or on a second click of
// the same column its reverse (c + 6); a third click returns to c.
int NextGamesSortKey(int currentKey, int column);

// Sorts the team's games for the grid by a key 1..12, keeping the current order of games the key (and
// its tie-break) leaves equal: 1/7 date newest/oldest first; 2/8 attendance smallest/largest first; 3/9
// home/away games first, then newest first; 4 and 10 the opponent's name ascending, the home game first;
// 5/11 most/fewest goals for, then oldest first; 6/12 most/fewest goals against, then oldest first.
void SortTeamGames(const Division& division, int team, std::vector<int>& games, int key);

// The six cells of a game's row: date, attendance, "H" or "A", opponent, goals for, goals against.
std::vector<std::string> TeamGameCells(const Division& division, int team, int result,
                                       const DateFormat& dateFormat);

// Sorts the team's players by a key 1..5: 1 name ascending (by character code), 2 appearances, 3 goals,
// 4 penalties, 5 own goals, each most first; equal players keep their current order.
void SortTeamPlayers(const Division& division, std::vector<TeamPlayerLine>& players, int key);

// The five cells of a player's row: name, appearances (empty when none), goals, penalties, own goals.
std::vector<std::string> TeamPlayerCells(const Division& division, const TeamPlayerLine& line);

enum class CellAlignment { Left, Centre, Right };
CellAlignment GamesColumnAlignment(int column);
CellAlignment TeamPlayersColumnAlignment(int column);

// The x at which a cell's text starts: at the left edge, centred, or ending 4 pixels from the right edge.
int AlignedTextX(CellAlignment alignment, int left, int right, int textWidth);

// The colour of an Opposition cell's text: the own team's colour when it names the own team, else black.
Colour OppositionColour(const Division& division, const Settings& settings, const std::string& text);

// The column widths of the games grid (units 3, 3, 2, 9, 1, 1 of a nineteenth, the rest to Opposition)
// and of the players grid (units 2, 1, 1, 1, 1 of a sixth, the rest to Player), from the grid's width, its
// line width and the width of a vertical scroll bar.
std::vector<int> GamesColumnWidths(int gridWidth, int lineWidth, int scrollBar);
std::vector<int> TeamPlayersColumnWidths(int gridWidth, int lineWidth, int scrollBar);

} // namespace vantorel
