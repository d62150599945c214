#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Workspace.h"
#include "cmdline/Arguments.h"
#include "platform/DateFormat.h"
#include "stats/ProgressGraph.h"

namespace vantorel {

// What the desktop program's command line asks it to do (cmdline::DesktopUsage lists every form).
enum class StartupAction {
    Open,       // the window: the league file given, or the list of the league folder
    Print,      // a printout to a PDF file, or a graph picture, without a window
    Screenshot, // a picture of a workspace page
    Help,
    Version
};
enum class Printout { Table, Grid, Summary, Graph };

struct StartupArguments {
    StartupAction action = StartupAction::Open;
    // Open: "--folder DIR", or the folder of the league file, for this run only (the settings keep
    // theirs); ends in a separator; empty to keep the settings' folder.
    std::string leagueFolder;
    std::string leagueFile; // absolute; empty when none was given
    // Open and Screenshot: the workspace page --page names, and the maintenance page's tab (--tab).
    std::optional<WorkspacePage> page;
    MaintenanceTab tab = MaintenanceTab::Table;
    // Print and Screenshot
    Printout printout = Printout::Table;
    std::string output;              // the file --pdf, --png or --screenshot names
    std::optional<std::string> team; // --team: the team summarised, graphed or shown
    bool secondSet = false;          // --second: the second set of a grid
    GraphType graphType = GraphType::PointsProgress;
    bool graphLines = false;   // --style lines
    int width = 0, height = 0; // --size, or the default of the picture
    DateFormat dateFormat = DateFormat::Default();
    // Print table and grid: the TABLE OPTIONS, read with cmdline::TableOptions once the league is loaded
    // and then finished.
    cmdline::Arguments tableOptions{{}, {}};
    // One line refusing the command line, and the exit code to end with; the error is empty when the
    // command line is accepted.
    std::string error;
    int exitCode = 0;
};

// Reads the desktop program's command line. Qt takes its own options (such as -style) out of a window's
// command line, so that command line is read again once Qt has done so.
StartupArguments ReadStartupArguments(const std::vector<std::string>& words);

} // namespace vantorel
