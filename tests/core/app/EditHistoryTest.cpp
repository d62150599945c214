// The undo history against the operations it wraps: undos and redos leave what replaying the steps gives.
// The journal around the workspace: every recorded change is on disk at once, a league reopened after a crash
// offers it back, and saving or closing takes it away; and the names its steps are shown by.

#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "app/EditHistory.h"
#include "app/LeagueSettings.h"
#include "app/StepNames.h"
#include "app/Workspace.h"
#include "players/GoalScorers.h"
#include "players/Players.h"
#include "results/Predictions.h"
#include "results/ResultEntry.h"
#include "store/Journal.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

// One edit, described so that it can be made again on another copy of the league.
struct Edit {
    int kind = 0;
    int a = 0;
    int b = 0;
    int c = 0;
    int serial = 0; // tells apart steps that happen to be the same edit
};

// Makes an edit as the windows do (a result with its first scorer is one compound step); false if refused.
bool Make(Division& division, const Edit& edit, EditHistory* history) {
    auto record = [&](const std::string& name) {
        if (history)
            (void)history->Record(division, name);
    };
    // An edit made is recorded as one step.
    auto done = [&](const auto& made) {
        if (made)
            record("edit");
        return static_cast<bool>(made);
    };
    const int r = edit.a;
    const ResultRecord& match = division.Results[r];
    switch (edit.kind) {
    case 0: {
        if (match.Played)
            return false;
        if (history)
            history->OpenCompound();
        std::vector<int> goals;
        const bool entered =
            EnterResult(division, {match.HomeTeam, match.AwayTeam, edit.b, edit.c, 40000.0 + r, 100 * r},
                        nullptr, &goals)
                .ok();
        if (entered) {
            record("result");
            const int scorer = 1 + r % division.Header().PlayerCount;
            if (!goals.empty() && SetGoalDetails(division, goals.front(), {scorer, 17, false, false}))
                record("goal details");
        }
        if (history)
            history->CloseCompound();
        return entered;
    }
    case 1:
        return done(match.Played && RescoreResult(division, r, edit.b, edit.c, 7));
    case 2:
        return done(match.Played && CancelResult(division, r));
    case 3:
        return done(!match.Played && SetPrediction(division, r, edit.b, edit.c, 40100.0));
    case 4:
        (void)SetDeduction(division, 1 + edit.b % division.Header().TeamCount, edit.c);
        return done(true);
    case 5:
        return done(RenameTeam(division, 1 + edit.b % division.Header().TeamCount,
                               "Renamed " + std::to_string(edit.c)));
    case 6:
        return done(SavePlayer(division, 0, "Player " + std::to_string(r) + "-" + std::to_string(edit.b),
                               1 + edit.c % division.Header().TeamCount));
    case 7:
        return done(DeletePlayer(division, 1 + edit.b % division.Header().PlayerCount));
    default:
        SetWinPoints(division, edit.b % 2 == 0 ? 2 : 3);
        (void)SetZoneCount(division, CountedZone::Promotion, edit.c % 4);
        return done(true);
    }
}

std::unique_ptr<Division> StartingLeague() {
    auto division = testing::MakeLeague(6, 2);
    for (int p = 1; p <= 12; ++p)
        EXPECT_TRUE(SavePlayer(*division, 0, "Start " + std::to_string(p), 1 + p % 6));
    testing::MarkSaved(*division);
    return division;
}

