#pragma once

#include <string>

#include "Arguments.h"
#include "store/Division.h"

namespace vantorel::cli {

// A player by his exact name; a UsageError when there is none.
int PlayerByName(const Division& division, const std::string& name);

// The match a command names with HOME AWAY (the one played meeting of HOME at home to AWAY) or --match N
// (any fixture, played or not, unless played is asked for). A UsageError when there is no such match, or
// when HOME has played at home to AWAY more than once.
int MatchOption(Arguments& args, const Division& division, bool mustBePlayed);

} // namespace vantorel::cli
