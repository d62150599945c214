#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store/Division.h"

namespace vantorel {

// Compares two names (UTF-8) in the user's order: negative, zero or positive, like strcmp.
using NameCollation = std::function<int(const std::string& a, const std::string& b)>;

// Compares names letter by letter without regard to the case of A to Z, as the new-league wizard orders them.
int CompareNamesIgnoringCase(const std::string& a, const std::string& b);

// The teams in the order the team lists show them: by name in the collation given (without regard to case
// unless told), teams whose names collate equal keeping their order.
std::vector<int> TeamsInNameOrder(const Division& division, std::vector<int> teams,
                                  const NameCollation& collate = CompareNamesIgnoringCase);

} // namespace vantorel