// Saves come between the moves: the league equals its file exactly when the steps done are those done when it
// was last saved, so an edit after undoing past a save leaves that state behind for good.
TEST(EditHistory, AnyMixOfEditsUndosRedosAndSavesSavesAsReplayingTheStepsStillDone) {
    std::mt19937 random(2121);
    auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    const auto serials = [](const std::vector<Edit>& edits) {
        std::vector<int> numbers;
        for (const Edit& edit : edits)
            numbers.push_back(edit.serial);
        return numbers;
    };
    for (int round = 0; round < 20; ++round) {
        auto division = StartingLeague();
        EditHistory history;
        history.Start(*division, true);
        std::vector<Edit> done;   // the model: steps done, in order
        std::vector<Edit> undone; // steps undone, the next redo last
        std::vector<int> saved;   // the serials of the steps done at the last save
        for (int move = 0; move < 60; ++move) {
            const int what = pick(0, 10);
            if (what < 2 && history.CanUndo()) {
                ASSERT_TRUE(history.Undo(*division));
                undone.push_back(done.back());
                done.pop_back();
            } else if (what < 3 && history.CanRedo()) {
                ASSERT_TRUE(history.Redo(*division));
                done.push_back(undone.back());
                undone.pop_back();
            } else if (what < 4) {
                history.MarkSaved(*division);
                saved = serials(done);
            } else {
                const Edit edit{pick(0, 8), pick(1, division->Header().ResultCount), pick(0, 4), pick(0, 4),
                                move};
                const auto before = WriteDivision(*division);
                // An edit that leaves every byte as it was is no step.
                if (Make(*division, edit, &history) && WriteDivision(*division) != before) {
                    done.push_back(edit);
                    undone.clear();
                }
            }
            ASSERT_EQ(history.CanUndo(), !done.empty());
            ASSERT_EQ(history.CanRedo(), !undone.empty());
            ASSERT_EQ(division->DataChanged(), serials(done) != saved)
                << "round " << round << " move " << move;
        }
        auto replayed = StartingLeague();
        for (const Edit& edit : done)
            ASSERT_TRUE(Make(*replayed, edit, nullptr));
        ASSERT_EQ(WriteDivision(*division), WriteDivision(*replayed)) << "round " << round;
    }
}

TEST(EditHistory, AStepKeepsOnlyWhatItChangedOfTheLargestLeague) {
    auto division = testing::MakeLargestLeague();
    EditHistory history;
    history.Start(*division, true);
    const int r = 1;
    ASSERT_TRUE(
        RescoreResult(*division, r, division->Results[r].HomeGoals, division->Results[r].AwayGoals, 9));
    const auto entry = history.Record(*division, "re-score");
    ASSERT_TRUE(entry);
    // The attendance of one result: a few bytes of one record, not the file.
    EXPECT_LT(DiffSize(entry->diff), 200u);
}

struct Opened {
    std::unique_ptr<Division> division = std::make_unique<Division>();
    Workspace workspace;
    testing::ScriptedPrompts prompts;
    bool Recover() { return workspace.edits.OfferRecovery(prompts, DateFormat::Default()); }
    // Undoes the last step; false when it could not be undone or its journal entry not written.
    bool Undo() {
        Status journal = Status::Ok();
        return workspace.edits.Undo(journal) && journal;
    }
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
        edited = WriteDivision(*crashed->division);
    } // the program dies: nothing is saved or closed

    auto reopened = Open(league);
    EXPECT_FALSE(reopened->division->DataChanged());
    ASSERT_TRUE(reopened->Recover());
    ASSERT_EQ(reopened->prompts.shown.size(), 1u);
    EXPECT_TRUE(reopened->prompts.last().starts_with("2 changes to this league were not saved; the last was "
                                                     "made on "))
        << reopened->prompts.last();
    EXPECT_EQ(WriteDivision(*reopened->division), edited);
    EXPECT_TRUE(reopened->division->DataChanged());
    EXPECT_EQ(reopened->workspace.edits.UndoCaption(), "Undo: deduction Team 02");

    // The recovered changes stay journalled with the ones that follow, until the league is saved.
    ASSERT_TRUE(reopened->Undo());
    EXPECT_EQ(reopened->workspace.edits.UndoCaption(), "Undo: result Team 01 v Team 02 2-1");
    const std::vector<std::uint8_t> afterUndo = WriteDivision(*reopened->division);
    reopened.reset();
    auto again = Open(league);
    ASSERT_TRUE(again->Recover());
    EXPECT_EQ(WriteDivision(*again->division), afterUndo);
    ASSERT_TRUE(again->workspace.Save(*again->division, again->prompts));
    EXPECT_FALSE(fs::exists(journal));
}

TEST_F(LeagueEditsTest, DiscardAndClosingWithoutSavingRemoveTheJournal) {
    {
        auto crashed = Open(league);
        EnterFirstFixture(*crashed, 1, 0);
    }
    auto reopened = Open(league);
    reopened->prompts.answers = {Answer::No};
    EXPECT_FALSE(reopened->Recover());
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_EQ(reopened->division->Results[1].Played, false);

    EnterFirstFixture(*reopened, 3, 3);
    EXPECT_TRUE(fs::exists(journal));
    reopened->prompts.answers = {Answer::No};
    EXPECT_TRUE(reopened->workspace.MayClose(*reopened->division, reopened->prompts));
    EXPECT_FALSE(fs::exists(journal));
}

