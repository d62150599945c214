// The ways of running the desktop program, read by ReadStartupArguments. A new option is written here
// once; the --help text and the manual page are made from this table.

#include "cmdline/Usage.h"

namespace vantorel::cmdline {

const ProgramUsage& DesktopUsage() {
    static const ProgramUsage usage{
        "vantorel",
        "",
        {
            {"window",
             "open the program",
             {"[LEAGUE.div] [--folder DIR]"},
             "Opens the league file at once, over a main window listing the file's folder; without one, "
             "lists "
             "the leagues of the league folder, or of DIR for this run only (the settings keep their "
             "folder). "
             "Only one league file can be named."},
            {"print",
             "print a table or the grid of all results",
             {"--print table|grid LEAGUE.div --pdf OUT.pdf [TABLE OPTIONS] [--second] [--date-format "
              "PATTERN]"},
             "--print table and --print grid write the league table, or the grid of all results, to a PDF "
             "file "
             "without a window and without a display; --second prints the second set of matches of a league "
             "whose teams meet four times."},
            {"summary",
             "print a team summary",
             {"--print summary LEAGUE.div --team NAME --pdf OUT.pdf [--date-format PATTERN]"},
             "--print summary writes the summary of team NAME, as the Team Statistics page prints it, to a "
             "PDF "
             "file."},
            {"graph",
             "draw a progress graph",
             {"--print graph LEAGUE.div --team NAME --png OUT.png [--type progress|top|bottom] "
              "[--style bars|lines] [--size WxH]"},
             "--print graph draws the points progress of team NAME, or its comparison with the top or bottom "
             "teams in bars or lines, into a PNG picture (760x440 unless --size says otherwise)."},
            {"screenshot",
             "picture a workspace page",
             {"LEAGUE.div --screenshot OUT.png [--page NAME] [--tab TAB] [--team NAME] [--size WxH]"},
             "--screenshot writes a PNG picture of a workspace page (--page table, team, goals, division, "
             "enter, predict or maintenance; table unless named) and exits, offscreen unless QT_QPA_PLATFORM "
             "names a platform. --tab picks the maintenance tab (table, results, goals, players, teams, "
             "sort), "
             "--team the team of the team page and --size the window's size (960x680 unless given)."},
            {"help",
             "print the usage or the version",
             {"--help | --version"},
             "--help prints the usage and --version the program's version."},
        },
        {
            {0, "The program ended normally, or the printout, picture or screenshot was written."},
            {1, "The printout, picture or screenshot was not written: its command line was not understood, "
                "the league could not be loaded or the file could not be written; the reason is on standard "
                "error."},
            {2, "The command line of a window was not understood, such as one naming two league files."},
        },
    };
    return usage;
}

} // namespace vantorel::cmdline
