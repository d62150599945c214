// vantorel-cli: the league tool without a window.

#include <iostream>
#include <string>
#include <vector>

#include "Arguments.h"
#include "Commands.h"

namespace {

constexpr const char* kUsage =
    "usage: vantorel-cli COMMAND FILE.div ...\n"
    "commands:\n"
    "  new     create a league with its whole fixture list\n"
    "  import  enter results or add players from comma-separated text\n"
    "  export  write the table, results, fixtures, grid, scorers or players as comma-separated text\n"
    "  table   print the league table\n"
    "  set     change deductions, points for a win, sort rules, zones and the own team\n"
    "  info    print the league's settings and counts\n"
    "  check   tell whether a league file is valid\n"
    "Run vantorel-cli COMMAND --help for the options of a command.\n";

} // namespace

int main(int argc, char* argv[]) {
    using namespace vantorel::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << kUsage;
        return words.empty() ? 1 : 0;
    }
    const std::pair<const char*, Command> commands[] = {
        {"new", NewCommand}, {"import", ImportCommand}, {"export", ExportCommand}, {"table", TableCommand},
        {"set", SetCommand}, {"info", InfoCommand},     {"check", CheckCommand}};
    for (const auto& [name, command] : commands) {
        if (words[0] != name)
            continue;
        try {
            return command({words.begin() + 1, words.end()}, std::cout);
        } catch (const UsageError& error) {
            std::cerr << "vantorel-cli " << name << ": " << error.what() << "\n";
        } catch (const std::exception& error) {
            std::cerr << "vantorel-cli " << name << ": " << error.what() << "\n";
        }
        return 1;
    }
    std::cerr << "vantorel-cli: unknown command '" << words[0] << "'; run vantorel-cli --help\n";
    return 1;
}
