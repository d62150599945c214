#pragma once

#include <string>

#include "cmdline/Arguments.h"
#include "platform/DateFormat.h"
#include "standings/TableCells.h"
#include "store/Division.h"

namespace vantorel::cmdline {

// Loads a league file; a UsageError naming the file and the reason when it cannot be loaded. Running totals
// that disagree with the results are recomputed, with a note on the error stream.
void LoadLeague(const std::string& path, Division& division);

// The --date-format option, dd/MM/yyyy by default.
DateFormat DateFormatOption(Arguments& args);
// A date given on the command line.
double ParseDateArgument(const std::string& text, const DateFormat& format, const std::string& what);

// The table the TABLE OPTIONS describe, computed as the table page shows it: as at --as-at, or at the
// last match date of the chosen content.
struct TableChoice {
    TableVariant variant;
    TableFormat format;
};
TableChoice TableOptions(Arguments& args, const Division& division, const DateFormat& dateFormat);

// A team of the league by its exact name; a UsageError when there is none.
int TeamByName(const Division& division, const std::string& name);

} // namespace vantorel::cmdline
