#pragma once

#include <array>
#include <string>
#include <vector>

namespace vantorel {

inline constexpr const char* kOneLeagueOnly = "vantorel: only one league file can be opened at a time";
inline constexpr const char* kDesktopUsage =
    "usage: vantorel [LEAGUE.div [--page NAME]] [--folder DIR]\n"
    "       vantorel --print table|grid LEAGUE.div --pdf OUT.pdf [TABLE OPTIONS] [--second]\n"
    "       vantorel LEAGUE.div --page NAME --screenshot OUT.png [--size WxH] [--tab TAB]\n"
    "Opens the league file at once (at a workspace page: table, team, goals, division, enter, predict,\n"
    "maintenance), or lists the leagues of the league folder (DIR for this run only).\n"
    "--print writes the table or the grid of all results to a PDF file without a window; --screenshot\n"
    "writes a picture of a workspace page (table, team, goals, division, enter, predict, maintenance).\n"
    "TABLE OPTIONS: [--content played|predicted|form] [--games all|home|away] [--as-at DATE] [--short]\n"
    "               [--poss] [--form-games N]\n";

// The names --page gives the workspace's pages, in tab order.
inline constexpr std::array<const char*, 7> kPageNames = {"table", "team",    "goals",      "division",
                                                          "enter", "predict", "maintenance"};

// What the desktop program's command line asks for: "--folder DIR" lists DIR, and a league file given on
// its own opens that league's workspace at once, over a main window listing the file's folder. Either
// folder holds for this run only; the settings keep theirs. Options of other uses (such as printing) are
// left to their own readers.
struct StartupArguments {
    std::string leagueFolder; // ends in a separator; empty to keep the settings' folder
    std::string leagueFile;   // absolute; empty when none was given
    int page = 0;             // the workspace page it opens at (--page), an index of kPageNames
    std::string error;        // one line refusing the command line; empty when it is accepted
};

StartupArguments ReadStartupArguments(const std::vector<std::string>& words);

} // namespace vantorel
