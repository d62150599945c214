#include "store/Dates.h"

#include <cmath>
#include <ctime>

namespace vantorel {
namespace {

// Day 0 (30 December 1899) counted from 1 March of year 0 in the proleptic Gregorian calendar.
constexpr long kOriginShift = 693899;

// Days from 1 March of year 0, after H. Hinnant's civil-date algorithms.
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[month - 1];
}

bool IsValidCalendarDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

std::optional<double> DayNumberOf(const CalendarDate& date) {
    if (!IsValidCalendarDate(date.year, date.month, date.day))
        return std::nullopt;
    return static_cast<double>(DaysFromCivil(date.year, date.month, date.day) - kOriginShift);
}

CalendarDate CalendarDateOf(double dayNumber) {
    const long z = static_cast<long>(std::floor(dayNumber)) + kOriginShift;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long dayOfEra = z - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long mp = (5 * dayOfYear + 2) / 153;
    const long day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const long month = mp < 10 ? mp + 3 : mp - 9;
    const long year = yearOfEra + era * 400 + (month <= 2);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

double Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DayNumberOf({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}).value_or(0);
}

} // namespace vantorel
