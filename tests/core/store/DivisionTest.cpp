// The division's records, lookups, totals and rules, and the names and texts it holds.

#include "store/Division.h"
#include "store/DivisionCheck.h"
#include "store/NameRules.h"
#include "store/TeamOrder.h"
#include "store/TextCodec.h"

#include <functional>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "app/NewLeague.h"
#include "players/Players.h"
#include "results/ResultEntry.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using namespace std::string_literals;
using testing::Edit;
using testing::MakeLeague;
using testing::PlayFixture;

TEST(DivisionLookups, FindTeamAndFindPlayerAreExactAndFindFixtureTakesTheFirstUnplayedMeeting) {
    auto division = MakeLeague(4, 4); // 1v2 is fixture 1 and again fixture 13
    EXPECT_EQ(std::vector({division->FindTeam("Team 03"), division->FindTeam("TEAM 03"),
                           division->FindTeam("team 03"), division->FindTeam("Transferred-Out"),
                           division->FindTeam("Łódź")}),
              std::vector({3, 0, 0, 5, 0}));
    for (const char* name : {"Ann", "Bob", "Ann"})
        ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>(name), 1, 0}));
    // The first of two Anns.
    EXPECT_EQ(
        std::vector({division->FindPlayer("Ann"), division->FindPlayer("Bob"), division->FindPlayer("bob")}),
        std::vector({1, 2, 0}));

    EXPECT_EQ(division->FindFixture(1, 2), 1);
    PlayFixture(*division, 1, 1, 0);
    EXPECT_EQ(division->FindFixture(1, 2), 13);
    PlayFixture(*division, 13, 1, 0);
    EXPECT_EQ(division->FindFixture(1, 2), 0);
    EXPECT_EQ(division->FindFixture(2, 1), 4);
}

// The recount behind the rule checks and the repair uses the league's own win points and subtracts its
// deductions, and a deduction taken back gives its points back; the rest of what the edits credit is checked
// against a plain recount by the running-totals walk.
TEST(DivisionTotals, TheRecountUsesTheLeaguesWinPointsAndSubtractsDeductions) {
    for (const int winPoints : {3, 2}) {
        auto division = MakeLeague(4, 2, winPoints);
        PlayFixture(*division, 1, 3, 1); // 1 beats 2
        PlayFixture(*division, 2, 0, 0); // 1 draws 3
        ASSERT_TRUE(SetDeduction(*division, 1, 5));
        EXPECT_TRUE(BrokenRules(*division).empty()) << ::testing::PrintToString(BrokenRules(*division));
        ASSERT_TRUE(SetDeduction(*division, 1, 0)); // taken back whole
        EXPECT_EQ(division->Teams[1].Points, winPoints + 1);
    }
}

TEST(DivisionCapacity, AFullArrayRefusesTheNextRecordAndChangesNothing) {
    auto division = testing::MakeLargestLeague();
    testing::MarkSaved(*division);
    const Status goal = AddGoal(*division, {1, 1, 0, 0, false, false});
    const Status player = AddPlayer(*division, PlayerRecord{});
    const Status squad = AddSquad(*division, SquadRecord{});
    EXPECT_NE(goal.message().find("4000"), std::string::npos);
    EXPECT_NE(player.message().find("1500"), std::string::npos);
    EXPECT_NE(squad.message().find("2208"), std::string::npos);
    const DivisionHeader& header = division->Header();
    EXPECT_EQ(std::tuple(header.GoalCount, header.PlayerCount, header.SquadCount),
              std::tuple(4000, 1500, 2208));
    EXPECT_FALSE(division->DataChanged());
    // A re-score needing no more goal records than its result holds goes through, the last record's too.
    const int last = division->Goals[4000].Result;
    const int goals = division->Results[last].HomeGoals + division->Results[last].AwayGoals;
    const bool allHome = division->Results[last].AwayGoals == 0;
    EXPECT_TRUE(RescoreResult(*division, last, allHome ? 0 : goals, allHome ? goals : 0, 0));
}

