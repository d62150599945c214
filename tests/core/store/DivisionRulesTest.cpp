#include "store/DivisionCheck.h"

#include <functional>

#include <gtest/gtest.h>

#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"
#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

// A league kept by its edits: two results with goals, one of them assigned to a scorer.
std::unique_ptr<Division> SoundLeague() {
    auto division = testing::MakeLeague(4, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0});
    EXPECT_TRUE(EnterResult(*division, {1, 2, 2, 1, 35501, 0}));
    EXPECT_TRUE(EnterResult(*division, {3, 4, 0, 0, 35502, 0}));
    testing::Edit(*division).Goal(1).Player = 1;
    testing::Edit(*division).Player(1).Goals = 1;
    return division;
}

struct BrokenRule {
    const char* name;
    std::function<void(Division&)> breakIt;
    const char* expected; // a part of the line
};

void PrintTo(const BrokenRule& rule, std::ostream* out) {
    *out << rule.name;
}

class DivisionRules : public ::testing::TestWithParam<BrokenRule> {};

TEST_P(DivisionRules, EachBrokenRuleIsReportedOnItsOwnLine) {
    auto division = SoundLeague();
    ASSERT_TRUE(CheckDivision(*division));
    ASSERT_EQ(BrokenRules(*division), std::vector<std::string>());
    GetParam().breakIt(*division);
    ASSERT_TRUE(CheckDivision(*division)) << "loading refuses only damage, not broken rules";
    const std::vector<std::string> broken = BrokenRules(*division);
    ASSERT_EQ(broken.size(), 1u) << ::testing::PrintToString(broken);
    EXPECT_NE(broken[0].find(GetParam().expected), std::string::npos) << broken[0];
    EXPECT_EQ(broken[0].find('\n'), std::string::npos);
}

const BrokenRule kBrokenRules[] = {
    {"TeamPlaysItself", [](Division& d) { testing::Edit(d).Result(5).AwayTeam = d.Results[5].HomeTeam; },
     "playing itself"},
    {"PlayedTotal", [](Division& d) { ++testing::Edit(d).Team(1).Played; }, "Team 01) has Played 2"},
    {"PointsTotal", [](Division& d) { testing::Edit(d).Team(3).Points = 7; }, "has Points 7 but its results"},
    {"ScorerTotal", [](Division& d) { testing::Edit(d).Player(1).Goals = 0; },
     "(Ann) has Goals 0 but scored 1"},
    {"GoalOnAnUnplayedFixture", [](Division& d) { testing::Edit(d).Goal(3).Result = 7; },
     "which has not been played"},
    {"MoreGoalsThanTheScore", [](Division& d) { testing::Edit(d).Goal(3).Team = d.Goals[1].Team; },
     "more goal records (3-0) than its score (2-1)"},
    {"DuplicateTeamNames", [](Division& d) { testing::Edit(d).Team(4).Name = d.Teams[2].Name; },
     "same name as team 2"},
    {"ZoneAboveTheTeams", [](Division& d) { testing::Edit(d).Header().RelegateCount = 5; },
     "the relegation zone holds 5 teams but the league has 4"},
    {"UnknownSortRuleCode", [](Division& d) { testing::Edit(d).Header().SortRules.assignStored("12X4"); },
     "unknown code 'X'"},
    {"NoActiveSortRule", [](Division& d) { testing::Edit(d).Header().SortRules.assignStored("RH"); },
     "make no rule active"},
};

INSTANTIATE_TEST_SUITE_P(EveryRule, DivisionRules, ::testing::ValuesIn(kBrokenRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DivisionRules, RecomputingTheTotalsRepairsThemOnceAndSaysSo) {
    auto division = SoundLeague();
    const Division sound = *division;
    testing::Edit(*division).Team(1).Played = 9;
    testing::Edit(*division).Team(2).Points = -3;
    testing::Edit(*division).Player(1).Goals = 4;
    testing::MarkSaved(*division);
    EXPECT_EQ(BrokenRules(*division).size(), 3u);
    EXPECT_TRUE(RecomputeRunningTotals(*division));
    EXPECT_TRUE(division->DataChanged());
    EXPECT_TRUE(BrokenRules(*division).empty());
    EXPECT_EQ(division->Teams[1].Played, sound.Teams[1].Played);
    EXPECT_EQ(division->Teams[2].Points, sound.Teams[2].Points);
    EXPECT_EQ(division->Players[1].Goals, 1);
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
        testing::Edit(*division).Header().PromoteCount = static_cast<std::uint8_t>(c.promote);
        testing::Edit(*division).Header().RelegateCount = static_cast<std::uint8_t>(c.relegate);
        testing::Edit(*division).Header().SortRules.assignStored(c.sortRules);
        testing::MarkSaved(*division);
        const bool mended = MendSettings(*division);
        EXPECT_EQ(mended, std::string(c.sortRules) != c.sortRulesAfter || c.promote != c.promoteAfter)
            << c.sortRules;
        EXPECT_EQ(division->DataChanged(), mended);
        EXPECT_EQ(division->Header().PromoteCount, c.promoteAfter);
        EXPECT_EQ(division->Header().RelegateCount, c.relegateAfter);
        EXPECT_EQ(division->Header().SortRules.stored(), c.sortRulesAfter);
        EXPECT_TRUE(BrokenRules(*division).empty()) << ::testing::PrintToString(BrokenRules(*division));
    }
}

TEST(DivisionRules, TheRecountSubtractsDeductionsAndUsesTwoPointsForAWin) {
    auto division = testing::MakeLeague(4, 2, 2);
    ASSERT_TRUE(EnterResult(*division, {1, 2, 3, 0, 35501, 0}));
    EXPECT_TRUE(SetDeduction(*division, 1, 5));
    EXPECT_EQ(division->Teams[1].Points, -3);
    EXPECT_TRUE(BrokenRules(*division).empty());
}

} // namespace
} // namespace vantorel
