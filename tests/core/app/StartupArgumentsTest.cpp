#include "app/StartupArguments.h"

#include <filesystem>
#include <tuple>

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using Words = std::vector<std::string>;

TEST(StartupArgumentsTest, ALeagueFileOpensOverItsFolderAndASecondIsRefused) {
    const StartupArguments league =
        ReadStartupArguments({"/home/fan/leagues/../cups/cup.div", "--page", "team"});
    EXPECT_EQ(std::tuple(league.action, league.leagueFile, league.leagueFolder, league.page, league.error),
              std::tuple(StartupAction::Open, "/home/fan/cups/cup.div", "/home/fan/cups/",
                         WorkspacePage::TeamStatistics, ""));
    const StartupArguments folder = ReadStartupArguments({"--folder", "/srv/leagues"});
    EXPECT_EQ(std::tuple(folder.leagueFolder, folder.leagueFile), std::tuple("/srv/leagues/", ""));
    EXPECT_TRUE(std::filesystem::path(ReadStartupArguments({"cup.div"}).leagueFile).is_absolute());
    const StartupArguments two = ReadStartupArguments({"a.div", "b.div"});
    EXPECT_EQ(std::pair(two.error, two.exitCode),
              std::pair(std::string("vantorel: only one league file can be opened at a time"), 2));
}

TEST(StartupArgumentsTest, EachFormIsReadWithItsDefaults) {
    const StartupArguments table = ReadStartupArguments({"--print", "grid", "/a/cup.div", "--pdf", "out.pdf",
                                                         "--second", "--short", "--date-format", "d/M/yy"});
    EXPECT_EQ(std::tuple(table.action, table.printout, table.leagueFile, table.output, table.secondSet),
              std::tuple(StartupAction::Print, Printout::Grid, "/a/cup.div", "out.pdf", true));
    EXPECT_EQ(table.dateFormat.Format(45000), "15/3/23");
    cmdline::Arguments rest = table.tableOptions; // the table options are left for TableOptions
    EXPECT_TRUE(rest.flag("--short"));
    EXPECT_NO_THROW(rest.finish());

    const StartupArguments picture =
        ReadStartupArguments({"--print", "table", "cup.div", "--png", "t.png", "--games", "home"});
    EXPECT_EQ(std::tuple(picture.printout, picture.output), std::tuple(Printout::TablePicture, "t.png"));
    cmdline::Arguments pictureOptions = picture.tableOptions;
    EXPECT_EQ(pictureOptions.value("--games"), "home");

    const StartupArguments graph = ReadStartupArguments(
        {"--print", "graph", "cup.div", "--team", "Hull", "--png", "g.png", "--style", "lines"});
    EXPECT_EQ(
        std::tuple(graph.printout, graph.team, graph.graphLines, graph.graphType, graph.width, graph.height),
        std::tuple(Printout::Graph, "Hull", true, GraphType::PointsProgress, 760, 440));

    const StartupArguments shot = ReadStartupArguments(
        {"cup.div", "--screenshot", "s.png", "--page", "maintenance", "--tab", "sort", "--size", "800x600"});
    EXPECT_EQ(std::tuple(shot.action, shot.page, shot.tab, shot.width, shot.height, shot.sized),
              std::tuple(StartupAction::Screenshot, WorkspacePage::TableMaintenance,
                         MaintenanceTab::SortOrder, 800, 600, true));
    const StartupArguments dialog =
        ReadStartupArguments({"cup.div", "--screenshot", "s.png", "--window", "graph", "--dark"});
    // A window keeps its own size unless one is given.
    EXPECT_EQ(std::tuple(dialog.window, dialog.dark, dialog.sized), std::tuple("graph", true, false));
    const StartupArguments plain = ReadStartupArguments({"cup.div", "--screenshot", "s.png"});
    EXPECT_EQ(std::pair(plain.width, plain.height), std::pair(960, 680));

    EXPECT_EQ(ReadStartupArguments({"--print", "table", "--help"}).action, StartupAction::Help);
    EXPECT_EQ(ReadStartupArguments({"-h"}).action, StartupAction::Help);
    EXPECT_EQ(ReadStartupArguments({"--version"}).action, StartupAction::Version);
}

TEST(StartupArgumentsTest, RefusalsNameWhatIsWrongAndEndWithTheirCode) {
    const std::pair<Words, std::string> refusals[] = {
        {{"--print", "chart", "cup.div", "--pdf", "o.pdf"},
         "vantorel --print: --print takes table, grid, summary or graph, not 'chart'"},
        {{"--print", "table", "cup.div"}, "vantorel --print: missing --pdf OUT.pdf"},
        {{"--print"}, "vantorel --print: option --print needs a value"},
        {{"--print", "summary", "cup.div", "--pdf", "o.pdf"}, "vantorel --print: missing --team NAME"},
        {{"--print", "graph", "cup.div", "--team", "Hull", "--png", "g.png", "--type", "middle"},
         "vantorel --print: --type takes progress, top or bottom, not 'middle'"},
        {{"--print", "graph", "cup.div", "--team", "Hull", "--png", "g.png", "--size", "99x200"},
         "vantorel --print: --size width must be a whole number from 100 to 8000, not '99'"},
        {{"--print", "summary", "cup.div", "--team", "Hull", "--pdf", "o.pdf", "--short"},
         "vantorel --print: unknown option --short"},
        {{"cup.div", "--screenshot", "s.png", "--page", "scores"},
         "vantorel --screenshot: --page takes one of table, outlook, team, goals, division, enter, predict, "
         "maintenance, not 'scores'"},
        {{"cup.div", "--screenshot", "s.png", "--size", "700"},
         "vantorel --screenshot: --size takes WIDTHxHEIGHT, not '700'"},
        {{"--screenshot", "s.png"}, "vantorel --screenshot: missing league file"},
        {{"cup.div", "--screenshot", "s.png", "--window", "about"},
         "vantorel --screenshot: --window takes one of main, wizard, graph, player, details, squad, export, "
         "import, not 'about'"},
        {{"cup.div", "--tab", "sort"}, "vantorel: unknown option --tab"}, // a usage error of the program: 2
    };
    for (const auto& [words, error] : refusals) {
        const StartupArguments startup = ReadStartupArguments(words);
        EXPECT_EQ(startup.error, error);
        EXPECT_EQ(startup.exitCode, error.starts_with("vantorel: ") ? 2 : 1) << error;
    }
}

} // namespace
} // namespace vantorel
