#pragma once

#include <string_view>

#include "store/Status.h"

namespace vantorel {

enum class NameKind { League, Team, Player };

// The one rule for every name the program stores (league, team and player names), applied by each
// operation that sets one. Refused: a control character (NUL, ESC, BEL, ...), which no list shows and the
// command line cannot give back; and a first character of "=", "+" or "@", which a spreadsheet opening an
// exported file runs as a formula. The name is UTF-8; its length and storability are checked elsewhere.
Status CheckName(std::string_view name, NameKind kind);

} // namespace vantorel
