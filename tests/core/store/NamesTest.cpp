#include "store/NameRules.h"
#include "store/TeamOrder.h"
#include "store/TextCodec.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "app/NewLeague.h"
#include "players/Players.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using namespace std::string_literals;

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
    // What a league file cannot hold is refused.
    EXPECT_FALSE(Utf8ToWindows1252("Łódź"));         // Polish letters are outside Windows-1252
    EXPECT_FALSE(Utf8ToWindows1252("\xc3"));         // cut-off sequence
    EXPECT_FALSE(Utf8ToWindows1252("\xc0\xaf"));     // overlong form
    EXPECT_FALSE(Utf8ToWindows1252("\xed\xa0\x80")); // surrogate
    EXPECT_FALSE(IsValidUtf8("caf\xe9"));
    EXPECT_NE(UnstorableTextMessage("Łódź").find("Łódź"), std::string::npos);
}

TEST(TextCodec, ComparesNamesWithoutRegardToCaseIncludingAccentedLetters) {
    const auto same = [](const char* a, const char* b) {
        return SameTextIgnoringCase(*Utf8ToWindows1252(a), *Utf8ToWindows1252(b));
    };
    EXPECT_TRUE(same("ÉDOUARD", "édouard"));
    EXPECT_TRUE(same("ŠÖŸ", "šöÿ"));
    EXPECT_FALSE(same("×", "÷")); // signs, not letters
    EXPECT_FALSE(same("Smith", "Smyth"));
    EXPECT_FALSE(same("Smith", "Smit"));
}

TEST(TeamOrder, NamesSortWithoutRegardToCaseAndEqualNamesKeepTheirOrder) {
    auto division = testing::MakeLeague(4, 1);
    const char* names[] = {"", "City", "albion", "Rovers", "ALBION", "Transferred-Out"};
    for (int t = 1; t <= 5; ++t)
        testing::Edit(*division).Team(t).Name.assignStored(names[t]);
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
            auto division = testing::MakeLeague(4, 2);
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
