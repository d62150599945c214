#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "exchange/LineSink.h"
#include "store/Division.h"

namespace vantorel {

// The fixtures of a league as an iCalendar file (RFC 5545), for a phone's or a web calendar: one all-day
// event per dated fixture, "Arsenal v Chelsea" or, once played, "Arsenal 2-1 Chelsea". Each event's UID is
// made of the match number, both teams' indices and the league's name, so that importing a later export
// again updates the events instead of doubling them. Undated fixtures have no day to be shown on and are
// left out.
struct CalendarRequest {
    int team = 0;      // 0: every fixture; otherwise only this team's
    std::string stamp; // when the file is made, in UTC as the calendar writes it (CalendarStamp)
};

// Writes the calendar, each content line folded at 75 octets (a fold never splits a UTF-8 character) and
// ended by the sink (CR LF for files).
void ExportCalendar(const Division& division, const CalendarRequest& request, LineSink& out);

// A moment in UTC as a calendar date-time: 20260314T151500Z.
std::string CalendarStamp(std::chrono::system_clock::time_point when);

// A TEXT value with its backslashes, semicolons, commas and line breaks escaped.
std::string CalendarText(std::string_view text);

// The stable UID of a fixture's event.
std::string FixtureUid(const Division& division, int result);

} // namespace vantorel
