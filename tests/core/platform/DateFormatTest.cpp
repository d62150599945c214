#include "platform/DateFormat.h"

#include <gtest/gtest.h>

#include "store/Dates.h"

namespace vantorel {
namespace {

// The format of a pattern the test expects to be accepted; a refused pattern fails the test rather than
// being dereferenced.
DateFormat Accepted(std::string_view pattern) {
    const auto format = DateFormat::FromPattern(pattern);
    EXPECT_TRUE(format) << pattern;
    return format.value_or(DateFormat::Default());
}

TEST(DateFormat, WritesEachFieldAsThePatternSays) {
    const double day = *DayNumberOf({2006, 5, 7});
    EXPECT_EQ(DateFormat::Default().Format(day), "07/05/2006");
    EXPECT_EQ(Accepted("M/d/yy").Format(day), "5/7/06");
    EXPECT_EQ(Accepted("yyyy-MM-dd").Format(day), "2006-05-07");
    EXPECT_EQ(Accepted("d.M.yyyy").Format(*DayNumberOf({2006, 11, 23})), "23.11.2006");
    EXPECT_EQ(DateFormat::Default().Format(0), "");
}

TEST(DateFormat, RefusesPatternsWithoutDayMonthAndYearOrWhoseFieldsRunTogether) {
    for (const char* pattern : {"yyyyMd", "yyMMdd", "ddMM/yyyy", "d/Myyyy"})
        EXPECT_FALSE(DateFormat::FromPattern(pattern)) << pattern;
    EXPECT_FALSE(DateFormat::FromPattern("dd/MM"));
    EXPECT_FALSE(DateFormat::FromPattern("dd/MMM/yyyy"));
    EXPECT_FALSE(DateFormat::FromPattern("dd/MM/yyy"));
    EXPECT_FALSE(DateFormat::FromPattern("dd/MM/yyyy d"));
    EXPECT_FALSE(DateFormat::FromPattern("dd/MM/yyyy hh"));
}

TEST(DateFormat, ReadsDatesWithTheTwoDigitYearWindow) {
    const DateFormat format = DateFormat::Default();
    EXPECT_EQ(format.Parse("12/03/1997"), 35501.0);
    EXPECT_EQ(format.Parse(" 12/3/97 "), 35501.0);
    EXPECT_EQ(format.Parse("1/1/49"), DayNumberOf({2049, 1, 1}));
    EXPECT_EQ(format.Parse("1/1/50"), DayNumberOf({1950, 1, 1}));
    EXPECT_EQ(format.Parse("1/1/00"), DayNumberOf({2000, 1, 1}));
    const DateFormat american = Accepted("M/d/yy");
    EXPECT_EQ(american.Parse("3/12/97"), 35501.0);
    EXPECT_EQ(american.Parse("3/12/1997"), 35501.0);
}

TEST(DateFormat, ATextThatIsNotAValidDateIsAnErrorNeverZero) {
    const DateFormat format = DateFormat::Default();
    for (const char* text : {"", "abc", "31/02/2001", "12/03", "12/03/1997x", "12-03-1997", "12/03/997",
                             "123/03/1997", "12//1997", "0/1/2000", "1/13/2000"})
        EXPECT_FALSE(format.Parse(text)) << text;
    EXPECT_NE(InvalidDateMessage("31/02/2001", format).find("dd/MM/yyyy"), std::string::npos);
}

} // namespace
} // namespace vantorel
