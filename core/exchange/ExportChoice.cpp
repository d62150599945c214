#include "exchange/ExportChoice.h"

#include <string_view>

#include "exchange/CalendarExport.h"
#include "exchange/WebPages.h"

namespace vantorel {
namespace {

// A page's text as lines, each ended by the sink.
void WriteText(LineSink& out, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        out.WriteLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

} // namespace

bool ChoiceHasFormats(ExportSection section) {
    return section == ExportSection::Table;
}

bool ChoiceHasTeam(ExportSection section) {
    return section == ExportSection::Calendar || section == ExportSection::TeamSummary;
}

bool ChoiceTakesEveryTeam(ExportSection section) {
    return section == ExportSection::Calendar;
}

ExportFileType ExportFileTypeOf(ExportSection section, TableExportFormat format) {
    if (section == ExportSection::Calendar)
        return {"iCalendar (*.ics)", "ics"};
    if (section == ExportSection::TeamSummary ||
        (section == ExportSection::Table && format == TableExportFormat::Html))
        return {"Web page (*.html *.htm)", "html"};
    if (section == ExportSection::Table && format == TableExportFormat::Svg)
        return {"SVG picture (*.svg)", "svg"};
    if (section == ExportSection::Table && format == TableExportFormat::Png)
        return {"PNG picture (*.png)", "png"};
    return {"CSV (comma delimited) (*.csv);;TXT (text file) (*.txt)", "csv"};
}

void ExportChosen(const Division& division, const ExportChoice& choice, const DateFormat& dateFormat,
                  LineSink& out) {
    const ExportRequest& request = choice.request;
    switch (request.section) {
    case ExportSection::Calendar:
        ExportCalendar(division, {choice.team, choice.stamp}, out);
        return;
    case ExportSection::TeamSummary:
        WriteText(out, TeamSummaryWebPage(division, choice.team, choice.colours, dateFormat));
        return;
    case ExportSection::Table:
        if (choice.tableFormat == TableExportFormat::Html) {
            WriteText(out,
                      TableWebPage(division, *request.table, request.format, choice.colours, dateFormat));
            return;
        }
        if (choice.tableFormat == TableExportFormat::Svg) {
            WriteText(out, TableSvgPicture(MakeTablePrintout(division, *request.table, request.format,
                                                             choice.printDate)));
            return;
        }
        if (choice.tableFormat == TableExportFormat::Png)
            return;
        break;
    default:
        break;
    }
    ExportSections(division, request, dateFormat, out);
}

} // namespace vantorel
