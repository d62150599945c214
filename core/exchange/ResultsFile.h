#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantorel {

// The columns of a results file whose first line names them, as downloadable results files do. The names
// are compared without regard to case, blanks and underscores: "Date"; "HomeTeam" or "Home"; "AwayTeam" or
// "Away"; "FTHG", "HG" or "HomeGoals"; "FTAG", "AG" or "AwayGoals"; and optionally "Attendance". Every other
// column ("Div", "Time", "FTR", "Referee", odds and match statistics) is ignored.
struct ResultsColumns {
    int date = -1;
    int home = -1;
    int away = -1;
    int homeGoals = -1;
    int awayGoals = -1;
    int attendance = -1; // -1: the file has none
    // How many fields of a line are used: up to the last column read.
    int fieldsUsed() const;
};

// The columns a heading line names; nothing when it does not name all five that a result needs.
std::optional<ResultsColumns> FindResultsColumns(std::string_view line);

// One result line's fields by meaning.
struct ResultFields {
    std::string date;
    std::string home;
    std::string away;
    std::string homeGoals;
    std::string awayGoals;
    std::optional<std::string> attendance; // none: the line gives no attendance
};

enum class ResultLineShape { Result, Blank, Bad };

// A line of a file with named columns: Blank when every column read is empty (files often end with such
// lines), Bad when the line is too short. A time of day after the date ("13/08/2005 15:00",
// "2005-08-13T15:00:00Z") is left out of the date, and commas between the thousands of an attendance
// ("20,000") are left out of it.
ResultLineShape ReadNamedResult(std::string_view line, const ResultsColumns& columns, ResultFields& fields);

// A line without a heading: date, home, away, home goals, away goals and an optional attendance, exactly
// five or six fields.
ResultLineShape ReadPlainResult(std::string_view line, ResultFields& fields);

} // namespace vantorel
