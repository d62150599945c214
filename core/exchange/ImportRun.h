#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exchange/CsvImport.h"
#include "exchange/DateLayout.h"
#include "exchange/ImportSource.h"
#include "exchange/ResultsFile.h"
#include "exchange/TeamNames.h"

namespace vantorel {

// The choices of the import, in the order the dialog lists them.
enum class ImportChoice { Results, Players, Scorers, Squads, All };
inline constexpr std::array<const char*, 5> kImportChoices = {"Match Results", "Players", "Goal Scorers",
                                                              "Squads", "All of the Above"};

// How a file's dates and team names are read.
struct ImportOptions {
    // The chosen format: the system's short date format in the window, dd/MM/yyyy or --date-format on the
    // command line. Files without named columns are read in it.
    DateFormat dateFormat = DateFormat::Default();
    // Whether the user gave the format. Results files with named columns are otherwise read in the layout
    // their dates show.
    bool formatGiven = false;
    // Names the user mapped to teams.
    TeamAliases aliases;
};

inline constexpr const char* kNoSectionTitles =
    "This file has no section titles such as \"Match Results\" or \"Players\", so nothing was read as a "
    "whole-league file. Choose under \"Import What\" what the file holds.";

// One import of a file, run a few lines at a time so that a window can show its progress between steps. The
// file is read line by line, in memory that does not grow with its size, first to look at it whole and then
// to import it:
// - Looking at it decides the format of its dates (DateSurvey) and, for a results file with named columns
//   (ResultsFile.h), the league team of each of its team names (MatchTeamNames). When the dates cannot be
//   read safely or a name is not found, the file is refused whole and nothing is imported.
// - With one kind chosen every line is of that kind, so heading lines count as errors, except the heading
//   of named columns. With "All of the Above" the file is read as the whole-league export writes it: each
//   section title switches the kind of the lines that follow; titles, column headings and the lines of the
//   table and grid sections are read but neither imported nor errors. Results, fixture dates and players
//   are entered first, then goal scorers and squad lines, whatever their order in the file.
class ImportRun {
public:
    ImportRun(Division& division, ImportChoice choice, LineSource& source, ImportOptions options);

    // Reads up to count more lines; returns whether lines are left.
    bool Step(int count);
    bool done() const { return phase_ == Phase::Done; }
    // How far the whole run has come, 0 to 1.
    double progress() const;
    const ImportCounters& counters() const { return counters_; }
    // The names of a refused file that no team was found for.
    const std::vector<std::string>& unmatchedNames() const { return unmatched_; }

private:
    enum class Phase { Survey, Early, Late, Done };
    // What one line is: its kind, or none for a title, a heading or a line of a skipped section.
    std::optional<ImportKind> Classify(const std::string& line);
    void SurveyLine(const std::string& line);
    void FinishSurvey();
    void ImportLine(ImportKind kind, const std::string& line);
    bool ImportResultLine(const std::string& line, std::string* fullReason);
    int TeamOf(const std::string& name) const;
    void StartReading(Phase phase);

    Division& division_;
    ImportChoice choice_;
    LineSource& source_;
    ImportOptions options_;
    Phase phase_ = Phase::Survey;
    ImportCounters counters_;

    // What the file is, found while looking at it.
    std::optional<ResultsColumns> columns_;
    bool firstLine_ = true;
    std::optional<ImportKind> section_;
    bool anyTitle_ = false;
    DateSurvey dates_;
    DateFormat dateFormat_;
    std::vector<std::string> names_;
    std::map<std::string, int> teamOfName_;
    std::vector<std::string> unmatched_;
};

// Runs a whole import at once.
ImportCounters ImportAll(Division& division, ImportChoice choice, LineSource& source,
                         const ImportOptions& options);
ImportCounters ImportAll(Division& division, ImportChoice choice, std::vector<std::string> lines,
                         const DateFormat& dateFormat);

} // namespace vantorel
