#pragma once

#include <optional>

namespace vantorel {

// Dates are day numbers counted from 30 December 1899 (day 0), as doubles whose fraction is the time of
// day; 0 means "no date".
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

bool IsValidCalendarDate(int year, int month, int day);
int DaysInMonth(int year, int month);

// The day number of a calendar date of the years 1..9999; nothing for a date that does not exist.
std::optional<double> DayNumberOf(const CalendarDate& date);

// The calendar date of a day number (its whole days; the time of day is ignored).
CalendarDate CalendarDateOf(double dayNumber);

// Today's date in the local time zone, as a day number.
double Today();

} // namespace vantorel
