#pragma once

#include "app/StartupArguments.h"

namespace vantorel {

// "vantorel LEAGUE.div --screenshot OUT.png ...": opens the league in a workspace offscreen, shows the page
// (and maintenance tab, and team) the command line names, writes the window at the size asked for as a PNG
// picture and exits. Default settings are used, so the same league gives the same picture every time.
// Returns the exit code; errors go to standard error.
int ScreenshotLeague(const StartupArguments& startup);

} // namespace vantorel
