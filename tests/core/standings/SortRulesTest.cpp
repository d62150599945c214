#include "standings/SortRules.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

// The rules' names, joined by "; ".
std::string Names(const std::vector<char>& codes) {
    std::string names;
    for (char code : codes)
        names += (names.empty() ? "" : "; ") + RuleName(code);
    return names;
}

std::string Codes(const std::vector<char>& codes) {
    return {codes.begin(), codes.end()};
}

TEST(SortRuleLists, LoadShowsTheStoredPriorityAndRestoreTheCodeOrder) {
    SortRuleLists lists;
    lists.Load("1234");
    const std::string available =
        "Possible Points; Head-to-head points; Head-to-head goal difference; Head-to-head goals scored; "
        "Head-to-head away goals; Head-to-head only once all meetings are played; Games won; Away goals "
        "scored; "
        "Head-to-head again for a smaller tie";
    EXPECT_EQ(Names(lists.available()), available);
    EXPECT_EQ(Names(lists.active()), "Points total; Goal difference; Goals scored; Team name");
    lists.Load("21");
    EXPECT_EQ(Names(lists.active()), "Goal difference; Points total");
    EXPECT_EQ(Names(lists.available()), "Goals scored; Team name; " + available);
    int selected = 1;
    ASSERT_TRUE(lists.MoveUp(selected));
    EXPECT_TRUE(lists.pending());
    lists.Restore("21");
    EXPECT_EQ(Names(lists.active()), "Points total; Goal difference");
    EXPECT_FALSE(lists.pending());
}

TEST(SortRuleLists, MovesApplyOrAskForABeep) {
    SortRuleLists lists;
    lists.Load("1234");
    int selected = 0;
    EXPECT_FALSE(lists.MoveUp(selected));
    selected = 3;
    EXPECT_FALSE(lists.MoveDown(selected));
    selected = -1;
    EXPECT_FALSE(lists.MoveDown(selected));
    EXPECT_FALSE(lists.MoveRight(-1));
    EXPECT_FALSE(lists.MoveLeft(4));
    EXPECT_FALSE(lists.pending());

    selected = 1;
    ASSERT_TRUE(lists.MoveUp(selected));
    EXPECT_EQ(selected, 0);
    ASSERT_TRUE(lists.MoveDown(selected));
    EXPECT_EQ(selected, 1);
    ASSERT_TRUE(lists.MoveRight(0)); // "Possible Points" joins at the end
    EXPECT_EQ(Codes(lists.active()), "12345");
    ASSERT_TRUE(lists.MoveLeft(0));
    EXPECT_EQ(Codes(lists.available()), "6789HABR1");
    // Dropping an item on its own list moves it to the end of that list.
    ASSERT_TRUE(lists.Drop(SortRuleLists::List::Active, 0, SortRuleLists::List::Active));
    EXPECT_EQ(Codes(lists.active()), "3452");
    ASSERT_TRUE(lists.Drop(SortRuleLists::List::Available, 8, SortRuleLists::List::Active));
    EXPECT_EQ(Codes(lists.active()), "34521");
    EXPECT_FALSE(lists.Drop(SortRuleLists::List::Available, 99, SortRuleLists::List::Active));
}

TEST(SortRuleLists, TheActiveListHoldsAtMostEightCodes) {
    SortRuleLists lists;
    lists.Load("1678R23");
    ASSERT_TRUE(lists.MoveRight(0)); // "Team name" makes eight
    EXPECT_EQ(Codes(lists.active()), "1678R234");
    EXPECT_FALSE(lists.MoveRight(0));
    EXPECT_FALSE(lists.Drop(SortRuleLists::List::Available, 0, SortRuleLists::List::Active));
    EXPECT_TRUE(lists.Drop(SortRuleLists::List::Active, 0, SortRuleLists::List::Active));
    EXPECT_EQ(ActiveRuleCodes("123456789AB"), "12345678");
}

TEST(SortRuleLists, SortUpdateStoresTheActiveListOnlyWhenItChanged) {
    auto division = testing::MakeLeague(4, 2);
    testing::MarkSaved(*division);
    SortRuleLists lists;
    lists.Load(division->Header().SortRules.stored());
    int selected = 1;
    ASSERT_TRUE(lists.MoveUp(selected));
    ASSERT_TRUE(lists.SortUpdate(*division));
    EXPECT_EQ(division->Header().SortRules.stored(), "2134");
    EXPECT_TRUE(division->DataChanged());
    EXPECT_FALSE(lists.pending());

    // Out and back again: the same text, so nothing to save.
    testing::MarkSaved(*division);
    lists.Load(division->Header().SortRules.stored());
    ASSERT_TRUE(lists.MoveLeft(3));
    ASSERT_TRUE(lists.MoveRight(static_cast<int>(lists.available().size()) - 1));
    ASSERT_TRUE(lists.SortUpdate(*division));
    EXPECT_FALSE(division->DataChanged());
}

TEST(SortRuleLists, RefusesToLeaveWithoutAnActiveRule) {
    auto division = testing::MakeLeague(4, 2);
    SortRuleLists lists;
    lists.Load("1");
    ASSERT_TRUE(lists.MoveLeft(0));
    const Status status = lists.SortUpdate(*division);
    EXPECT_EQ(status.message(), "You must have at least one active sort rule");
    EXPECT_TRUE(lists.pending());
    EXPECT_EQ(division->Header().SortRules.stored(), "1234");
    // "Head-to-head again for a smaller tie" and "Head-to-head only once all meetings are played" order
    // nothing on their own.
    for (const char* modifiers : {"R", "H", "HR"}) {
        lists.Load(modifiers);
        EXPECT_EQ(lists.SortUpdate(*division).message(), kNoActiveRuleWarning) << modifiers;
    }
}

TEST(SortRuleLists, StoredRulesWithRepeatsOrStrangeCharactersShowEachRuleOnce) {
    EXPECT_EQ(ActiveRuleCodes("2x21?5"), "215");
    EXPECT_EQ(ActiveRuleCodes("55554321"), "54321");
    SortRuleLists lists;
    lists.Load("3a3");
    EXPECT_EQ(Names(lists.active()), "Goals scored");
    EXPECT_EQ(lists.available().size(), kRuleCodes.size() - 1);
    // The first edit stores the lists as shown, each rule once.
    auto division = testing::MakeLeague(4, 2);
    testing::Edit(*division).Header().SortRules.assignStored("3a3");
    lists.Load(division->Header().SortRules.stored());
    ASSERT_TRUE(lists.MoveRight(0));
    ASSERT_TRUE(lists.SortUpdate(*division));
    EXPECT_EQ(division->Header().SortRules.stored(), "31");
}

} // namespace
} // namespace vantorel
