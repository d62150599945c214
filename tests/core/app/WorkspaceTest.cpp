#include "app/Workspace.h"

#include <fstream>

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
    EXPECT_TRUE(workspace_.TotalsRecomputed);
    EXPECT_TRUE(division_.DataChanged());
    EXPECT_EQ(division_.Teams[3].Points, 1);
    EXPECT_EQ(std::tuple(workspace_.ResultsSortColumn, workspace_.PredictSortColumn, workspace_.PredictDate),
              std::tuple(kSortByHomeTeam, kSortByHomeTeam, 46000.0));
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
    Division reloaded;
    ASSERT_TRUE(LoadDivision(path_, reloaded));
    EXPECT_EQ(reloaded.Teams[1].Deduction, 2);

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

} // namespace
} // namespace vantorel
