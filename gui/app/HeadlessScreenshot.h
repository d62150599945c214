#pragma once

#include <string>
#include <vector>

namespace vantorel {

// Whether the words ask for a screenshot of a workspace page instead of a run of the program.
bool WantsScreenshot(const std::vector<std::string>& words);

// "vantorel LEAGUE.div --page NAME --screenshot OUT.png [--size WxH] [--tab TAB] [--team NAME]": opens the
// league in a workspace offscreen, shows page NAME (table, team, goals, division, enter, predict,
// maintenance; TAB picks the maintenance tab: table, results, goals, players, teams, sort; --team the team
// of the team statistics page), writes the window as a PNG picture and
// exits. Default settings are used, so the same league gives the same picture every time. Returns the exit
// code; errors go to standard error. With --window NAME (see kScreenshotWindows) the picture is of that
// window instead, opened over the workspace, at its own size unless --size is given. --dark paints with the
// colours of a dark desktop.
int ScreenshotLeague(const std::vector<std::string>& words);

} // namespace vantorel
