#pragma once

#include <string>

#include "store/Division.h"

namespace vantorel {

// The UTF-8 name of the league.
std::string LeagueName(const Division& division);
// The UTF-8 name of team 1..kTeamSlots (the slot after the league's last team is "Transferred-Out"); empty
// for any other index.
std::string TeamName(const Division& division, int team);
// The UTF-8 name of player 1..PlayerCount.
std::string PlayerName(const Division& division, int player);

} // namespace vantorel
