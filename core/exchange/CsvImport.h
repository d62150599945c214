#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/CsvFields.h"
#include "exchange/ResultsFile.h"
#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// The lines of an imported file as UTF-8, decoded as a StreamLineSource decodes them (ImportSource.h).
std::vector<std::string> ImportTextLines(std::string_view bytes);

// The kinds of line an import reads; a whole-league file holds several, each after its section's title.
enum class ImportKind { Results, Players, Scorers, Squads, Fixtures };

// Imports one line: a result "date,home,away,home goals,away goals[,attendance]" entered into the first
// open fixture of the pairing unless the pairing has a result on that date already, a player "name,team"
// added unless a player of that exact name exists, or a goal scorer, a squad line or a fixture date
// (MatchDetailImport.h).
// Returns false (an error line) when the line cannot be used; the Division is then unchanged. A result or a
// player refused only because the league cannot hold more records sets fullReason to why, where given.
bool ProcessImport(Division& division, ImportKind kind, std::string_view line, const DateFormat& dateFormat,
                   std::string* fullReason = nullptr);

// Enters one result whose teams were found already (0: not found) into the first open fixture of the
// pairing. Returns false (an error line, the Division unchanged) when a field is not what it should be, the
// pairing already has a result on that date (the same match listed again) or the result cannot be entered;
// fullReason as for ProcessImport.
bool ImportResultFields(Division& division, const ResultFields& fields, int home, int away,
                        const DateFormat& format, std::string* fullReason = nullptr);

// The counts of one import run (ImportRun.h).
struct ImportCounters {
    int read = 0;
    int imported = 0;
    int errors = 0;
    // Error lines refused only because the league cannot hold more records, and why.
    int refusedFull = 0;
    std::string fullReason;
    // Why nothing was imported, when the file was refused whole (its dates or team names, for example).
    std::string refusal;
};

inline constexpr const char* kImportFileUnreadable = "The file you specified could not be opened";

} // namespace vantorel
