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

std::vector<int> ShareWidthByUnits(int width, const std::vector<int>& units, std::size_t remainderColumn) {
    int total = 0;
    for (const int u : units)
        total += u;
    const int unit = std::max(0, width) / total;
    std::vector<int> widths;
    for (const int u : units)
        widths.push_back(u * unit);
    widths[remainderColumn] += std::max(0, width) - unit * total;
    return widths;
}

} // namespace vantorel
