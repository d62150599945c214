#pragma once

#include <string>
#include <vector>

namespace vantorel {

// Lays a table out as aligned plain text for a terminal: every column as wide as its widest cell (counted
// in characters), two blanks between columns, the second column (the team) left-aligned and every other
// column right-aligned. Each line ends with a line feed.
std::string FormatPlainTable(const std::vector<std::string>& headings,
                             const std::vector<std::vector<std::string>>& rows);

} // namespace vantorel
