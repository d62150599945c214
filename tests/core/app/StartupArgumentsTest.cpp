#include "app/StartupArguments.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using Words = std::vector<std::string>;

TEST(StartupArgumentsTest, ALeagueFileOpensOverItsFolderAndASecondIsRefused) {
    const StartupArguments league =
        ReadStartupArguments({"/home/fan/leagues/../cups/cup.div", "--page", "team"});
    EXPECT_EQ(league.action, StartupAction::Open);
    EXPECT_EQ(league.leagueFile, "/home/fan/cups/cup.div");
    EXPECT_EQ(league.leagueFolder, "/home/fan/cups/");
    EXPECT_EQ(league.page, WorkspacePage::TeamStatistics);
    EXPECT_TRUE(league.error.empty());
    EXPECT_EQ(ReadStartupArguments({"--folder", "/srv/leagues"}).leagueFolder, "/srv/leagues/");
    EXPECT_TRUE(ReadStartupArguments({"--folder", "/srv/leagues"}).leagueFile.empty());
    const std::string relative = ReadStartupArguments({"cup.div"}).leagueFile;
    EXPECT_TRUE(std::filesystem::path(relative).is_absolute());
    const StartupArguments two = ReadStartupArguments({"a.div", "b.div"});
    EXPECT_EQ(two.error, "vantorel: only one league file can be opened at a time");
    EXPECT_EQ(two.exitCode, 2);
}

TEST(StartupArgumentsTest, EachFormIsReadWithItsDefaults) {
    const StartupArguments table = ReadStartupArguments({"--print", "grid", "/a/cup.div", "--pdf", "out.pdf",
                                                         "--second", "--short", "--date-format", "d/M/yy"});
    EXPECT_EQ(table.action, StartupAction::Print);
    EXPECT_EQ(table.printout, Printout::Grid);
    EXPECT_EQ(table.leagueFile, "/a/cup.div");
    EXPECT_EQ(table.output, "out.pdf");
    EXPECT_TRUE(table.secondSet);
    EXPECT_EQ(table.dateFormat.Format(45000), "15/3/23");
    cmdline::Arguments rest = table.tableOptions; // the table options are left for TableOptions
    EXPECT_TRUE(rest.flag("--short"));
    EXPECT_NO_THROW(rest.finish());

    const StartupArguments picture =
        ReadStartupArguments({"--print", "table", "cup.div", "--png", "t.png", "--games", "home"});
    EXPECT_EQ(picture.printout, Printout::TablePicture);
    EXPECT_EQ(picture.output, "t.png");
    cmdline::Arguments pictureOptions = picture.tableOptions;
    EXPECT_EQ(pictureOptions.value("--games"), "home");

    const StartupArguments graph = ReadStartupArguments(
        {"--print", "graph", "cup.div", "--team", "Hull", "--png", "g.png", "--style", "lines"});
    EXPECT_EQ(graph.printout, Printout::Graph);
    EXPECT_EQ(*graph.team, "Hull");
    EXPECT_TRUE(graph.graphLines);
    EXPECT_EQ(graph.graphType, GraphType::PointsProgress);
    EXPECT_EQ(std::pair(graph.width, graph.height), std::pair(760, 440));

    const StartupArguments shot = ReadStartupArguments(
        {"cup.div", "--screenshot", "s.png", "--page", "maintenance", "--tab", "sort", "--size", "800x600"});
    EXPECT_EQ(shot.action, StartupAction::Screenshot);
    EXPECT_EQ(shot.page, WorkspacePage::TableMaintenance);
    EXPECT_EQ(shot.tab, MaintenanceTab::SortOrder);
    EXPECT_EQ(std::pair(shot.width, shot.height), std::pair(800, 600));
    EXPECT_TRUE(shot.sized);
    const StartupArguments dialog =
        ReadStartupArguments({"cup.div", "--screenshot", "s.png", "--window", "graph", "--dark"});
    EXPECT_EQ(dialog.window, std::optional<std::string>("graph"));
    EXPECT_TRUE(dialog.dark);
    EXPECT_FALSE(dialog.sized) << "a window keeps its own size unless one is given";
    EXPECT_EQ(std::pair(ReadStartupArguments({"cup.div", "--screenshot", "s.png"}).width,
                        ReadStartupArguments({"cup.div", "--screenshot", "s.png"}).height),
              std::pair(960, 680));

    EXPECT_EQ(ReadStartupArguments({"--print", "table", "--help"}).action, StartupAction::Help);
    EXPECT_EQ(ReadStartupArguments({"-h"}).action, StartupAction::Help);
    EXPECT_EQ(ReadStartupArguments({"--version"}).action, StartupAction::Version);
}

struct Refusal {
    Words words;
    std::string error;
    int exitCode;
};

class StartupRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(StartupRefusalTest, NamesWhatIsWrongAndEndsWithItsCode) {
    const StartupArguments startup = ReadStartupArguments(GetParam().words);
    EXPECT_EQ(startup.error, GetParam().error);
    EXPECT_EQ(startup.exitCode, GetParam().exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, StartupRefusalTest,
    ::testing::Values(
        Refusal{{"--print", "chart", "cup.div", "--pdf", "o.pdf"},
                "vantorel --print: --print takes table, grid, summary or graph, not 'chart'",
                1},
        Refusal{{"--print", "table", "cup.div"}, "vantorel --print: missing --pdf OUT.pdf", 1},
        Refusal{{"--print"}, "vantorel --print: option --print needs a value", 1},
        Refusal{
            {"--print", "summary", "cup.div", "--pdf", "o.pdf"}, "vantorel --print: missing --team NAME", 1},
        Refusal{{"--print", "graph", "cup.div", "--team", "Hull", "--png", "g.png", "--type", "middle"},
                "vantorel --print: --type takes progress, top or bottom, not 'middle'",
                1},
        Refusal{{"--print", "graph", "cup.div", "--team", "Hull", "--png", "g.png", "--size", "99x200"},
                "vantorel --print: --size width must be a whole number from 100 to 8000, not '99'",
                1},
        Refusal{{"--print", "summary", "cup.div", "--team", "Hull", "--pdf", "o.pdf", "--short"},
                "vantorel --print: unknown option --short",
                1},
        Refusal{{"cup.div", "--screenshot", "s.png", "--page", "scores"},
                "vantorel --screenshot: --page takes one of table, outlook, team, goals, division, enter, "
                "predict, "
                "maintenance, not 'scores'",
                1},
        Refusal{{"cup.div", "--screenshot", "s.png", "--size", "700"},
                "vantorel --screenshot: --size takes WIDTHxHEIGHT, not '700'",
                1},
        Refusal{{"--screenshot", "s.png"}, "vantorel --screenshot: missing league file", 1},
        Refusal{{"cup.div", "--screenshot", "s.png", "--window", "about"},
                "vantorel --screenshot: --window takes one of main, wizard, graph, player, details, squad, "
                "export, import, not 'about'",
                1},
        Refusal{{"cup.div", "--tab", "sort"}, "vantorel: unknown option --tab", 2}));

} // namespace
} // namespace vantorel
