// The journal around the workspace: every recorded change is on disk at once, a league reopened after a
// crash offers it back, and saving or closing takes it away; and the names its steps are shown by.

#include <filesystem>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "app/StepNames.h"
#include "app/Workspace.h"
#include "players/Players.h"
#include "results/ResultEntry.h"
#include "store/Journal.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

struct Opened {
    std::unique_ptr<Division> division = std::make_unique<Division>();
    Workspace workspace;
    testing::ScriptedPrompts prompts;
};

std::unique_ptr<Opened> Open(const std::string& path) {
    auto opened = std::make_unique<Opened>();
    EXPECT_TRUE(opened->workspace.Open(path, *opened->division, Settings{}));
    return opened;
}

void EnterFirstFixture(Opened& opened, int homeGoals, int awayGoals) {
    Division& division = *opened.division;
    const ResultRecord& match = division.Results[1];
    ASSERT_TRUE(EnterResult(division, {match.HomeTeam, match.AwayTeam, homeGoals, awayGoals, 40000, 0}));
    ASSERT_TRUE(opened.workspace.edits.Record(ScoredMatchStep(division, "result", 1)));
}

class LeagueEditsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteNewLeague(league, *testing::MakeLeague(4, 2))); }
    testing::TempFolder folder;
    std::string league = folder.file("crash.div");
    std::string journal = JournalPathOf(league);
};

TEST_F(LeagueEditsTest, ChangesLeftByACrashAreRecoveredUnsavedAndUndoable) {
    std::vector<std::uint8_t> edited;
    {
        auto crashed = Open(league);
        EnterFirstFixture(*crashed, 2, 1);
        (void)SetDeduction(*crashed->division, 2, 3);
        ASSERT_TRUE(crashed->workspace.edits.Record(TeamStep(*crashed->division, "deduction", 2)));
        EXPECT_TRUE(fs::exists(journal));
        edited = WriteDivision(*crashed->division);
    } // the program dies: nothing is saved or closed

    auto reopened = Open(league);
    EXPECT_FALSE(reopened->division->DataChanged());
    ASSERT_TRUE(reopened->workspace.edits.OfferRecovery(reopened->prompts, DateFormat::Default()));
    ASSERT_EQ(reopened->prompts.shown.size(), 1u);
    EXPECT_TRUE(reopened->prompts.last().starts_with("2 changes to this league were not saved; the last was "
                                                     "made on "))
        << reopened->prompts.last();
    EXPECT_EQ(WriteDivision(*reopened->division), edited);
    EXPECT_TRUE(reopened->division->DataChanged());
    EXPECT_EQ(reopened->workspace.edits.UndoCaption(), "Undo: deduction Team 02");

    // The recovered changes stay journalled with the ones that follow, until the league is saved.
    Status journalStatus = Status::Ok();
    ASSERT_TRUE(reopened->workspace.edits.Undo(journalStatus));
    ASSERT_TRUE(journalStatus);
    EXPECT_EQ(reopened->workspace.edits.UndoCaption(), "Undo: result Team 01 v Team 02 2-1");
    const std::vector<std::uint8_t> afterUndo = WriteDivision(*reopened->division);
    reopened.reset();
    auto again = Open(league);
    ASSERT_TRUE(again->workspace.edits.OfferRecovery(again->prompts, DateFormat::Default()));
    EXPECT_EQ(WriteDivision(*again->division), afterUndo);
    ASSERT_TRUE(again->workspace.Save(*again->division, again->prompts));
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_FALSE(again->division->DataChanged());
}

TEST_F(LeagueEditsTest, DiscardAndClosingWithoutSavingRemoveTheJournal) {
    {
        auto crashed = Open(league);
        EnterFirstFixture(*crashed, 1, 0);
    }
    auto reopened = Open(league);
    reopened->prompts.answers = {Answer::No};
    EXPECT_FALSE(reopened->workspace.edits.OfferRecovery(reopened->prompts, DateFormat::Default()));
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_EQ(reopened->division->Results[1].Played, false);

    EnterFirstFixture(*reopened, 3, 3);
    EXPECT_TRUE(fs::exists(journal));
    reopened->prompts.answers = {Answer::No};
    EXPECT_TRUE(reopened->workspace.MayClose(*reopened->division, reopened->prompts));
    EXPECT_FALSE(fs::exists(journal));
}

TEST_F(LeagueEditsTest, UndoingBackToTheSavedStateClosesWithoutAsking) {
    auto opened = Open(league);
    EnterFirstFixture(*opened, 1, 1);
    Status journalStatus = Status::Ok();
    ASSERT_TRUE(opened->workspace.edits.Undo(journalStatus));
    EXPECT_FALSE(opened->division->DataChanged());
    EXPECT_TRUE(opened->workspace.MayClose(*opened->division, opened->prompts));
    EXPECT_TRUE(opened->prompts.shown.empty());
    EXPECT_FALSE(fs::exists(journal));
}

TEST(StepNames, NameTheMatchPlayerOrTeamTheStepChanged) {
    auto league = testing::MakeLeague(4, 2);
    testing::PlayFixture(*league, 1, 2, 1);
    ASSERT_TRUE(SavePlayer(*league, 0, "Jan Kowalski", 3));
    const struct {
        std::string name;
        std::string expected;
    } cases[] = {
        {ResultStep(*league, 1, 2, 2, 1), "result Team 01 v Team 02 2-1"},
        {ScoredMatchStep(*league, "re-score", 1), "re-score Team 01 v Team 02 2-1"},
        {MatchStep(*league, "cancel", 1), "cancel Team 01 v Team 02"},
        {MatchStep(*league, "prediction", 2), "prediction Team 01 v Team 03"},
        {PlayerStep(*league, "delete player", 1), "delete player Jan Kowalski"},
        {TeamStep(*league, "deduction", 4), "deduction Team 04"},
        {TeamStep(*league, "own team", 9), "own team"},
        {ImportStep("Match Results"), "import Match Results"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name, c.expected);
}

} // namespace
} // namespace vantorel
