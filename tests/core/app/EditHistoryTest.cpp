// The undo history against the operations it wraps: undos and redos leave what replaying the steps gives.

#include <random>

#include <gtest/gtest.h>

#include "app/EditHistory.h"
#include "app/LeagueSettings.h"
#include "players/GoalRecords.h"
#include "players/GoalScorers.h"
#include "players/Players.h"
#include "results/Predictions.h"
#include "results/ResultEntry.h"
#include "store/LeagueFile.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

// One edit, described so that it can be made again on another copy of the league.
struct Edit {
    int kind = 0;
    int a = 0;
    int b = 0;
    int c = 0;
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
        (void)SetZoneCount(division, Zone::Promotion, edit.c % 4);
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

TEST(EditHistory, AnyMixOfEditsUndosAndRedosSavesAsReplayingTheStepsStillDone) {
    std::mt19937 random(2121);
    auto pick = [&](int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); };
    for (int round = 0; round < 20; ++round) {
        auto division = StartingLeague();
        EditHistory history;
        history.Start(*division, true);
        std::vector<Edit> done;   // the model: steps done, in order
        std::vector<Edit> undone; // steps undone, the next redo last
        for (int move = 0; move < 60; ++move) {
            const int what = pick(0, 9);
            if (what < 2 && history.CanUndo()) {
                ASSERT_TRUE(history.Undo(*division));
                undone.push_back(done.back());
                done.pop_back();
            } else if (what < 3 && history.CanRedo()) {
                ASSERT_TRUE(history.Redo(*division));
                done.push_back(undone.back());
                undone.pop_back();
            } else {
                const Edit edit{pick(0, 8), pick(1, division->Header().ResultCount), pick(0, 4), pick(0, 4)};
                const auto before = WriteDivision(*division);
                // An edit that leaves every byte as it was is no step.
                if (Make(*division, edit, &history) && WriteDivision(*division) != before) {
                    done.push_back(edit);
                    undone.clear();
                }
            }
            ASSERT_EQ(history.CanUndo(), !done.empty());
            ASSERT_EQ(history.CanRedo(), !undone.empty());
            ASSERT_EQ(division->DataChanged(), !done.empty());
        }
        auto replayed = StartingLeague();
        for (const Edit& edit : done)
            ASSERT_TRUE(Make(*replayed, edit, nullptr));
        ASSERT_EQ(WriteDivision(*division), WriteDivision(*replayed)) << "round " << round;
    }
}

TEST(EditHistory, DataChangedIsClearExactlyAtTheSavedState) {
    auto division = StartingLeague();
    EditHistory history;
    history.Start(*division, true);
    (void)SetDeduction(*division, 1, 3);
    (void)history.Record(*division, "deduction");
    (void)SetDeduction(*division, 2, 1);
    (void)history.Record(*division, "deduction");
    history.MarkSaved(*division);
    EXPECT_FALSE(division->DataChanged());
    ASSERT_TRUE(history.Undo(*division));
    EXPECT_TRUE(division->DataChanged());
    ASSERT_TRUE(history.Redo(*division));
    EXPECT_FALSE(division->DataChanged());
    // An edit after undoing past the save makes the saved state unreachable.
    ASSERT_TRUE(history.Undo(*division));
    (void)SetDeduction(*division, 3, 2);
    (void)history.Record(*division, "deduction");
    ASSERT_TRUE(history.Undo(*division));
    EXPECT_TRUE(division->DataChanged());
    // An edit that changes nothing is no step.
    (void)SetDeduction(*division, 1, 3);
    EXPECT_FALSE(history.Record(*division, "deduction"));
    EXPECT_EQ(history.UndoCaption(), "Undo: deduction");
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

} // namespace
} // namespace vantorel
