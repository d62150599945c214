#include "store/Dates.h"
#include "store/DivisionCheck.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace vantorel {
namespace {

TEST(Dates, DayNumbersCountFromTheThirtiethOfDecember1899) {
    EXPECT_EQ(DayNumberOf({1899, 12, 30}), 0.0);
    EXPECT_EQ(DayNumberOf({1900, 3, 1}), 61.0);
    EXPECT_EQ(DayNumberOf({1997, 3, 12}), 35501.0);
    EXPECT_EQ(CalendarDateOf(35501.75), (CalendarDate{1997, 3, 12})); // the time of day is ignored
    EXPECT_EQ(CalendarDateOf(-1), (CalendarDate{1899, 12, 29}));
    for (double day = -693593; day <= 2958465; day += 997) // years 1 to 9999
        EXPECT_EQ(DayNumberOf(CalendarDateOf(day)), day);
}

TEST(Dates, RefusesDaysThatDoNotExist) {
    EXPECT_FALSE(DayNumberOf({2001, 2, 29}));
    EXPECT_TRUE(DayNumberOf({2000, 2, 29}));
    EXPECT_FALSE(DayNumberOf({1900, 2, 29}));
    EXPECT_FALSE(DayNumberOf({2005, 4, 31}));
    EXPECT_FALSE(DayNumberOf({2005, 13, 1}));
    EXPECT_FALSE(DayNumberOf({2005, 0, 1}));
}

TEST(Dates, ALeagueHoldsNoDateOrADayOfTheYearsOneTo9999) {
    const double infinity = std::numeric_limits<double>::infinity();
    for (double day : {0.0, 35501.0, 35501.75, *DayNumberOf({1, 1, 1}), *DayNumberOf({9999, 12, 31}) + 0.5})
        EXPECT_TRUE(IsStorableDate(day)) << day;
    for (double day : {std::nan(""), infinity, -infinity, 1e300, *DayNumberOf({1, 1, 1}) - 1,
                       *DayNumberOf({9999, 12, 31}) + 1})
        EXPECT_FALSE(IsStorableDate(day)) << day;
}

} // namespace
} // namespace vantorel
