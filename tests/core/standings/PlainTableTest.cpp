#include "standings/PlainTable.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(PlainTable, AlignsTeamsLeftAndNumbersRightCountingCharacters) {
    const std::string text =
        FormatPlainTable({"Pos", "Team", "Pts"}, {{"U", "München", "7"}, {"10", "Ox", "-12"}});
    EXPECT_EQ(text, "Pos  Team     Pts\n"
                    "  U  München    7\n"
                    " 10  Ox       -12\n");
}

} // namespace
} // namespace vantorel
