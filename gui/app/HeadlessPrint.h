#pragma once

#include <string>
#include <vector>

namespace vantorel {

// "vantorel --print table|grid|summary LEAGUE.div --pdf OUT.pdf [table options] [--team NAME]": writes the
// printout of a league to a PDF file without showing a window; "--print table ... --png OUT.png" draws the
// table printout into a picture instead (standings/TablePicture.h). The table options are those of
// vantorel-cli,
// --second prints the second set of a grid, and the team summary is of the team --team names. "--print
// graph" draws a progress graph picture instead (stats/GraphPicture.h). Returns the exit code; errors go to
// standard error.
int PrintLeagueToPdf(const std::vector<std::string>& words);

} // namespace vantorel