// A player named by a goal (an own goal too) or a squad line stays; deleting another renumbers the later
// players' goals and squad lines.
TEST(DivisionPlayers, APlayerInUseCannotBeDeletedAndDeletingAnotherRenumbersLaterGoalsAndSquadLines) {
    auto division = MakeLeague(4, 2);
    for (int p = 1; p <= 9; ++p)
        ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("P" + std::to_string(p)), 1, 0}));
    PlayFixture(*division, 1, 2, 1);
    ASSERT_TRUE(AddGoal(*division, {1, 2, 1, 0, true, false}));
    ASSERT_TRUE(AddGoal(*division, {1, 1, 7, 10, false, false}));
    ASSERT_TRUE(AddGoal(*division, {1, 1, 9, 20, false, false}));
    SquadRecord squad; // Team 01's in result 1, P4, P8 and P6 at places 0, 1 and 15
    squad.Result = squad.Team = 1;
    for (const auto& [place, player] : {std::pair{0, 4}, {1, 8}, {15, 6}})
        squad.Entries[place].Player = static_cast<std::uint16_t>(player);
    ASSERT_TRUE(AddSquad(*division, squad));
    EXPECT_EQ(DeletePlayer(*division, 1).message(),
              "The selected player has goals assigned or appears in a squad. Delete not performed.");
    EXPECT_FALSE(DeletePlayer(*division, 6) || DeletePlayer(*division, 9)); // in the squad, in the last goal
    EXPECT_FALSE(DeletePlayer(*division, 10));
    ASSERT_TRUE(DeletePlayer(*division, 5));
    const auto& lines = division->Squads[1].Entries;
    EXPECT_EQ(std::tuple(division->Header().PlayerCount, division->Players[5].Name.stored(),
                         division->Goals[2].Player, division->Goals[3].Player, lines[0].Player,
                         lines[1].Player, lines[15].Player),
              std::tuple(8, "P6", 6, 8, 4, 7, 5));
}

// A league kept by its edits: two results with goals, one of them assigned to a scorer.
std::unique_ptr<Division> SoundLeague() {
    auto division = MakeLeague(4, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0});
    EXPECT_TRUE(EnterResult(*division, {1, 2, 2, 1, 35501, 0}));
    EXPECT_TRUE(EnterResult(*division, {3, 4, 0, 0, 35502, 0}));
    Edit(*division).Goal(1).Player = 1;
    Edit(*division).Player(1).Goals = 1;
    return division;
}

TEST(DivisionRules, EachBrokenRuleIsReportedOnItsOwnLineAndLoadingRefusesOnlyDamage) {
    // Each way of breaking a rule, with a part of the line that reports it.
    const std::pair<std::function<void(Division&)>, const char*> rules[] = {
        {[](auto& d) { Edit(d).Result(5).AwayTeam = d.Results[5].HomeTeam; }, "playing itself"},
        {[](auto& d) { ++Edit(d).Team(1).Played; }, "Team 01) has Played 2"},
        {[](auto& d) { Edit(d).Team(3).Points = 7; }, "has Points 7 but its results"},
        {[](auto& d) { Edit(d).Player(1).Goals = 0; }, "(Ann) has Goals 0 but scored 1"},
        {[](auto& d) { Edit(d).Goal(3).Result = 7; }, "which has not been played"},
        {[](auto& d) { Edit(d).Goal(3).Team = d.Goals[1].Team; },
         "more goal records (3-0) than its score (2-1)"},
        {[](auto& d) { Edit(d).Team(4).Name = d.Teams[2].Name; }, "same name as team 2"},
        {[](auto& d) { Edit(d).Header().RelegateCount = 5; },
         "the relegation zone holds 5 teams but the league has 4"},
        {[](auto& d) { Edit(d).Header().SortRules.assignStored("12X4"); }, "unknown code 'X'"},
        {[](auto& d) { Edit(d).Header().SortRules.assignStored("RH"); }, "make no rule active"}};
    for (const auto& [breakIt, expected] : rules) {
        SCOPED_TRACE(expected);
        auto division = SoundLeague();
        ASSERT_TRUE(CheckDivision(*division));
        ASSERT_EQ(BrokenRules(*division), std::vector<std::string>());
        breakIt(*division);
        EXPECT_TRUE(CheckDivision(*division));
        const std::vector<std::string> broken = BrokenRules(*division);
        ASSERT_EQ(broken.size(), 1u) << ::testing::PrintToString(broken);
        EXPECT_NE(broken[0].find(expected), std::string::npos) << broken[0];
        EXPECT_EQ(broken[0].find('\n'), std::string::npos);
    }
}

