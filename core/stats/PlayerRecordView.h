#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// The captions of a player's nine goal totals, in order.
inline constexpr std::array<const char*, 9> kPlayerTotalCaptions = {
    "Total:",     "First half:", "Second half:", "Home:",        "Away:",
    "Penalties:", "Hat Tricks:", "Own Goals:",   "Most in game:"};
// The indices of the totals in kPlayerTotalCaptions and PlayerSeason::totals.
enum PlayerTotal {
    kTotal,
    kFirstHalf,
    kSecondHalf,
    kHomeGoals,
    kAwayGoals,
    kPenalties,
    kHatTricks,
    kOwnGoals,
    kMostInGame
};

// A match in which the player scored or was named in a squad, with his goals in it.
struct PlayerMatch {
    int Result = 0;
    int Goals = 0;
};

// One player's season: the nine goal totals, the matches newest first, and the cautions from the squads.
struct PlayerSeason {
    int player = 0;
    std::array<int, 9> totals{};
    std::vector<PlayerMatch> matches;
    bool inSquads = false; // named in at least one squad; without, the cautions are unknown
    int yellow = 0, red = 0;
};

// The season of a player (1..PlayerCount). An own goal counts only as an own goal: no match row, no half,
// venue or penalty. A goal without a time counts in the first half. Each match has one row, however its
// goals interleave with another match on the same date; squad lines count whether or not the player came
// on. Lists are sized to the player's season.
PlayerSeason PlayerSeasonOf(const Division& division, int player);

// "Statistics for NAME (TEAM)".
std::string PlayerRecordCaption(const Division& division, int player);

// A caution count, or "n/a" for a player in no squad.
std::string CautionText(const PlayerSeason& season, int count);

// The cells of a match row: the date, "Home v Away", the player's goals.
std::vector<std::string> PlayerMatchCells(const Division& division, const PlayerMatch& match,
                                          const DateFormat& dateFormat);

// The match grid's column widths: a seventh each for date and goals, the rest to the teams, from the
// grid's width, less a vertical scroll bar when the rows do not all fit and four line widths. The date
// column is never narrower than the widest date shown (a four-digit year needs more than a seventh).
std::vector<int> PlayerMatchColumnWidths(int gridWidth, int lineWidth, int scrollBar, bool rowsFit,
                                         int widestDate = 0);

// The vertical place of one total's bar, beside its caption: top relative to the paint box, and height.
struct BarPlace {
    int top = 0, height = 0;
};

// Draws the nine totals as bars from x = 0, blue and red in turn, on a scale where the larger of the total
// and the own goals fills the width less room for " 99"; a Hat Tricks bar is three times as long, as long
// as the goals of the hat tricks. Each value is written after its bar, or at the left edge when it is 0.
void DrawPlayerGoalBars(Canvas& canvas, int width, const std::array<BarPlace, 9>& places,
                        const PlayerSeason& season);

} // namespace vantorel
