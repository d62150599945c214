#pragma once

#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "stats/DivisionStats.h"
#include "store/Division.h"

namespace vantorel {

// A player who scored three or more goals in one match.
struct HatTrick {
    int Player = 0; // player index
    int Count = 0;  // goals in the match
    int Result = 0; // result index
    int Team = 0;   // the team credited with the goals
};

// A row of the "Three or more goals in a match:" list, as shown, and the player it stands for.
struct HatTrickRow {
    std::string goals, player, forTeam, against, date;
    int playerIndex = 0;
    int result = 0;
};

// What the "Goal Statistics" page shows, from the goal and player records.
struct GoalStatistics {
    // Some goal has a known scorer; without one the page shows only its explanation.
    bool HasScorers = false;
    // "Goals Name (Team)" for every player at or above the threshold, most goals first, then by name.
    std::vector<StatsLine> TopScorers;
    std::vector<HatTrickRow> GoalsPerMatch;
    // "Penalties:": Number Scored, Most Against, Most Scored; then "Own Goals": Total, Most.
    std::vector<StatsFigure> figures;
};

inline constexpr const char* kNoScorersExplanation =
    "Goal statistics are only available if you enter goal scorer details";
inline constexpr const char* kTopScorersCaption = "Top Scorers";
inline constexpr const char* kGoalsPerMatchCaption = "Three or more goals in a match:";

// The goal statistics; dates in the date format. Without a known scorer only HasScorers is set.
GoalStatistics GoalStats(const Division& division, const DateFormat& dateFormat);

// The fewest goals a player needs to be listed among the top scorers, from the most any player has: 2 up
// to 10, then the most less 10, but never above 5.
int TopScorerThreshold(int maxGoals);

// Every case of one player scoring three or more goals in one match, most goals first, then by the
// player's name and, for the same name, by match date. A match's goal records are consecutive (a result's
// goals are always appended together), so a match ends where the goal records move to another result; own
// goals and goals without a known scorer do not count.
std::vector<HatTrick> GoalsPerMatch(const Division& division);

} // namespace vantorel