TEST(DivisionRules, RecomputingTheTotalsRepairsThemOnceAndSaysSo) {
    auto division = SoundLeague();
    const Division sound = *division;
    Edit(*division).Team(1).Played = 9;
    Edit(*division).Team(2).Points = -3;
    Edit(*division).Player(1).Goals = 4;
    testing::MarkSaved(*division);
    EXPECT_EQ(BrokenRules(*division).size(), 3u);
    EXPECT_TRUE(RecomputeRunningTotals(*division));
    EXPECT_TRUE(division->DataChanged());
    EXPECT_TRUE(BrokenRules(*division).empty());
    EXPECT_EQ(std::tuple(division->Teams[1].Played, division->Teams[2].Points, division->Players[1].Goals),
              std::tuple(sound.Teams[1].Played, sound.Teams[2].Points, 1));
    testing::MarkSaved(*division);
    EXPECT_FALSE(RecomputeRunningTotals(*division));
    EXPECT_FALSE(division->DataChanged());
}

TEST(DivisionRules, LoadingMendsZonesAndSortRulesTheProgramWouldNeverWrite) {
    struct Case {
        int promote, relegate;
        const char* sortRules;
        int promoteAfter, relegateAfter;
        const char* sortRulesAfter;
    };
    for (const Case& c : {Case{2, 1, "1234", 2, 1, "1234"}, Case{9, 5, "1X2Y1", 4, 4, "12"},
                          Case{0, 0, "XYZ", 0, 0, "1234"}, Case{0, 0, "R", 0, 0, "1234"}}) {
        auto division = SoundLeague();
        Edit(*division).Header().PromoteCount = static_cast<std::uint8_t>(c.promote);
        Edit(*division).Header().RelegateCount = static_cast<std::uint8_t>(c.relegate);
        Edit(*division).Header().SortRules.assignStored(c.sortRules);
        testing::MarkSaved(*division);
        const bool mended = MendSettings(*division);
        EXPECT_EQ(mended, std::string(c.sortRules) != c.sortRulesAfter || c.promote != c.promoteAfter)
            << c.sortRules;
        EXPECT_EQ(division->DataChanged(), mended);
        const DivisionHeader& header = division->Header();
        EXPECT_EQ(std::tuple(int(header.PromoteCount), int(header.RelegateCount), header.SortRules.stored()),
                  std::tuple(c.promoteAfter, c.relegateAfter, std::string(c.sortRulesAfter)));
        EXPECT_TRUE(BrokenRules(*division).empty()) << ::testing::PrintToString(BrokenRules(*division));
    }
}

TEST(TextCodec, EveryStoredByteAndWesternLetterSurvivesTheRoundTripThroughUtf8AndNothingElseIsStored) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(allBytes);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8Length(utf8), 256u);
    EXPECT_EQ(Utf8ToWindows1252(utf8), allBytes);
    EXPECT_EQ(Windows1252ToUtf8("M\xfcnchen \x80"), "München €");
    EXPECT_EQ(Utf8ToWindows1252("Åtvidaberg Š"), "\xc5tvidaberg \x8a");
    // Refused: Polish letters (outside Windows-1252), a cut-off sequence, an overlong form, a surrogate.
    for (const char* unstorable : {"Łódź", "\xc3", "\xc0\xaf", "\xed\xa0\x80"})
        EXPECT_FALSE(Utf8ToWindows1252(unstorable)) << unstorable;
    EXPECT_FALSE(IsValidUtf8("caf\xe9"));
}

