#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exchange/CsvImport.h"

namespace vantorel {

// The choices of the import, in the order the dialog lists them.
enum class ImportChoice { Results, Players, Scorers, Squads, All };
inline constexpr std::array<const char*, 5> kImportChoices = {"Match Results", "Players", "Goal Scorers",
                                                              "Squads", "All of the Above"};

// One import of a file's lines, run a few lines at a time so that a window can show its progress between
// steps. With one kind chosen every line is of that kind, so heading lines count as errors. With "All of the
// Above" the file is read as the whole-league export writes it: each section title switches the kind of the
// lines that follow; titles, column headings and the lines of the table and grid sections are read but
// neither imported nor errors. Results, fixture dates and players are entered first, then goal scorers and
// squad lines, whatever their order in the file.
class ImportRun {
public:
    ImportRun(Division& division, ImportChoice choice, std::vector<std::string> lines,
              const DateFormat& dateFormat);

    // Reads up to count more lines; returns whether lines are left.
    bool Step(int count);
    bool done() const { return next_ == plan_.size(); }
    int lineCount() const { return static_cast<int>(plan_.size()); }
    const ImportCounters& counters() const { return counters_; }

private:
    struct PlannedLine {
        std::size_t line;
        std::optional<ImportKind> kind; // none: a title, a heading or a line of a skipped section
    };
    void PlanWholeFile();

    Division& division_;
    std::vector<std::string> lines_;
    DateFormat dateFormat_;
    std::vector<PlannedLine> plan_;
    std::size_t next_ = 0;
    ImportCounters counters_;
};

// Runs a whole import at once.
ImportCounters ImportAll(Division& division, ImportChoice choice, std::vector<std::string> lines,
                         const DateFormat& dateFormat);

} // namespace vantorel
