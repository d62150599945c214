#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/DateFormat.h"
#include "standings/Standings.h"
#include "standings/TableCells.h"

namespace vantorel {

// What the table printout shows: the table as the page shows it, and the date of printing.
struct TablePrintoutInput {
    std::string tableName;
    std::string printDate; // today, in the short date format
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows; // the cells of each position, as shown
    bool shortFormat = false;
    int relegateCount = 0;
    TableContent content = TableContent::PlayedGames;
    GameSelection games = GameSelection::HomeAndAway;
};

// The printout's measures in device units, from the page size.
struct TablePrintoutLayout {
    int width, left, rowHeight, textOffset, height, teamWidth, columnWidth;
    TablePrintoutLayout(int pageWidth, int pageHeight, int teamCount, int columnCount);
};

// The printout of a computed table in a format, printed on a date.
TablePrintoutInput MakeTablePrintout(const Division& division, const LeagueTable& table,
                                     const TableFormat& format, const std::string& printDate);

// The note under the table naming its variant; empty for played home and away games.
std::string VariantNote(TableContent content, GameSelection games);

// The variant in words: "Played games, home only, up to 14/03/2026", "Current form, last 6 games", ...
std::string VariantDescription(const TableVariant& variant, const DateFormat& dateFormat);

// Draws the one-page printout of the league table: title and print date, the framed table with a thick
// rule above the relegation zone, the "Home"/"Away" box in the full format, position numbers in place of
// the marks, and the variant's note. A long league name takes a smaller title font and a long team name is
// cut at its column's edge.
void PrintTable(Canvas& canvas, int pageWidth, int pageHeight, const TablePrintoutInput& input);

// The table as a picture for the web (SVG, PNG) rather than a page: the printout drawn on a page of these
// measures in pixels, cut below the note (TablePictureHeight).
inline constexpr int kTablePictureWidth = 1000;
inline constexpr int kTablePicturePageHeight = 810;
int TablePictureHeight(Canvas& canvas, const TablePrintoutInput& input);

} // namespace vantorel
