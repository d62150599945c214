#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

inline constexpr int kMaxImportFields = 10;

// Cuts a line into fields at commas outside quotes. A single or a double quote toggles the quoted state
// (both the same state) and stays in the text; a final empty field after a trailing comma does not count.
// At most ten fields are kept; fieldCount tells how many there were. Each kept field loses surrounding
// blanks, then, when it starts with a quote and is longer than two characters, its first and last
// characters.
std::vector<std::string> SplitImportLine(std::string_view line, int* fieldCount = nullptr);

// The lines of an imported file as UTF-8. Each line is decoded on its own: as UTF-8 when it is valid UTF-8,
// otherwise as Windows-1252; a byte-order mark is dropped. CR, LF and CR LF line ends are accepted, mixed.
std::vector<std::string> ImportTextLines(std::string_view bytes);

enum class ImportKind { Results, Players };

// Imports one line: a result "date,home,away,home goals,away goals[,attendance]" entered into the first
// open fixture of the pairing, or a player "name,team" added unless a player of that exact name exists.
// Returns false (an error line) when the line cannot be used; the Division is then unchanged.
bool ProcessImport(Division& division, ImportKind kind, std::string_view line, const DateFormat& dateFormat);

struct ImportCounters {
    int read = 0;
    int imported = 0;
    int errors = 0;
    // Error lines refused only because the league cannot hold more records, and why.
    int refusedFull = 0;
    std::string fullReason;
};

// Imports every line, counting successes and errors.
ImportCounters ImportLines(Division& division, ImportKind kind, const std::vector<std::string>& lines,
                           const DateFormat& dateFormat);

inline constexpr const char* kImportFileUnreadable = "The file you specified could not be opened";

} // namespace vantorel
