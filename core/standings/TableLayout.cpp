#include "standings/TableLayout.h"

#include <algorithm>

namespace vantorel {

std::vector<int> TableColumnWidths(int gridWidth, int widestTeamName, int columnCount, int lineWidth,
                                   int scrollBarWidth, bool showPoss) {
    const int teamWidth = widestTeamName + 2;
    const int shared = std::max(0, gridWidth - lineWidth * (columnCount + 1) - teamWidth - scrollBarWidth);
    const int unit = shared / (columnCount - 1);
    const int leftOver = shared - unit * (columnCount - 1);
    const int third = leftOver / 3;
    std::vector<int> widths(static_cast<std::size_t>(columnCount), unit);
    widths[1] = teamWidth + leftOver - (showPoss ? 2 * third : third);
    widths.back() += third;
    if (showPoss)
        widths[widths.size() - 2] += third;
    return widths;
}

} // namespace vantorel
