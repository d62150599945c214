#include "app/StartupArguments.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "cmdline/LeagueArguments.h"
#include "store/Settings.h"

namespace vantorel {
namespace {

using cmdline::Arguments;
using cmdline::UsageError;

constexpr std::array<const char*, 8> kPageNames = {"table",    "outlook", "team",    "goals",
                                                   "division", "enter",   "predict", "maintenance"};
constexpr std::array<const char*, 6> kTabNames = {"table", "results", "goals", "players", "teams", "sort"};

template <typename Choice, std::size_t N>
Choice NamedChoice(const std::array<const char*, N>& names, const std::string& name,
                   const std::string& option) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        std::string known;
        for (const char* each : names)
            known += std::string(known.empty() ? "" : ", ") + each;
        throw UsageError(option + " takes one of " + known + ", not '" + name + "'");
    }
    return static_cast<Choice>(found - names.begin());
}

std::string Required(Arguments& args, const std::string& option, const std::string& what) {
    const auto value = args.value(option);
    if (!value)
        throw UsageError("missing " + option + " " + what);
    return *value;
}

std::string AbsoluteFile(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

// --size WIDTHxHEIGHT, each within its range, or the default size; whether it was given.
bool ReadSize(Arguments& args, int smallestWidth, int smallestHeight, int width, int height,
              StartupArguments& startup) {
    startup.width = width;
    startup.height = height;
    const auto text = args.value("--size");
    if (!text)
        return false;
    const std::size_t x = text->find('x');
    if (x == std::string::npos)
        throw UsageError("--size takes WIDTHxHEIGHT, not '" + *text + "'");
    startup.width = cmdline::ParseNumber(text->substr(0, x), smallestWidth, 8000, "--size width");
    startup.height = cmdline::ParseNumber(text->substr(x + 1), smallestHeight, 8000, "--size height");
    return true;
}

void ReadPage(Arguments& args, StartupArguments& startup) {
    if (const auto page = args.value("--page"))
        startup.page = NamedChoice<WorkspacePage>(kPageNames, *page, "--page");
}

void ReadGraph(Arguments& args, StartupArguments& startup) {
    startup.output = Required(args, "--png", "OUT.png");
    const std::string type = args.value("--type").value_or("progress");
    if (type == "progress")
        startup.graphType = GraphType::PointsProgress;
    else if (type == "top")
        startup.graphType = GraphType::TopComparison;
    else if (type == "bottom")
        startup.graphType = GraphType::BottomComparison;
    else
        throw UsageError("--type takes progress, top or bottom, not '" + type + "'");
    const std::string style = args.value("--style").value_or("bars");
    if (style != "bars" && style != "lines")
        throw UsageError("--style takes bars or lines, not '" + style + "'");
    startup.graphLines = style == "lines";
    ReadSize(args, 100, 100, 760, 440, startup);
}

void ReadPrint(Arguments& args, StartupArguments& startup) {
    const std::string what = Required(args, "--print", "table, grid, summary or graph");
    startup.leagueFile = AbsoluteFile(args.positional("league file"));
    if (what == "graph" || what == "summary") {
        startup.team = Required(args, "--team", "NAME");
        if (what == "graph") {
            startup.printout = Printout::Graph;
            ReadGraph(args, startup);
        } else {
            startup.printout = Printout::Summary;
            startup.output = Required(args, "--pdf", "OUT.pdf");
            startup.dateFormat = cmdline::DateFormatOption(args);
        }
        args.finish();
        return;
    }
    if (what != "table" && what != "grid")
        throw UsageError("--print takes table, grid, summary or graph, not '" + what + "'");
    startup.printout = what == "table" ? Printout::Table : Printout::Grid;
    if (const auto png = what == "table" ? args.value("--png") : std::nullopt) {
        startup.printout = Printout::TablePicture;
        startup.output = *png;
    } else {
        startup.output = Required(args, "--pdf", "OUT.pdf");
    }
    startup.dateFormat = cmdline::DateFormatOption(args);
    startup.secondSet = args.flag("--second");
    // The table options need the league to be read; what is left is read with them.
    startup.tableOptions = std::move(args);
}

void ReadScreenshot(Arguments& args, StartupArguments& startup) {
    startup.output = Required(args, "--screenshot", "OUT.png");
    startup.leagueFile = AbsoluteFile(args.positional("league file"));
    ReadPage(args, startup);
    if (const auto tab = args.value("--tab"))
        startup.tab = NamedChoice<MaintenanceTab>(kTabNames, *tab, "--tab");
    startup.team = args.value("--team");
    if ((startup.window = args.value("--window")) &&
        std::find(kScreenshotWindows.begin(), kScreenshotWindows.end(), *startup.window) ==
            kScreenshotWindows.end()) {
        std::string known;
        for (const char* each : kScreenshotWindows)
            known += std::string(known.empty() ? "" : ", ") + each;
        throw UsageError("--window takes one of " + known + ", not '" + *startup.window + "'");
    }
    startup.dark = args.flag("--dark");
    startup.sized = ReadSize(args, 320, 240, 960, 680, startup);
    args.finish();
}

void ReadWindow(Arguments& args, StartupArguments& startup) {
    if (const auto folder = args.value("--folder"))
        startup.leagueFolder = WithTrailingSeparator(std::filesystem::absolute(*folder).string());
    ReadPage(args, startup);
    if (args.hasPositional()) {
        const std::filesystem::path file = AbsoluteFile(args.positional("league file"));
        if (args.hasPositional())
            throw UsageError("only one league file can be opened at a time");
        startup.leagueFile = file.string();
        startup.leagueFolder = WithTrailingSeparator(file.parent_path().string());
    }
    args.finish();
}

} // namespace

StartupArguments ReadStartupArguments(const std::vector<std::string>& words) {
    StartupArguments startup;
    const auto given = [&words](const char* word) {
        return std::find(words.begin(), words.end(), word) != words.end();
    };
    if (given("--help") || given("-h")) {
        startup.action = StartupAction::Help;
        return startup;
    }
    if (given("--version")) {
        startup.action = StartupAction::Version;
        return startup;
    }
    startup.action = given("--print")        ? StartupAction::Print
                     : given("--screenshot") ? StartupAction::Screenshot
                                             : StartupAction::Open;
    try {
        Arguments args(words, {"--short", "--poss", "--second", "--dark"});
        if (startup.action == StartupAction::Print)
            ReadPrint(args, startup);
        else if (startup.action == StartupAction::Screenshot)
            ReadScreenshot(args, startup);
        else
            ReadWindow(args, startup);
    } catch (const UsageError& error) {
        // A window's command line has its own exit code, which scripts starting the program rely on.
        const bool window = startup.action == StartupAction::Open;
        startup.error = std::string(window                                   ? "vantorel: "
                                    : startup.action == StartupAction::Print ? "vantorel --print: "
                                                                             : "vantorel --screenshot: ") +
                        error.what();
        startup.exitCode = window ? 2 : 1;
    }
    return startup;
}

} // namespace vantorel
