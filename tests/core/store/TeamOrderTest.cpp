#include "store/TeamOrder.h"

#include <gtest/gtest.h>

#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

TEST(TeamOrder, NamesSortWithoutRegardToCaseAndEqualNamesKeepTheirOrder) {
    auto division = testing::MakeLeague(4, 1);
    const char* names[] = {"", "City", "albion", "Rovers", "ALBION"};
    for (int t = 1; t <= 4; ++t)
        testing::Edit(*division).Team(t).Name.assignStored(names[t]);
    testing::Edit(*division).Team(5).Name.assignStored("Transferred-Out");
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

} // namespace
} // namespace vantorel
