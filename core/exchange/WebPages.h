#pragma once

#include <string>

#include "platform/DateFormat.h"
#include "standings/TableCells.h"
#include "standings/TablePrintout.h"
#include "store/Settings.h"

namespace vantorel {

// Standalone HTML5 pages for a club forum or a fan site: UTF-8, no scripts, names escaped, the program's
// zone and own-team colours in the page's own style sheet.

// The league table with its caption (the league's name and the variant in words), the headings in a
// <thead> ("Home"/"Away" over their columns in the full format) and one row per position, the cells
// exactly as the table page shows them.
std::string TableWebPage(const Division& division, const LeagueTable& table, const TableFormat& format,
                         const Settings& settings, const DateFormat& dateFormat);

// A team's summary: its figures, its games newest first and its players, each a captioned table.
std::string TeamSummaryWebPage(const Division& division, int team, const Settings& settings,
                               const DateFormat& dateFormat);

// The table printout drawn as an SVG picture of kTablePictureWidth pixels, as high as the table needs.
std::string TableSvgPicture(const TablePrintoutInput& printout);

} // namespace vantorel
