#include "results/SeasonDates.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

// Results played on 1 August and 1 December 2023 (day numbers 45139 and 45261).
TEST(SeasonDates, AQuestionOnlyBeyondSixtyDaysOutsideTheOtherResults) {
    auto division = MakeLeague(4, 2);
    const DateFormat format = DateFormat::Default();
    EXPECT_FALSE(FarFromSeasonQuestion(*division, 10, format))
        << "no dated result yet: nothing to compare with";
    PlayFixture(*division, 1, 1, 0, 45139);
    PlayFixture(*division, 2, 2, 2, 45261.75);
    const struct {
        double date;
        bool asked;
    } cases[] = {
        {45139 - 60, false}, {45139 - 61, true}, {45261 + 60.9, false},
        {45261 + 61, true},  {45200, false},     {45139 - 365, true},
    };
    for (const auto& each : cases)
        EXPECT_EQ(FarFromSeasonQuestion(*division, each.date, format).has_value(), each.asked) << each.date;
    EXPECT_EQ(*FarFromSeasonQuestion(*division, 45139 - 61, format),
              "The date 01/06/2023 is more than 60 days away from the league's other results (01/08/2023 to "
              "01/12/2023). Store the result on this date?");
    // Re-dating the only December result compares with August alone.
    EXPECT_TRUE(FarFromSeasonQuestion(*division, 45261, format, 2));
}

TEST(SeasonDates, TheUsersAnswerDecidesAFarDate) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0, 45139);
    testing::ScriptedPrompts prompts;
    EXPECT_TRUE(MayStoreOnDate(*division, 45150, DateFormat::Default(), prompts));
    EXPECT_TRUE(prompts.shown.empty());
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(MayStoreOnDate(*division, 45500, DateFormat::Default(), prompts));
    EXPECT_TRUE(MayStoreOnDate(*division, 45500, DateFormat::Default(), prompts));
    EXPECT_EQ(prompts.shown.size(), 2u);
}

} // namespace
} // namespace vantorel