TEST(TeamOrder, NamesCompareAndSortWithoutRegardToCaseIncludingAccentedLettersAndEqualNamesKeepTheirOrder) {
    const auto same = [](const char* a, const char* b) {
        return SameTextIgnoringCase(*Utf8ToWindows1252(a), *Utf8ToWindows1252(b));
    };
    EXPECT_TRUE(same("ÉDOUARD", "édouard"));
    EXPECT_TRUE(same("ŠÖŸ", "šöÿ"));
    EXPECT_FALSE(same("×", "÷")); // signs, not letters
    EXPECT_FALSE(same("Smith", "Smyth"));
    EXPECT_FALSE(same("Smith", "Smit"));
    // Teams sort by name without regard to case, and equal names keep their order.
    auto division = MakeLeague(4, 1);
    const char* names[] = {"", "City", "albion", "Rovers", "ALBION", "Transferred-Out"};
    for (int t = 1; t <= 5; ++t)
        Edit(*division).Team(t).Name.assignStored(names[t]);
    EXPECT_EQ(TeamsInNameOrder(*division, {1, 2, 3, 4, 5}), (std::vector<int>{2, 4, 1, 3, 5}));
    EXPECT_EQ(TeamsInNameOrder(*division, {4, 3, 2}), (std::vector<int>{4, 2, 3}));
    // A collation of the user's locale decides where it is given.
    const NameCollation reversed = [](const std::string& a, const std::string& b) {
        return CompareNamesIgnoringCase(b, a);
    };
    EXPECT_EQ(TeamsInNameOrder(*division, {1, 2, 3, 5}, reversed), (std::vector<int>{5, 3, 1, 2}));
    EXPECT_LT(CompareNamesIgnoringCase("Leeds", "leeds united"), 0);
    EXPECT_EQ(CompareNamesIgnoringCase("LEEDS", "leeds"), 0);
}

TEST(NameRules, ControlCharactersAndFormulaStartsAreRefusedAndOrdinaryNamesKept) {
    for (const char* kept :
         {"Real Madrid", "Brighton & Hove Albion", "Atl\xC3\xA9tico", "1. FC K\xC3\xB6ln", "A=B", "-Minus"})
        EXPECT_TRUE(CheckName(kept, NameKind::Team)) << kept;
    const auto expectRefused = [](const std::string& name, const char* part) {
        const Status status = CheckName(name, NameKind::Team);
        ASSERT_FALSE(status) << name;
        EXPECT_NE(status.message().find(part), std::string::npos) << status.message();
        EXPECT_EQ(status.message().rfind("A team name", 0), 0u) << status.message();
    };
    for (const std::string& name :
         {"Nul\0l"s, "Esc\x1B[31m"s, "Bell\a"s, "Tab\tbed"s, "Del\x7F"s, "C1 \xC2\x9B"s})
        expectRefused(name, "control characters");
    for (const char* name : {"=HYPERLINK(\"x\")", "+44", "@SUM(A1)"})
        expectRefused(name, "may not begin with \"=\", \"+\" or \"@\"");
    EXPECT_EQ(CheckName("=x", NameKind::Player).message().rfind("A player's name", 0), 0u);
    EXPECT_EQ(CheckName("=x", NameKind::League).message().rfind("A league name", 0), 0u);
}

// A new league with these names for the league and its third team.
Status BuildNewLeagueNamed(const std::string& tableName, const std::string& thirdTeam) {
    NewLeagueAnswers answers;
    answers.tableName = tableName;
    answers.teamNames = testing::NumberedTeamNames(4);
    answers.teamNames[2] = thirdTeam;
    Division built;
    return BuildNewLeague(answers, built);
}

// Every operation that stores a name refuses such a name and changes nothing.
TEST(NameRules, EveryOperationThatSetsANameAppliesTheRule) {
    const std::function<Status(Division&, const std::string&)> operations[] = {
        [](Division& d, const std::string& name) { return RenameTeam(d, 2, name); },
        [](Division& d, const std::string& name) { return SetTableName(d, name); },
        [](Division& d, const std::string& name) { return SavePlayer(d, 0, name, 1); },
        [](Division&, const std::string& name) { return BuildNewLeagueNamed(name, "Team 03"); },
        [](Division&, const std::string& name) { return BuildNewLeagueNamed("League", name); }};
    for (const std::string& name : {"Esc\x1B"s, "=1+1"s}) {
        for (const auto& operation : operations) {
            auto division = MakeLeague(4, 2);
            testing::MarkSaved(*division);
            EXPECT_FALSE(operation(*division, name)) << name;
            EXPECT_FALSE(division->DataChanged());
            EXPECT_EQ(division->Header().PlayerCount, 0);
            EXPECT_EQ(division->Teams[2].Name.stored(), "Team 02");
        }
    }
}

} // namespace
} // namespace vantorel
