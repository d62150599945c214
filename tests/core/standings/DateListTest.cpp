#include "standings/DateList.h"

#include <tuple>

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

TEST(DateList, HoldsEachPlayedDateOnceInOrder) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0, 300);
    PlayFixture(*division, 2, 1, 0, 100);
    PlayFixture(*division, 3, 1, 0, 300);
    PlayFixture(*division, 4, 1, 0, 0);                 // no date
    testing::Edit(*division).Result(5).MatchDate = 400; // an open fixture with a date, predicted or not
    const DateList played = DateList::Build(*division, TableContent::PlayedGames);
    EXPECT_EQ(played.dates(), (std::vector<double>{100, 300}));
    EXPECT_EQ(played.AsAtDate(), 300);
    EXPECT_EQ(DateList::Build(*division, TableContent::PlayedPredicted).dates(),
              (std::vector<double>{100, 300, 400}));
}

TEST(DateList, StepsDownToBeforeTheFirstDateAndRefusesPastEitherEnd) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0, 100);
    PlayFixture(*division, 2, 1, 0, 200);
    DateList list = DateList::Build(*division, TableContent::PlayedGames);
    EXPECT_FALSE(list.StepForward());
    EXPECT_TRUE(list.StepBack());
    EXPECT_EQ(list.AsAtDate(), 100);
    EXPECT_TRUE(list.StepBack());
    EXPECT_EQ(list.AsAtDate(), 0);
    EXPECT_EQ(AsAtText(list.AsAtDate(), DateFormat::Default()), "Before the first match");
    EXPECT_FALSE(list.StepBack());
    EXPECT_TRUE(list.StepForward());
    EXPECT_EQ(list.AsAtDate(), 100);

    auto none = MakeLeague(4, 2); // an empty list refuses both steps
    DateList empty = DateList::Build(*none, TableContent::PlayedGames);
    EXPECT_EQ(std::tuple(empty.DateCount(), empty.AsAtDate()), std::tuple(0, 0.0));
    EXPECT_FALSE(empty.StepBack());
    EXPECT_FALSE(empty.StepForward());
}

TEST(DateList, ADateSetBetweenMatchDatesStepsOnToTheNextOne) {
    auto division = MakeLeague(4, 2);
    for (int r = 1; r <= 3; ++r)
        PlayFixture(*division, r, 1, 0, 100.0 * r);
    DateList list = DateList::Build(*division, TableContent::PlayedGames);
    for (const auto& [set, next] : {std::pair{150.0, 200.0}, {200.0, 300.0}, {50.0, 100.0}}) {
        list.SetTo(set);
        EXPECT_EQ(list.AsAtDate(), set);
        EXPECT_TRUE(list.StepForward()) << set;
        EXPECT_EQ(list.AsAtDate(), next);
    }
}

TEST(DateList, HoldsEveryDistinctDateOfTheLargestLeague) {
    auto division = MakeLeague(24, 4);
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        PlayFixture(*division, r, 1, 1, 38000 + r);
    const DateList list = DateList::Build(*division, TableContent::PlayedGames);
    EXPECT_EQ(std::tuple(list.DateCount(), list.AsAtDate()), std::tuple(1104, 38000.0 + 1104));
}

} // namespace
} // namespace vantorel
