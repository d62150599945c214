#include "app/StepNames.h"

#include <gtest/gtest.h>

#include "players/Players.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

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
