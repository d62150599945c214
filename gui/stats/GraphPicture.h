#pragma once

#include "app/StartupArguments.h"

namespace vantorel {

// "vantorel --print graph LEAGUE.div --team NAME ... --png OUT.png": draws the team's progress graph, of
// the type, style and size the command line asks for, into a PNG picture without a window. Returns the exit
// code; errors go to standard error.
int PrintGraphPicture(const StartupArguments& startup);

} // namespace vantorel
