#pragma once

#include <array>
#include <string>

#include "exchange/CsvExport.h"
#include "store/Settings.h"

namespace vantorel {

// How the table is written: comma-separated, a web page, or a picture.
enum class TableExportFormat { Csv, Html, Svg, Png };
inline constexpr std::array<const char*, 4> kTableExportFormats = {"Comma-separated (CSV)", "Web page (HTML)",
                                                                   "Picture (SVG)", "Picture (PNG)"};

// What else an export choice takes beside the sections' request.
struct ExportChoice {
    ExportRequest request;
    TableExportFormat tableFormat = TableExportFormat::Csv;
    int team = 0;          // the calendar's team (0: every team) or the summary's team
    Settings colours;      // the zone and own-team colours of the web pages
    std::string stamp;     // when the calendar is made (CalendarStamp)
    std::string printDate; // today in the short date format, for the table picture's title line
};

// What the dialog offers with a choice: a format for the table, a team for the calendar (where every team
// may be chosen) and the summary (where one must be).
bool ChoiceHasFormats(ExportSection section);
bool ChoiceHasTeam(ExportSection section);
bool ChoiceTakesEveryTeam(ExportSection section);
// The first team choice of the calendar: every team's fixtures.
inline constexpr const char* kEveryTeamChoice = "All Teams";

// The file chooser's filter ("Name (*.ext)", entries split by ";;") and the suffix it adds.
struct ExportFileType {
    std::string filter;
    std::string suffix;
};
ExportFileType ExportFileTypeOf(ExportSection section, TableExportFormat format);

// Writes the text of a choice: the comma-separated sections, the table as a web page or an SVG picture, the
// calendar, or a team's summary page. A PNG picture is drawn by the window's canvas, not here: nothing is
// written for it.
void ExportChosen(const Division& division, const ExportChoice& choice, const DateFormat& dateFormat,
                  LineSink& out);

} // namespace vantorel
