#include "platform/DateFormat.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "store/Dates.h"
#include "store/DivisionCheck.h"

namespace vantorel {
namespace {

TEST(Dates, DayNumbersCountFromTheThirtiethOfDecember1899AndOnlyDaysThatExist) {
    EXPECT_EQ(DayNumberOf({1899, 12, 30}), 0.0);
    EXPECT_EQ(DayNumberOf({1900, 3, 1}), 61.0);
    EXPECT_EQ(DayNumberOf({1997, 3, 12}), 35501.0);
    EXPECT_EQ(CalendarDateOf(35501.75), (CalendarDate{1997, 3, 12})); // the time of day is ignored
    EXPECT_EQ(CalendarDateOf(-1), (CalendarDate{1899, 12, 29}));
    for (double day = -693593; day <= 2958465; day += 997) // years 1 to 9999
        EXPECT_EQ(DayNumberOf(CalendarDateOf(day)), day);
    EXPECT_TRUE(DayNumberOf({2000, 2, 29}));
    for (const CalendarDate& none :
         {CalendarDate{2001, 2, 29}, {1900, 2, 29}, {2005, 4, 31}, {2005, 13, 1}, {2005, 0, 1}})
        EXPECT_FALSE(DayNumberOf(none)) << none.year << "-" << none.month << "-" << none.day;
    // The day after each month's last, through a leap year and the year after, does not exist.
    for (int m = 1; m <= 24; ++m) {
        CalendarDate after = CalendarDateOf(*DayNumberOf({2004 + m / 12, m % 12 + 1, 1}) - 1);
        ++after.day;
        EXPECT_FALSE(DayNumberOf(after)) << after.year << "-" << after.month;
    }
    // A league holds no date (0) or a day of the years 1 to 9999.
    const double infinity = std::numeric_limits<double>::infinity(), first = *DayNumberOf({1, 1, 1}),
                 last = *DayNumberOf({9999, 12, 31});
    for (double day : {0.0, 35501.0, 35501.75, first, last + 0.5})
        EXPECT_TRUE(IsStorableDate(day)) << day;
    for (double day : {std::nan(""), infinity, -infinity, 1e300, first - 1, last + 1})
        EXPECT_FALSE(IsStorableDate(day)) << day;
}

// The format of a pattern the test expects to be accepted; a refused pattern fails the test rather than
// being dereferenced.
DateFormat Accepted(std::string_view pattern) {
    const auto format = DateFormat::FromPattern(pattern);
    EXPECT_TRUE(format) << pattern;
    return format.value_or(DateFormat::Default());
}

TEST(DateFormat, WritesAndReadsEachFieldAsThePatternSaysAndRefusesWhatCannotBeReadBack) {
    const double day = *DayNumberOf({2006, 5, 7});
    EXPECT_EQ(DateFormat::Default().Format(day), "07/05/2006");
    EXPECT_EQ(Accepted("M/d/yy").Format(day), "5/7/06");
    EXPECT_EQ(Accepted("yyyy-MM-dd").Format(day), "2006-05-07");
    EXPECT_EQ(Accepted("d.M.yyyy").Format(*DayNumberOf({2006, 11, 23})), "23.11.2006");
    EXPECT_EQ(DateFormat::Default().Format(0), "");
    // Fields that run together, a field missing, too wide or repeated, a letter that is no field.
    for (const char* pattern : {"yyyyMd", "yyMMdd", "ddMM/yyyy", "d/Myyyy", "dd/MM", "dd/MMM/yyyy",
                                "dd/MM/yyy", "dd/MM/yyyy d", "dd/MM/yyyy hh"})
        EXPECT_FALSE(DateFormat::FromPattern(pattern)) << pattern;
    // Dates are read with the two-digit year window; a text that is not a valid date is an error, never zero.
    const DateFormat format = DateFormat::Default(), american = Accepted("M/d/yy");
    EXPECT_EQ(std::vector({format.Parse("12/03/1997"), format.Parse(" 12/3/97 "), american.Parse("3/12/97"),
                           american.Parse("3/12/1997")}),
              std::vector<std::optional<double>>(4, 35501.0));
    EXPECT_EQ(std::vector({format.Parse("1/1/49"), format.Parse("1/1/50"), format.Parse("1/1/00")}),
              std::vector({DayNumberOf({2049, 1, 1}), DayNumberOf({1950, 1, 1}), DayNumberOf({2000, 1, 1})}));
    for (const char* text : {"", "abc", "31/02/2001", "12/03", "12/03/1997x", "12-03-1997", "12/03/997",
                             "123/03/1997", "12//1997", "0/1/2000", "1/13/2000"})
        EXPECT_FALSE(format.Parse(text)) << text;
    EXPECT_NE(InvalidDateMessage("31/02/2001", format).find("dd/MM/yyyy"), std::string::npos);
}

} // namespace
} // namespace vantorel
