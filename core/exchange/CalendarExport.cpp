#include "exchange/CalendarExport.h"

#include <cstdio>

#include "store/Dates.h"
#include "store/Names.h"

namespace vantorel {
namespace {

constexpr std::size_t kFoldOctets = 75;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A content line cut into physical lines of at most 75 octets, each continuation starting with a blank.
void WriteFolded(LineSink& out, std::string_view line) {
    std::size_t limit = kFoldOctets;
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 1 && IsUtf8Continuation(line[cut]))
            --cut;
        out.WriteLine(std::string(limit == kFoldOctets ? "" : " ") + std::string(line.substr(0, cut)));
        line.remove_prefix(cut);
        limit = kFoldOctets - 1; // the blank that opens a continuation counts
    }
    out.WriteLine(std::string(limit == kFoldOctets ? "" : " ") + std::string(line));
}

std::string CalendarDay(double dayNumber) {
    const CalendarDate date = CalendarDateOf(dayNumber);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

std::string Summary(const Division& division, const ResultRecord& fixture) {
    const std::string home = TeamName(division, fixture.HomeTeam),
                      away = TeamName(division, fixture.AwayTeam);
    if (!fixture.Played)
        return home + " v " + away;
    return home + " " + std::to_string(fixture.HomeGoals) + "-" + std::to_string(fixture.AwayGoals) + " " +
           away;
}

// The league's name reduced to lower-case letters and digits joined by hyphens, for the UIDs.
std::string LeagueKey(const Division& division) {
    std::string key;
    for (char c : division.Header().TableName.stored()) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= '0' && u <= '9') || (u >= 'a' && u <= 'z'))
            key += c;
        else if (u >= 'A' && u <= 'Z')
            key += static_cast<char>(u + 0x20);
        else if (!key.empty() && key.back() != '-')
            key += '-';
    }
    while (!key.empty() && key.back() == '-')
        key.pop_back();
    return key.empty() ? "league" : key;
}

} // namespace

std::string CalendarText(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            escaped += '\\';
        if (c == '\n') {
            escaped += "\\n";
            continue;
        }
        if (c != '\r')
            escaped += c;
    }
    return escaped;
}

std::string CalendarStamp(std::chrono::system_clock::time_point when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(when - day)};
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string FixtureUid(const Division& division, int result) {
    const ResultRecord& fixture = division.Results[result];
    return "match-" + std::to_string(fixture.MatchNo) + "-" + std::to_string(fixture.HomeTeam) + "-" +
           std::to_string(fixture.AwayTeam) + "." + LeagueKey(division) + "@vantorel";
}

void ExportCalendar(const Division& division, const CalendarRequest& request, LineSink& out) {
    const std::string league = LeagueName(division);
    const std::string name = request.team == 0 ? league : league + " - " + TeamName(division, request.team);
    WriteFolded(out, "BEGIN:VCALENDAR");
    WriteFolded(out, "VERSION:2.0");
    WriteFolded(out, "PRODID:-//Vantorel//Vantorel League Calendar//EN");
    WriteFolded(out, "CALSCALE:GREGORIAN");
    WriteFolded(out, "METHOD:PUBLISH");
    WriteFolded(out, "X-WR-CALNAME:" + CalendarText(name));
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& fixture = division.Results[r];
        if (fixture.MatchDate <= 0)
            continue;
        if (request.team != 0 && fixture.HomeTeam != request.team && fixture.AwayTeam != request.team)
            continue;
        std::string description = league + ", match " + std::to_string(fixture.MatchNo);
        if (fixture.Played && fixture.Attendance > 0)
            description += ", attendance " + std::to_string(fixture.Attendance);
        WriteFolded(out, "BEGIN:VEVENT");
        WriteFolded(out, "UID:" + FixtureUid(division, r));
        WriteFolded(out, "DTSTAMP:" + request.stamp);
        WriteFolded(out, "DTSTART;VALUE=DATE:" + CalendarDay(fixture.MatchDate));
        WriteFolded(out, "DTEND;VALUE=DATE:" + CalendarDay(fixture.MatchDate + 1));
        WriteFolded(out, "SUMMARY:" + CalendarText(Summary(division, fixture)));
        WriteFolded(out, "DESCRIPTION:" + CalendarText(description));
        WriteFolded(out, "TRANSP:TRANSPARENT");
        WriteFolded(out, "END:VEVENT");
    }
    WriteFolded(out, "END:VCALENDAR");
}

} // namespace vantorel
