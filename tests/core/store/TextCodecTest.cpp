#include "store/TextCodec.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(TextCodec, EveryStoredByteSurvivesTheRoundTripThroughUtf8) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(allBytes);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8Length(utf8), 256u);
    EXPECT_EQ(Utf8ToWindows1252(utf8), allBytes);
}

TEST(TextCodec, ConvertsWesternLettersBothWays) {
    EXPECT_EQ(Windows1252ToUtf8("M\xfcnchen \x80"), "München €");
    EXPECT_EQ(Utf8ToWindows1252("Åtvidaberg Š"), "\xc5tvidaberg \x8a");
}

TEST(TextCodec, RefusesWhatALeagueFileCannotHold) {
    EXPECT_FALSE(Utf8ToWindows1252("Łódź"));         // Polish letters are outside Windows-1252
    EXPECT_FALSE(Utf8ToWindows1252("\xc3"));         // cut-off sequence
    EXPECT_FALSE(Utf8ToWindows1252("\xc0\xaf"));     // overlong form
    EXPECT_FALSE(Utf8ToWindows1252("\xed\xa0\x80")); // surrogate
    EXPECT_FALSE(IsValidUtf8("caf\xe9"));
    EXPECT_NE(UnstorableTextMessage("Łódź").find("Łódź"), std::string::npos);
}

TEST(TextCodec, ComparesNamesWithoutRegardToCaseIncludingAccentedLetters) {
    const auto stored = [](const char* utf8) { return *Utf8ToWindows1252(utf8); };
    EXPECT_TRUE(SameTextIgnoringCase(stored("ÉDOUARD"), stored("édouard")));
    EXPECT_TRUE(SameTextIgnoringCase(stored("ŠÖŸ"), stored("šöÿ")));
    EXPECT_FALSE(SameTextIgnoringCase(stored("×"), stored("÷"))); // signs, not letters
    EXPECT_FALSE(SameTextIgnoringCase(stored("Smith"), stored("Smyth")));
    EXPECT_FALSE(SameTextIgnoringCase(stored("Smith"), stored("Smit")));
}

} // namespace
} // namespace vantorel
