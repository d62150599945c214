#pragma once

#include <memory>
#include <string>
#include <vector>

#include "store/Division.h"

namespace vantorel::testing {

// The folder of the real season kept in examples/ (English Premier League 2005/06).
std::string SampleSeasonFolder();

// Lines of a text file of the sample season, converted from Windows-1252, without line ends.
std::vector<std::string> SampleSeasonLines(const std::string& fileName);

// The sample season as a league: its 20 teams meeting twice, 3 points for a win, sorted by points, goal
// difference and goals scored, with all 380 results entered on their dates.
std::unique_ptr<Division> LoadSampleSeason();

} // namespace vantorel::testing
