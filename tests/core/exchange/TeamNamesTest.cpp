#include "exchange/TeamNames.h"

#include <gtest/gtest.h>

#include "app/NewLeague.h"
#include "exchange/TeamAliases.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

std::unique_ptr<Division> League() {
    NewLeagueAnswers answers;
    answers.tableName = "Names";
    answers.teamNames = {"Manchester United",        "Manchester City",      "Wolverhampton Wanderers",
                         "Brighton and Hove Albion", "AFC Bournemouth",      "Nottingham Forest",
                         "West Ham United",          "West Bromwich Albion", "Sheffield United",
                         "Sheffield Wednesday",      "Tottenham Hotspur",    "Queens Park Rangers"};
    auto division = std::make_unique<Division>();
    EXPECT_TRUE(BuildNewLeague(answers, *division));
    return division;
}

std::string Matched(const Division& division, const TeamNameMatches& matches, const std::string& name) {
    const auto found = matches.teams.find(name);
    return found == matches.teams.end() ? "" : Windows1252ToUtf8(division.Teams[found->second].Name.stored());
}

// Each rule with a near miss that must not match.
TEST(TeamNames, SafeRulesMatchAndNearMissesDoNot) {
    const auto division = League();
    const struct {
        const char* name;
        const char* team; // "" for no match
    } cases[] = {
        {"Manchester United", "Manchester United"}, // exact
        {"MANCHESTER united", "Manchester United"}, // case
        {"Man United", "Manchester United"},        // Man
        {"Man Utd", "Manchester United"},           // Man and Utd
        {"Man City", "Manchester City"},
        {"Manchester", ""}, // two teams start so
        {"Man", ""},
        {"Brighton & Hove Albion", "Brighton and Hove Albion"}, // &
        {"Brighton & Hove", "Brighton and Hove Albion"},
        {"Bournemouth", "AFC Bournemouth"},              // AFC
        {"Nottingham Forest FC", "Nottingham Forest"},   // FC
        {"Nott'm Forest", ""},                           // a shortened word is not a rule
        {"Queens Park Rangers.", "Queens Park Rangers"}, // punctuation
        {"Q.P.R.", ""},
        {"Tottenham", "Tottenham Hotspur"}, // a leading word only one team has
        {"West Ham", "West Ham United"},
        {"West", ""}, // a leading word two teams have
        {"West Brom", ""},
        {"Sheffield Weds", ""},
        {"Sheffield", ""},
        {"Wolves", ""},
        {"Hotspur", ""}, // not a leading word
    };
    for (const auto& c : cases) {
        const TeamNameMatches matches = MatchTeamNames(*division, {c.name}, {});
        EXPECT_EQ(Matched(*division, matches, c.name), c.team) << c.name;
        EXPECT_EQ(matches.unmatched.size(), std::string(c.team).empty() ? 1u : 0u) << c.name;
    }
}

TEST(TeamNames, NeverGivesOneTeamToTwoNamesByARule) {
    const auto division = League();
    // Two names a rule would give the same team: neither gets it, each is listed once.
    TeamNameMatches matches = MatchTeamNames(*division, {"Man United", "Manchester Utd", "Man United"}, {});
    EXPECT_EQ(matches.unmatched, (std::vector<std::string>{"Man United", "Manchester Utd"}));
    // The exact name keeps its team; the rule's name is left for the user.
    matches = MatchTeamNames(*division, {"Tottenham", "Tottenham Hotspur"}, {});
    EXPECT_EQ(Matched(*division, matches, "Tottenham Hotspur"), "Tottenham Hotspur");
    EXPECT_EQ(matches.unmatched, std::vector<std::string>{"Tottenham"});
}

TEST(TeamNames, AliasesMapWhatNoRuleMayAndTheClosestTeamIsOffered) {
    const auto division = League();
    const TeamAliases aliases = {{"Wolves", "Wolverhampton Wanderers"}, {"West Brom", "No Such Team"}};
    const TeamNameMatches matches =
        MatchTeamNames(*division, {"wolves", "West Brom", "Nott'm Forest"}, aliases);
    EXPECT_EQ(Matched(*division, matches, "wolves"), "Wolverhampton Wanderers");
    EXPECT_EQ(matches.unmatched, (std::vector<std::string>{"West Brom", "Nott'm Forest"}));
    const std::string message = UnmatchedNamesMessage(*division, matches.unmatched);
    EXPECT_NE(message.find("\"West Brom\" (closest: \"West Bromwich Albion\")"), std::string::npos)
        << message;
    EXPECT_NE(message.find("\"Nott'm Forest\" (closest: \"Nottingham Forest\")"), std::string::npos);
}

TEST(TeamAliases, AreRememberedPerLeagueInTheSettings) {
    IniFile settings("[Options]\nFormGames=10\n");
    RememberAliases(settings, "premier.div", {{"Wolves", "Wolverhampton Wanderers"}, {"a=b", "kept out"}});
    RememberAliases(settings, "other.div", {{"Wolves", "Wolverhampton"}});
    EXPECT_EQ(RememberedAliases(IniFile(settings.text()), "premier.div"),
              (TeamAliases{{"Wolves", "Wolverhampton Wanderers"}}));
    EXPECT_EQ(settings.value("Options", "FormGames"), "10");
    std::string bad;
    EXPECT_EQ(ParseAliasLines("# mine\n Spurs = Tottenham Hotspur \n\n", bad),
              (TeamAliases{{"Spurs", "Tottenham Hotspur"}}));
    EXPECT_FALSE(ParseAliasLines("Spurs\n", bad));
    EXPECT_EQ(bad, "Spurs");
}

} // namespace
} // namespace vantorel
