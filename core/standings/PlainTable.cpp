#include "standings/PlainTable.h"

#include <algorithm>

#include "store/TextCodec.h"

namespace vantorel {
namespace {

constexpr std::size_t kTeamColumn = 1;

void AppendLine(std::string& out, const std::vector<std::string>& cells,
                const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
        const std::string padding(widths[c] - Utf8Length(cells[c]), ' ');
        if (c > 0)
            line += "  ";
        line += c == kTeamColumn ? cells[c] + padding : padding + cells[c];
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out += line + "\n";
}

} // namespace

std::string FormatPlainTable(const std::vector<std::string>& headings,
                             const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths(headings.size(), 0);
    auto widen = [&](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], Utf8Length(cells[c]));
    };
    widen(headings);
    for (const auto& row : rows)
        widen(row);
    std::string out;
    AppendLine(out, headings, widths);
    for (const auto& row : rows)
        AppendLine(out, row, widths);
    return out;
}

} // namespace vantorel