// A journal is only ever replayed into the file it was made for, and never by two windows at once; one that
// cannot be written costs the crash safety, said once, but not the change.
TEST_F(LeagueEditsTest, AJournalInUseOrMadeForAnotherFileIsLeftAloneAndOneThatCannotBeWrittenIsSaidOnce) {
    auto writing = Open(league);
    EnterFirstFixture(*writing, 2, 0);
    auto second = Open(league);
    EXPECT_FALSE(second->Recover());
    EXPECT_EQ(second->prompts.last(), kJournalInUseText);
    EXPECT_FALSE(second->division->Results[1].Played);
    Division& secondLeague = *second->division;
    (void)SetDeduction(secondLeague, 2, 1);
    EXPECT_EQ(
        second->workspace.edits.Record(TeamStep(secondLeague, "deduction", 2)).message(),
        "The change could not be written to the journal that keeps unsaved changes safe (the league is "
        "open in another window, which keeps its own). It is kept in memory: save the league to keep it.");

    // The window dies and another program saves the league: its journal is kept aside, untouched.
    writing.reset();
    const std::vector<std::uint8_t> journalBytes = testing::FileBytes(journal);
    auto changed = testing::MakeLeague(4, 2);
    testing::PlayFixture(*changed, 2, 1, 1, 40000);
    ASSERT_TRUE(WriteNewLeague(league, *changed));
    auto reopened = Open(league);
    EXPECT_FALSE(reopened->Recover());
    EXPECT_EQ(reopened->prompts.last(), JournalDoesNotFitText(journal + ".kept-1"));
    EXPECT_EQ(testing::FileBytes(journal + ".kept-1"), journalBytes);
    EXPECT_FALSE(fs::exists(journal) || reopened->division->Results[1].Played);

    fs::create_directory(journal); // no journal can be made there
    Division& division = *reopened->division;
    const ResultRecord& match = division.Results[1];
    ASSERT_TRUE(EnterResult(division, {match.HomeTeam, match.AwayTeam, 1, 1, 40000, 0}));
    EXPECT_TRUE(reopened->workspace.edits.Record(ScoredMatchStep(division, "result", 1))
                    .message()
                    .starts_with("The change could not be written to the journal that keeps unsaved changes "
                                 "safe ("));
    (void)SetDeduction(division, 2, 3);
    EXPECT_TRUE(reopened->workspace.edits.Record(TeamStep(division, "deduction", 2)));
    ASSERT_TRUE(reopened->workspace.Save(division, reopened->prompts));
    EXPECT_TRUE(Open(league)->division->Results[1].Played);
}

// Two windows opening the league a killed window left: the first to ask holds the journal, and the other
// leaves it alone whatever the first answers.
TEST_F(LeagueEditsTest, OnlyTheFirstOfTwoWindowsOffersTheChangesLeftByACrash) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        EnterFirstFixture(*Open(league), 2, 0);
        auto first = Open(league), second = Open(league);
        bool secondRecovered = true;
        first->prompts.answers = {answer};
        first->prompts.whileAsking = [&] { secondRecovered = second->Recover(); };
        EXPECT_EQ(first->Recover(), answer == Answer::Yes);
        EXPECT_FALSE(secondRecovered);
        EXPECT_EQ(second->prompts.texts(), std::vector<std::string>{kJournalInUseText});
        EXPECT_EQ(fs::exists(journal), answer == Answer::Yes);
        EXPECT_EQ(first->division->Results[1].Played, answer == Answer::Yes);
        first.reset(); // killed or closed: whatever it recovered is its own to save
        ASSERT_TRUE(WriteNewLeague(league, *testing::MakeLeague(4, 2)));
        fs::remove(journal);
    }
}

TEST_F(LeagueEditsTest, UndoingBackToTheSavedStateClosesWithoutAsking) {
    auto opened = Open(league);
    EnterFirstFixture(*opened, 1, 1);
    ASSERT_TRUE(opened->Undo());
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
