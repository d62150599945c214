#include "standings/TableLayout.h"

#include <numeric>

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(TableLayout, SharesTheWidthAndGivesTheLeftOverToTheTeamAndLastColumns) {
    // 16 columns: 700 - 17 lines - 122 team - 0 = 561 shared; 561 / 15 = 37 rest 6; thirds of 2.
    const std::vector<int> withPoss = TableColumnWidths(700, 120, 16, 1, 0, true);
    EXPECT_EQ(withPoss[0], 37);
    EXPECT_EQ(withPoss[1], 122 + 6 - 4);
    EXPECT_EQ(withPoss[14], 39);
    EXPECT_EQ(withPoss[15], 39);
    EXPECT_EQ(std::accumulate(withPoss.begin(), withPoss.end(), 0) + 17, 700);

    const std::vector<int> shortTable = TableColumnWidths(500, 100, 10, 1, 17, false);
    EXPECT_EQ(std::accumulate(shortTable.begin(), shortTable.end(), 0) + 11 + 17, 500);
    EXPECT_EQ(shortTable[8], shortTable[2]); // only the last column takes a share
    EXPECT_GE(shortTable[9], shortTable[2]);
}

} // namespace
} // namespace vantorel
