// vantorel-cli: the league tool without a window.

#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "cmdline/Usage.h"

namespace {

using vantorel::cmdline::CliUsage;

struct CommandEntry {
    const char* name;
    vantorel::cli::Command run;
};

// What runs each command; its usage is its entry in cmdline::CliUsage.
const CommandEntry kCommands[] = {
    {"new", vantorel::cli::NewCommand},       {"import", vantorel::cli::ImportCommand},
    {"export", vantorel::cli::ExportCommand}, {"table", vantorel::cli::TableCommand},
    {"stats", vantorel::cli::StatsCommand},   {"set", vantorel::cli::SetCommand},
    {"result", vantorel::cli::ResultCommand}, {"predict", vantorel::cli::PredictCommand},
    {"list", vantorel::cli::ListCommand},     {"info", vantorel::cli::InfoCommand},
    {"check", vantorel::cli::CheckCommand},   {"players", vantorel::cli::PlayersCommand},
    {"player", vantorel::cli::PlayerCommand}, {"scorer", vantorel::cli::ScorerCommand},
    {"squad", vantorel::cli::SquadCommand},   {"report", vantorel::cli::ReportCommand},
};

bool WantsHelp(const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (word == "--help" || word == "-h")
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << vantorel::cmdline::HelpText(CliUsage());
        return words.empty() ? 1 : 0;
    }
    if (words[0] == "--version") {
        std::cout << vantorel::cmdline::VersionLine("vantorel-cli") << "\n";
        return 0;
    }
    for (const CommandEntry& command : kCommands) {
        if (words[0] != command.name)
            continue;
        const std::vector<std::string> rest(words.begin() + 1, words.end());
        if (WantsHelp(rest)) {
            std::cout << vantorel::cmdline::CommandHelp(CliUsage(), command.name);
            return 0;
        }
        try {
            return command.run(rest, std::cout);
        } catch (const std::exception& error) {
            // A user error, reported as one line.
            std::cerr << "vantorel-cli " << command.name << ": " << error.what() << "\n";
        }
        return 1;
    }
    std::cerr << "vantorel-cli: unknown command '" << words[0] << "'; run vantorel-cli --help\n";
    return 1;
}
