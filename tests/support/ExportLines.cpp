#include "support/ExportLines.h"

#include "standings/Standings.h"

namespace vantorel::testing {

std::vector<std::string> ExportLines(const Division& division, ExportSection section) {
    const LeagueTable table = FillTable(division, {});
    ExportRequest request;
    request.section = section;
    request.table = &table;
    request.from = 0;
    request.to = 1e9;
    LineList out;
    ExportSections(division, request, DateFormat::Default(), out);
    return out.lines;
}

} // namespace vantorel::testing
