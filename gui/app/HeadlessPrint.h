#pragma once

#include "app/StartupArguments.h"

namespace vantorel {

// Writes the printout the command line asks for (--print table, grid or summary) to a PDF file, or draws
// the graph picture (--print graph, stats/GraphPicture.h), without showing a window. Returns the exit code;
// errors go to standard error.
int PrintLeague(const StartupArguments& startup);

// A printout or a screenshot, or the error refusing its command line: the exit code of the run.
int RunWithoutWindow(const StartupArguments& startup);

} // namespace vantorel
