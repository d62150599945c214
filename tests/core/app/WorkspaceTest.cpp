// The desktop program's workspace: its startup arguments, the league it opens and closes, and the choices,
// lists and wizard around it.

#include "app/Workspace.h"
#include "app/StartupArguments.h"

#include <filesystem>
#include <fstream>
#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueList.h"
#include "app/LeagueSettings.h"
#include "app/NewLeagueWizard.h"
#include "app/SetupChoices.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::ScriptedPrompts;

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto league = testing::MakeLeague(4, 2);
        testing::PlayFixture(*league, 1, 2, 0, 100);
        testing::PlayFixture(*league, 2, 1, 1, 107);
        ASSERT_TRUE(WriteNewLeague(path_, *league));
        settings_.ShowPoss = true;
        ASSERT_TRUE(workspace_.Open(path_, division_, settings_));
    }
    testing::TempFolder folder_;
    std::string path_ = folder_.file("league.div");
    Division division_;
    Settings settings_;
    Workspace workspace_;
    ScriptedPrompts prompts_;
};

TEST_F(WorkspaceTest, OpensOnTheLeagueTableAsAtTheLastMatchDate) {
    EXPECT_EQ(std::tuple(division_.DataChanged(), workspace_.ShowPossNow, workspace_.ShortTabNow,
                         workspace_.dates.AsAtDate(), workspace_.table.TableOrder[1],
                         workspace_.HelpContext()),
              std::tuple(false, true, false, 107, 1, 300));
    workspace_.page = WorkspacePage::Outlook;
    EXPECT_EQ(workspace_.HelpContext(), 1600);
    workspace_.page = WorkspacePage::EnterResults;
    EXPECT_EQ(workspace_.HelpContext(), 700);
    workspace_.page = WorkspacePage::TableMaintenance;
    workspace_.maintenanceTab = MaintenanceTab::SortOrder;
    EXPECT_EQ(workspace_.HelpContext(), 950);
}

TEST_F(WorkspaceTest, ReopeningRecomputesWrongTotalsSayingSoAndResetsTheGridsAndThePredictionDate) {
    EXPECT_FALSE(workspace_.TotalsRecomputed);
    testing::Edit(division_).Team(3).Points = 40;
    ASSERT_TRUE(SaveDivision(path_, division_));
    workspace_.ResultsSortColumn = kSortByDate;
    workspace_.PredictSortColumn = kSortByPredicted;
    workspace_.PredictDate = 40000;
    ASSERT_TRUE(workspace_.Open(path_, division_, settings_, 46000));
    EXPECT_EQ(std::tuple(workspace_.TotalsRecomputed, division_.DataChanged(), division_.Teams[3].Points,
                         workspace_.ResultsSortColumn, workspace_.PredictSortColumn, workspace_.PredictDate),
              std::tuple(true, true, 1, kSortByHomeTeam, kSortByHomeTeam, 46000.0));
}

TEST_F(WorkspaceTest, AFailedOpenLeavesNoLeague) {
    Workspace other;
    std::ofstream(folder_.file("bad.div")) << "rubbish";
    EXPECT_EQ(other.Open(folder_.file("bad.div"), division_, settings_).message(), "Read beyond end of file");
    EXPECT_TRUE(other.leaguePath.empty());
}

TEST_F(WorkspaceTest, AHalfEnteredResultOrPendingSortRulesKeepTheUserOnThePage) {
    workspace_.ResultPending = true;
    EXPECT_FALSE(workspace_.MayLeavePage(division_, prompts_));
    EXPECT_FALSE(workspace_.MayClose(division_, prompts_));
    EXPECT_EQ(prompts_.texts(),
              (std::vector<std::string>(2, "Result update in progress. Complete it or cancel")));
    workspace_.ResultPending = false;

    // Pending sort rules are applied on leaving, unless none is active.
    int selected = 1;
    ASSERT_TRUE(workspace_.sortRules.MoveUp(selected));
    EXPECT_TRUE(workspace_.MayLeavePage(division_, prompts_));
    EXPECT_EQ(division_.Header().SortRules.stored(), "2134");
    EXPECT_TRUE(division_.DataChanged());

    workspace_.sortRules.Load("1");
    ASSERT_TRUE(workspace_.sortRules.MoveLeft(0));
    EXPECT_FALSE(workspace_.MayLeavePage(division_, prompts_));
    EXPECT_FALSE(workspace_.MayClose(division_, prompts_));
    EXPECT_EQ(prompts_.last(), "You must have at least one active sort rule");
}

TEST_F(WorkspaceTest, ClosingAChangedLeagueAsksWhetherToSave) {
    const std::string original = testing::FileText(path_);
    EXPECT_TRUE(SetDeduction(division_, 1, 2));
    prompts_.answers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(workspace_.MayClose(division_, prompts_));
    EXPECT_TRUE(workspace_.MayClose(division_, prompts_));
    EXPECT_EQ(prompts_.last(), "Table data updated ! Do you want to save the changes?");
    EXPECT_EQ(testing::FileText(path_), original);

    prompts_.answers = {Answer::Yes};
    EXPECT_TRUE(workspace_.MayClose(division_, prompts_));
    EXPECT_FALSE(division_.DataChanged());
    EXPECT_EQ(testing::FileBytes(path_), WriteDivision(division_));

    // A failed save keeps the workspace open.
    EXPECT_TRUE(SetDeduction(division_, 1, 3));
    workspace_.leaguePath = folder_.file("gone/league.div");
    prompts_.answers = {Answer::Yes};
    EXPECT_FALSE(workspace_.MayClose(division_, prompts_));
    EXPECT_EQ(prompts_.shown.back().kind, "error");
    EXPECT_TRUE(division_.DataChanged());
}

