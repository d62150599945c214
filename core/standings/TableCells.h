#pragma once

#include <string>
#include <vector>

#include "standings/Standings.h"
#include "store/Settings.h"

namespace vantorel {

// The table's format: short (totals only) or full (home and away columns), with or without possible points.
struct TableFormat {
    bool shortFormat = false;
    bool showPoss = false;
};

// The heading row: "Pos", "Team", "P", then the format's columns, ending "GD", "Pts" and possibly "PP".
std::vector<std::string> TableHeadings(const TableFormat& format);

// The cells of the row at a table position: the position mark, the team's name, then its numbers as plain
// decimals ("-" before a negative).
std::vector<std::string> TableRowCells(const Division& division, const LeagueTable& table, int position,
                                       const TableFormat& format);

// Every row of the table, positions 1..TeamCount.
std::vector<std::vector<std::string>> TableRows(const Division& division, const LeagueTable& table,
                                                const TableFormat& format);

struct RowColours {
    Colour background = kWhite;
    Colour text = kBlack;
};

// The colours of the row at a table position: the zone background (relegation first, then promotion, then
// play-offs; white outside the zones) and the own team's text colour.
RowColours TableRowColours(const DivisionHeader& header, const LeagueTable& table, int position,
                           const Settings& settings);

} // namespace vantorel
