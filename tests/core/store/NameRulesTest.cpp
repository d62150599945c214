#include "store/NameRules.h"

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

TEST(NameRules, ControlCharactersAndFormulaStartsAreRefusedAndOrdinaryNamesKept) {
    struct Case {
        std::string name;
        const char* refusal; // a part of the message; null when the name is kept
    };
    const Case cases[] = {
        {"Real Madrid", nullptr},
        {"Brighton & Hove Albion", nullptr},
        {"Atl\xC3\xA9tico", nullptr}, // é
        {"1. FC K\xC3\xB6ln", nullptr},
        {"A=B", nullptr},
        {"-Minus", nullptr},
        {"Nul\0l"s, "control characters"},
        {"Esc\x1B[31m", "control characters"},
        {"Bell\a", "control characters"},
        {"Tab\tbed", "control characters"},
        {"Del\x7F", "control characters"},
        {"C1 \xC2\x9B", "control characters"},
        {"=HYPERLINK(\"x\")", "may not begin with \"=\", \"+\" or \"@\""},
        {"+44", "may not begin with"},
        {"@SUM(A1)", "may not begin with"},
    };
    for (const Case& c : cases) {
        const Status status = CheckName(c.name, NameKind::Team);
        if (!c.refusal) {
            EXPECT_TRUE(status) << c.name << ": " << status.message();
            continue;
        }
        ASSERT_FALSE(status) << c.name;
        EXPECT_NE(status.message().find(c.refusal), std::string::npos) << status.message();
        EXPECT_EQ(status.message().rfind("A team name", 0), 0u) << status.message();
    }
    EXPECT_EQ(CheckName("=x", NameKind::Player).message().rfind("A player's name", 0), 0u);
    EXPECT_EQ(CheckName("=x", NameKind::League).message().rfind("A league name", 0), 0u);
}

// Every operation that stores a name refuses such a name and changes nothing.
TEST(NameRules, EveryOperationThatSetsANameAppliesTheRule) {
    const std::function<Status(Division&, const std::string&)> operations[] = {
        [](Division& d, const std::string& name) { return RenameTeam(d, 2, name); },
        [](Division& d, const std::string& name) { return SetTableName(d, name); },
        [](Division& d, const std::string& name) { return SavePlayer(d, 0, name, 1); },
        [](Division&, const std::string& name) {
            Division built;
            NewLeagueAnswers answers;
            answers.tableName = name;
            answers.teamNames = testing::NumberedTeamNames(4);
            return BuildNewLeague(answers, built);
        },
        [](Division&, const std::string& name) {
            Division built;
            NewLeagueAnswers answers;
            answers.tableName = "League";
            answers.teamNames = testing::NumberedTeamNames(4);
            answers.teamNames[2] = name;
            return BuildNewLeague(answers, built);
        },
    };
    for (const std::string& name : {"Esc\x1B"s, "=1+1"s}) {
        for (const auto& operation : operations) {
            auto division = testing::MakeLeague(4, 2);
            testing::MarkSaved(*division);
            const Status status = operation(*division, name);
            EXPECT_FALSE(status) << name;
            EXPECT_FALSE(division->DataChanged());
            EXPECT_EQ(division->Header().PlayerCount, 0);
            EXPECT_EQ(division->Teams[2].Name.stored(), "Team 02");
        }
    }
}

} // namespace
} // namespace vantorel