TEST(LeagueList, OpensTheOnlyLeagueOrTheSelectedOne) {
    ScriptedPrompts prompts;
    EXPECT_EQ(ChooseLeagueToOpen(0, -1, prompts), std::nullopt);
    EXPECT_EQ(ChooseLeagueToOpen(1, -1, prompts), 0);
    EXPECT_EQ(ChooseLeagueToOpen(3, 2, prompts), 2);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(ChooseLeagueToOpen(3, -1, prompts), std::nullopt);
    EXPECT_EQ(prompts.last(), "You have not selected a table to open");
    EXPECT_EQ(FolderCaption("/home/fan/leagues/"), "Current Folder: /home/fan/leagues");
    EXPECT_EQ(FolderCaption("/"), "Current Folder: /");
}

TEST(SetupChoicesTest, TheOwnTeamColourMustDifferFromTheOtherThree) {
    Settings settings;
    SetupChoices choices = SetupChoices::From(settings);
    choices.colours[0] = 0x0000FF; // red promoted teams while the own team is red
    EXPECT_EQ(choices.ApplyTo(settings).message(),
              "Your Own Team colour cannot be the same as one of the other three");
    EXPECT_EQ(settings.Colour1, 0x00FFFFu);
    choices.colours[0] = choices.colours[1]; // two zone colours may be equal
    choices.formGames = 6;
    ASSERT_TRUE(choices.ApplyTo(settings));
    EXPECT_EQ(settings.Colour1, settings.Colour2);
    EXPECT_EQ(settings.FormGames, 6);
    for (const auto& [games, kept] : {std::pair{1, 6}, {31, 6}, {2, 2}, {30, 30}}) {
        choices.formGames = games;
        const Status applied = choices.ApplyTo(settings);
        EXPECT_EQ(applied.ok(), games == kept) << games;
        EXPECT_EQ(applied.message(),
                  games == kept ? ""
                                : "The number of games to include in the current form must be from 2 to 30");
        EXPECT_EQ(settings.FormGames, kept);
    }
    EXPECT_EQ(ColourChoiceIndex(0xFFFF00), 12);
    EXPECT_EQ(ColourChoiceIndex(0x123456), std::nullopt);
}

TEST(NewLeagueWizardTest, WalksThePagesWithTheirChecks) {
    NewLeagueWizard wizard;
    ScriptedPrompts prompts;
    EXPECT_FALSE(wizard.backEnabled());
    ASSERT_TRUE(wizard.Next(prompts));
    EXPECT_FALSE(wizard.backEnabled()); // the Introduction cannot be reached again
    wizard.teamCount = 4;
    EXPECT_FALSE(wizard.Next(prompts));
    EXPECT_EQ(prompts.last(), "You must enter a name for this table");
    wizard.tableName = "Sunday League";
    ASSERT_TRUE(wizard.Next(prompts));
    EXPECT_EQ(wizard.RemainingText(), "4 more teams required");
    for (const char* name : {"Rovers", "albion", "City", ""})
        wizard.AddName(name);
    EXPECT_EQ(wizard.RemainingText(), "One more team required");
    EXPECT_FALSE(wizard.Next(prompts));
    EXPECT_EQ(prompts.last(), "You have not yet added all the team names");
    ASSERT_TRUE(wizard.AddName("City"));
    EXPECT_FALSE(wizard.addEnabled());
    EXPECT_FALSE(wizard.AddName("Dynamo"));
    EXPECT_FALSE(wizard.Next(prompts));
    EXPECT_EQ(prompts.last(), "Duplicate team names entered, please correct");
    EXPECT_EQ(wizard.TakeName(1), "City");
    ASSERT_TRUE(wizard.AddName("Dynamo"));
    EXPECT_EQ(wizard.teamNames(), (std::vector<std::string>{"albion", "City", "Dynamo", "Rovers"}));
    ASSERT_TRUE(wizard.Next(prompts));
    EXPECT_EQ(wizard.OwnTeamChoices().front(), "** None **");
    wizard.ownTeam = 4;
    ASSERT_TRUE(wizard.Next(prompts));
    EXPECT_TRUE(wizard.finishEnabled());
    EXPECT_FALSE(wizard.nextEnabled());
    EXPECT_FALSE(wizard.Next(prompts));
    Division division;
    ASSERT_TRUE(BuildNewLeague(wizard.Answers(), division));
    EXPECT_EQ(division.Header().OwnTeam, 4);
    EXPECT_EQ(division.Teams[4].Name.stored(), "Rovers");
}

TEST(NewLeagueWizardTest, LoweringTheTeamCountLeavesSurplusNamesToTakeOut) {
    NewLeagueWizard wizard;
    ScriptedPrompts prompts;
    wizard.tableName = "L";
    wizard.Next(prompts);
    wizard.Next(prompts);
    for (const auto& name : testing::NumberedTeamNames(8))
        wizard.AddName(name);
    wizard.Back();
    wizard.teamCount = 6;
    ASSERT_TRUE(wizard.Next(prompts));
    EXPECT_EQ(wizard.RemainingText(), "-2 more teams required");
    EXPECT_FALSE(wizard.Next(prompts));
    wizard.TakeName(0);
    wizard.TakeName(0);
    EXPECT_EQ(wizard.RemainingText(), "All teams entered");
    EXPECT_TRUE(wizard.Next(prompts));
    wizard.Reset();
    EXPECT_EQ(wizard.page(), NewLeagueWizard::Introduction);
    EXPECT_TRUE(wizard.teamNames().empty());
    EXPECT_EQ(wizard.wantedTeams(), 20);
}

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
