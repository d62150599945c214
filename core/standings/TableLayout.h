#pragma once

#include <vector>

namespace vantorel {

// The column widths of the league table grid: the team column as wide as the widest name plus 2, the other
// columns sharing the rest equally; of the pixels left over, a third goes to the last column (and a third
// to the one before it when possible points are shown), and the rest to the team column.
std::vector<int> TableColumnWidths(int gridWidth, int widestTeamName, int columnCount, int lineWidth,
                                   int scrollBarWidth, bool showPoss);

} // namespace vantorel
