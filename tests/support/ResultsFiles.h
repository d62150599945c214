#pragma once

#include <map>
#include <string>
#include <vector>

#include "standings/Standings.h"
#include "store/Division.h"

namespace vantorel::testing {

// How a downloadable results file writes the sample season (examples/sample-season).
struct ResultsFileStyle {
    const char* name;
    // The heading's column names; "Date", "Time", the home, away and goal columns and "Attendance" take
    // the match's values, every other column a filler such as an odds figure.
    std::vector<std::string> columns;
    const char* datePattern; // a DateFormat pattern
    bool shortNames;         // the names such files use ("Man United", "West Brom")
    const char* lineEnd;
};

// The file's text, UTF-8.
std::string SampleSeasonResultsFile(const ResultsFileStyle& style);

// The short names of the sample season's teams, by full name.
const std::map<std::string, std::string>& SampleSeasonShortNames();

// The table lines as table.csv writes them ("Team,P,W,D,L,GF,GA,GD,Pts,Deduction"), sorted by points, goal
// difference and goals scored, each team under its full name.
std::vector<std::string> PublishedTableLines(const Division& division);

} // namespace vantorel::testing
