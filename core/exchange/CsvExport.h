#pragma once

#include <array>
#include <string>

#include "exchange/LineSink.h"
#include "platform/DateFormat.h"
#include "standings/TableCells.h"

namespace vantorel {

class DateList;

// The choices of the export, in the order the dialog lists them.
// "All of the Above" writes the comma-separated sections; the calendar and the team summary come after it.
enum class ExportSection {
    Table,
    Results,
    Fixtures,
    Grid,
    Scorers,
    Players,
    Squads,
    All,
    Calendar,
    TeamSummary
};
inline constexpr std::array<const char*, 10> kExportChoices = {"Leage Table Standings",
                                                               "Match Results",
                                                               "Fixtures",
                                                               "Matches Grid",
                                                               "Goal Scorers",
                                                               "Players",
                                                               "Squads",
                                                               "All of the Above",
                                                               "Calendar",
                                                               "Team Summary"};

// What an export writes beside the Division: the table as it is shown, and the date range of results and
// fixtures.
struct ExportRequest {
    ExportSection section = ExportSection::All;
    const LeagueTable* table = nullptr; // required for the table section
    TableFormat format;
    double from = 0;
    double to = 0;
};

// The default date range: the first and last dates of the match-date list, widened to the earliest and the
// latest date of any fixture; both today when the list is empty.
void DefaultExportRange(const Division& division, const DateList& dates, double today, double& from,
                        double& to);

// Writes the chosen sections as comma-separated lines, UTF-8, dates in the given format with its year widened
// to four digits, with a title line before each when all are
// written. Names holding a comma or a double quote are written in double quotes (CsvName), so that they
// read back as one field.
void ExportSections(const Division& division, const ExportRequest& request, const DateFormat& dateFormat,
                    LineSink& out);

// The short name of a team in the grid heading: first letter, a full stop and the letter after the first
// space ("A.V" for Aston Villa), or the first three characters of a one-word name.
std::string ShortTeamName(const std::string& name);

} // namespace vantorel
