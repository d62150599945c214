#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/DateFormat.h"
#include "standings/Standings.h"
#include "store/Division.h"

namespace vantorel {

// The graph types of the progress graph window, in the order of its "Graph Type" choices.
enum class GraphType { PointsProgress, TopComparison, BottomComparison };

inline constexpr int kGraphSlots = 4;
using GraphTeams = std::array<int, kGraphSlots>; // team per slot, 0 = empty; filled slots come first

// The slots of a graph type: the selected team alone, or the first (last) three teams of the table's order
// followed by the selected team unless it is one of them.
GraphTeams TeamsForGraph(GraphType type, int selectedTeam, const LeagueTable& table);

// The table whose order names the comparison's teams: played games as at the selected team's latest game
// (the standings its points graph ends on), or as at today when it has not played.
LeagueTable ComparisonTable(const Division& division, int selectedTeam, double today);

// One game of the single-team graph, for the read-out under the mouse.
struct GraphHoverEntry {
    int Result = 0;   // result index
    int Points = 0;   // the team's points total after the game
    int Position = 0; // its league position after the game
};

// The layout of a drawn graph, which the mouse handlers need.
struct ProgressGraphLayout {
    int left = 0, bottom = 0, colWidth = 0, maxPlayed = 0;
    bool hoverValid = false; // a single-team graph with read-out data
    std::vector<GraphHoverEntry> hover;

    // The game (1-based) under a point of the graph, or 0 when the point is on no game.
    int HoverGameAt(int x, int y) const;
};

// Draws the progress graph of the slot teams in a box of a width and height. One team (always as bars): a
// bar per game coloured by its result, the league position after each game as markers joined by a line,
// position ticks on the left axis and points ticks on the right. Several teams: grouped bars (lines when
// asked) in the slot colours blue, yellow, red and white, the own team taking the own-team colour, with a
// line every five points. A legend box tops the graph.
ProgressGraphLayout DrawProgressGraph(Canvas& canvas, const Division& division, const GraphTeams& teams,
                                      bool lineStyle, Colour ownTeamColour, int width, int height);

// The read-out of a game: " date home homeGoals away awayGoals (points - position) ".
std::string HoverText(const Division& division, const GraphHoverEntry& entry, const DateFormat& dateFormat);

// The file name a saved graph picture is offered under: "Points Progress for TEAM.png", with characters a
// file name cannot hold replaced by "_"; "Points Progress.png" without a team.
std::string GraphPictureName(const Division& division, int team);
// A picture file name with ".png" at its end, added when it has no such ending (in any letter case).
std::string WithPngExtension(std::string file);

inline constexpr const char* kGraphCaption = "Points Progress";
inline constexpr const char* kGraphCaptionFor = "Points Progress for ";

} // namespace vantorel
