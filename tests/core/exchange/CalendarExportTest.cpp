#include "exchange/CalendarExport.h"

#include <gtest/gtest.h>

#include <set>

#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"
#include "support/ExportLines.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

constexpr double kMatchDay = 46100; // 19 March 2026

TEST(CalendarExport, TextValuesEscapeTheirSeparators) {
    const std::pair<const char*, const char*> cases[] = {
        {"Arsenal v Chelsea", "Arsenal v Chelsea"},
        {"Brighton, Hove; Albion", "Brighton\\, Hove\\; Albion"},
        {"back\\slash", "back\\\\slash"},
        {"two\r\nlines", "two\\nlines"},
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(CalendarText(text), escaped) << text;
}

TEST(CalendarExport, StampIsUtc) {
    using namespace std::chrono;
    const sys_days day = 2026y / March / 14;
    EXPECT_EQ(CalendarStamp(day + 15h + 4min + 5s), "20260314T150405Z");
}

struct Exported {
    std::vector<std::string> lines;
    std::vector<std::string> unfolded;
};

Exported Export(const Division& division, int team) {
    testing::LineList sink;
    ExportCalendar(division, {team, "20260314T150405Z"}, sink);
    Exported out{sink.lines, {}};
    for (const std::string& line : sink.lines)
        if (!line.empty() && line[0] == ' ')
            out.unfolded.back() += line.substr(1);
        else
            out.unfolded.push_back(line);
    return out;
}

std::vector<std::string> Values(const Exported& exported, const std::string& name) {
    std::vector<std::string> values;
    for (const std::string& line : exported.unfolded)
        if (line.rfind(name, 0) == 0)
            values.push_back(line.substr(name.size()));
    return values;
}

TEST(CalendarExport, DatedFixturesBecomeAllDayEventsWithStableUids) {
    auto division = testing::MakeLeague(4, 2);
    // Long names with letters of two octets make the descriptions fold.
    ASSERT_TRUE(SetTableName(*division, "Første Division Ærøskøbing Øst"));
    ASSERT_TRUE(RenameTeam(*division, 1, "Ålesund Ærøskøbing Østerå IK"));
    for (int r = 1; r <= 6; ++r)
        testing::Edit(*division).Result(r).MatchDate = kMatchDay + r;
    testing::PlayFixture(*division, 1, 2, 1, kMatchDay + 1);

    const Exported all = Export(*division, 0);
    const Exported one = Export(*division, 1);
    EXPECT_GT(one.lines.size(), one.unfolded.size());
    for (const Exported* exported : {&all, &one})
        for (const std::string& line : exported->lines) {
            EXPECT_LE(line.size(), 75u) << line;
            // A fold never starts inside a character.
            EXPECT_NE(static_cast<unsigned char>(line[line[0] == ' ' ? 1 : 0]) & 0xC0, 0x80u) << line;
        }
    EXPECT_EQ(Values(one, "X-WR-CALNAME:")[0],
              "Første Division Ærøskøbing Øst - Ålesund Ærøskøbing Østerå IK");
    EXPECT_EQ(all.unfolded.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(all.unfolded.back(), "END:VCALENDAR");
    const std::vector<std::string> summaries = Values(all, "SUMMARY:");
    ASSERT_EQ(summaries.size(), 6u); // undated fixtures have no day
    EXPECT_EQ(summaries[0], "Ålesund Ærøskøbing Østerå IK 2-1 Team 02");
    EXPECT_EQ(summaries[1], "Ålesund Ærøskøbing Østerå IK v Team 03");
    EXPECT_EQ(Values(all, "DTSTART;VALUE=DATE:")[1], "20260321");
    EXPECT_EQ(Values(all, "DTEND;VALUE=DATE:")[1], "20260322");

    const std::vector<std::string> uids = Values(all, "UID:");
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), uids.size());
    // The same fixtures keep their UIDs whatever else changed, and one team's calendar uses them too.
    testing::PlayFixture(*division, 2, 0, 0, kMatchDay + 2);
    EXPECT_EQ(Values(Export(*division, 0), "UID:"), uids);
    const std::vector<std::string> teamThree = Values(Export(*division, 3), "UID:");
    ASSERT_EQ(teamThree.size(), 2u); // 1 v 3 and 2 v 3 are the dated fixtures of team 3
    EXPECT_EQ(teamThree[0], uids[1]);
}

} // namespace
} // namespace vantorel
