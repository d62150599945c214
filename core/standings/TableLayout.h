#pragma once

#include <cstddef>
#include <vector>

namespace vantorel {

// The column widths of the league table grid: the team column as wide as the widest name plus 2, the other
// columns sharing the rest equally; of the pixels left over, a third goes to the last column (and a third
// to the one before it when possible points are shown), and the rest to the team column.
std::vector<int> TableColumnWidths(int gridWidth, int widestTeamName, int columnCount, int lineWidth,
                                   int scrollBarWidth, bool showPoss);

// Shares a width among columns by units (negative widths count as 0): every column gets its units, the
// pixels left over go to the remainder column.
std::vector<int> ShareWidthByUnits(int width, const std::vector<int>& units, std::size_t remainderColumn);

} // namespace vantorel
