#pragma once

#include <string>
#include <vector>

#include "Arguments.h"
#include "platform/DateFormat.h"
#include "standings/TableCells.h"
#include "store/Division.h"
#include "store/FileIo.h"

namespace vantorel::cli {

// Loads a league file; a UsageError naming the file and the reason when it cannot be loaded. Running totals
// that disagree with the results are recomputed, with a note on the error stream.
void LoadLeague(const std::string& path, Division& division);
// Takes the league file's lock for a command that changes it, from loading to saving; a UsageError when
// another program holds it for too long, or when changes made in the window are journalled beside the
// league but not saved (they would be lost), so that they are recovered or discarded first.
FileLock LockLeague(const std::string& path);
// The lock alone, for the command that recovers those changes.
FileLock TakeLeagueLock(const std::string& path);
// Saves a league file over itself; a UsageError when it cannot be written.
void SaveLeague(const std::string& path, Division& division);

// The lines of a data file (team names, results, players) as UTF-8; a UsageError when it cannot be read.
std::vector<std::string> ReadDataLines(const std::string& path);

// The --date-format option, dd/MM/yyyy by default.
DateFormat DateFormatOption(Arguments& args);
// A date given on the command line.
double ParseDateArgument(const std::string& text, const DateFormat& format, const std::string& what);

// Today's date in the local time zone, as a day number.
double Today();

// The table the TABLE OPTIONS describe, computed as the table page shows it: as at --as-at, or at the
// last match date of the chosen content.
struct TableChoice {
    TableVariant variant;
    TableFormat format;
};
TableChoice TableOptions(Arguments& args, const Division& division, const DateFormat& dateFormat);

// The result record named by --match N or by the HOME AWAY words; played picks the last played result of
// the pairing, otherwise its first open fixture. A UsageError when there is none, or when the match named
// by number is not played (or not open) as asked.
int PickMatch(Arguments& args, const Division& division, bool played);

// A player by his exact name; a UsageError when there is none.
int PlayerByName(const Division& division, const std::string& name);

// A team of the league by its exact name; a UsageError when there is none.
int TeamByName(const Division& division, const std::string& name);

} // namespace vantorel::cli
