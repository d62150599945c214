#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantorel::cmdline {

// One command of a program, or one way of running a program without commands. The forms and the
// description are written once here; the --help texts and the manual pages are made from them.
struct CommandUsage {
    std::string_view name;    // the command's word; for a way of running the program, a short title
    std::string_view summary; // one line for the list of commands
    // How it is written after the program's name, one form to a string: option names begin with "-",
    // words the user replaces are in capitals, the other words are written as they stand.
    std::vector<std::string_view> forms;
    std::string_view description; // sentences; a line break starts a new paragraph
};

struct ExitStatus {
    int code;
    std::string_view meaning;
};

// Everything the --help texts and the manual page of one program say about its command line.
struct ProgramUsage {
    std::string_view program;
    std::string_view synopsis; // the general form of a program with commands; empty for one without
    std::vector<CommandUsage> commands;
    std::vector<ExitStatus> exitStatuses;
};

// The table options both programs read (TableOptions), in the form the usage texts show them.
inline constexpr std::string_view kTableOptionsName = "TABLE OPTIONS";
inline constexpr std::string_view kTableOptionsForm =
    "[--content played|predicted|form] [--games all|home|away] [--as-at DATE] [--short] [--poss] "
    "[--form-games N]";

const ProgramUsage& DesktopUsage();
const ProgramUsage& CliUsage();

// "vantorel 0.1": the program's name and the version of this build.
std::string VersionLine(std::string_view program);

// The program's --help text: for a program with commands its synopsis and the list of commands, otherwise
// every form and description. Lines are wrapped to 100 columns.
std::string HelpText(const ProgramUsage& usage);
// The --help text of one command: its forms, description and, when a form takes them, the table options.
// Empty for a command the program does not have.
std::string CommandHelp(const ProgramUsage& usage, std::string_view command);

// A manual page made from a template: a line "@SYNOPSIS@", "@COMMANDS@" or "@EXIT STATUS@" is replaced
// by those parts of the usage, "@TABLE OPTIONS@" by the table options and "@VERSION@" anywhere by the
// build's version.
std::string ManualPage(const ProgramUsage& usage, std::string_view manualTemplate);

} // namespace vantorel::cmdline
