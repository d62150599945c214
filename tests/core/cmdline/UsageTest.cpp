#include "cmdline/Usage.h"

#include <sstream>

#include <gtest/gtest.h>

namespace vantorel::cmdline {
namespace {

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(UsageTest, HelpListsEveryCommandAndEachCommandsHelpItsFormsWrappedUnderTheCommand) {
    const std::string help = HelpText(CliUsage()), desktop = HelpText(DesktopUsage());
    for (const CommandUsage& command : CliUsage().commands)
        EXPECT_TRUE(Contains(help, "\n  " + std::string(command.name) + " ")) << command.name;
    const std::string set = CommandHelp(CliUsage(), "set");
    EXPECT_EQ(set.rfind("usage: vantorel-cli set FILE.div [--deduct TEAM=N]... [--win-points 2|3]", 0), 0u)
        << set;
    // The next line of the form stands under its first word, after "usage: vantorel-cli set ".
    EXPECT_TRUE(Contains(set, "\n                        [--")) << set;
    std::istringstream lines(set + help + desktop);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 100u) << line;
    EXPECT_TRUE(
        Contains(CommandHelp(CliUsage(), "export"), "\nTABLE OPTIONS: [--content played|predicted|form]"));
    EXPECT_FALSE(Contains(set, "TABLE OPTIONS"));
    EXPECT_EQ(CommandHelp(CliUsage(), "sets"), "");
    // The desktop program's help shows every way of running it.
    for (const char* form : {"usage: vantorel [LEAGUE.div [--page NAME]] [--folder DIR]\n",
                             "\n       vantorel --print table|grid ", "\n       vantorel --print summary ",
                             "\n       vantorel --print graph ", "\n       vantorel LEAGUE.div --screenshot ",
                             "\n       vantorel --help | --version\n", "\nTABLE OPTIONS: "})
        EXPECT_TRUE(Contains(desktop, form)) << form << desktop;
    EXPECT_EQ(VersionLine("vantorel"), "vantorel " VANTOREL_VERSION);
}

TEST(UsageTest, TheManualPageSetsFormsInItsFontsAndFillsEveryPlaceholder) {
    const std::string page =
        ManualPage(CliUsage(), ".TH X 1 \"\" \"Vantorel @VERSION@\"\n@SYNOPSIS@\n.SH COMMANDS\n"
                               "@COMMANDS@\n@TABLE OPTIONS@\n.SH EXIT STATUS\n@EXIT STATUS@\n");
    EXPECT_EQ(page.rfind(".TH X 1 \"\" \"Vantorel " VANTOREL_VERSION
                         "\"\n\\fBvantorel\\-cli\\fR \\%\\fICOMMAND\\fR "
                         "\\%\\fIFILE.div\\fR \\%...\n.br\n",
                         0),
              0u)
        << page;
    for (const CommandUsage& command : CliUsage().commands)
        EXPECT_TRUE(Contains(page, ".TP\n\\%\\fB" + std::string(command.name) + "\\fR ")) << command.name;
    // Further forms of a command stand under the first; options are bold and what the user writes italic.
    for (const char* part : {".TQ\n\\%\\fBplayer\\fR \\%\\fIFILE.div\\fR \\%\\fBchange\\fR \\%\\fINAME\\fR "
                             "\\%[\\fB\\-\\-name\\fR \\%\\fINEW\\fR]",
                             "\\%[\\fB\\-\\-content\\fR \\%\\fBplayed\\fR|\\fBpredicted\\fR|\\fBform\\fR]",
                             ".TP\n.B 2\nimport: lines were read but none"})
        EXPECT_TRUE(Contains(page, part)) << part << page;
    EXPECT_FALSE(Contains(page, "@"));
}

} // namespace
} // namespace vantorel::cmdline
