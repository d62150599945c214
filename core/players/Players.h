#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "store/Division.h"
#include "store/Names.h"
#include "store/Status.h"

namespace vantorel {

inline constexpr int kPlayerNameLength = 20;
inline constexpr const char* kNameAndTeamWarning = "You must enter a Name and select a team";
inline constexpr const char* kAllTeams = " [All Teams]";

// Whether a goal or a squad line of the team may name the player: he plays for the team, or he has left the
// division ("Transferred-Out"), so that the team he played for is no longer known.
bool MayPlayFor(const Division& division, int player, int team);

// "A player with the name "NAME" already exists".
std::string DuplicatePlayerMessage(std::string_view name);

// Adds a player (player 0) or changes player `player` to a UTF-8 name and a team of 1..TeamCount+1
// ("Transferred-Out"). Refused, changing nothing: without a name or a team (kNameAndTeamWarning), when
// another player has the name in any letter case, for a name longer than 20 characters or one a league
// file cannot hold, and when the player array is full. On success the player's index is returned
// through saved.
Status SavePlayer(Division& division, int player, std::string_view name, int team, int* saved = nullptr);

inline constexpr const char* kPlayerInUseError =
    "The selected player has goals assigned or appears in a squad. Delete not performed.";
// Whether a goal record or a line of a squad names the player, which keeps him from being deleted.
bool PlayerIsReferenced(const Division& division, int player);

// Removes a player, moving later players down one place and renumbering the goal and squad lines that point
// to them. Refused, changing nothing, for a player who does not exist or who is referenced
// (kPlayerInUseError).
Status DeletePlayer(Division& division, int player);

// The confirmation asked before deleting a player: "Are you sure you want to delete NAME of TEAM".
std::string DeletePlayerQuestion(const Division& division, int player);

// The headings of the players list and its sort keys 1..3.
inline constexpr std::array<const char*, 3> kPlayerHeadings = {"Player", "Team", "Goals"};
enum class PlayerSortKey { Player = 1, Team, Goals };

// The players of a team (0 = every team, Transferred-Out included) in the order of a key: by name, by team
// name then name, or by goals (most first) then name. Names are compared byte by byte as stored.
std::vector<int> SortedPlayerList(const Division& division, int team, PlayerSortKey key);

// The UTF-8 names of the players given, in the order of their stored names compared byte by byte.
std::vector<std::string> NamesInOrder(const Division& division, const std::vector<int>& players);

// The sort key of a clicked heading: 1 + the position of the first heading with its text, 1 when none.
template <std::size_t N>
int SortKeyOfHeading(const std::array<const char*, N>& headings, std::string_view text) {
    for (std::size_t k = 0; k < N; ++k)
        if (text == headings[k])
            return static_cast<int>(k) + 1;
    return 1;
}

// The column widths of the players grid: a unit of (width - scroll bar - 2 lines) / 7, shared 3, 3, 1 with
// the remainder to "Team".
std::vector<int> PlayersGridWidths(int width, int scrollBarWidth, int lineWidth);

} // namespace vantorel
