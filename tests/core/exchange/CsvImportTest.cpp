#include "exchange/CsvImport.h"

#include <iterator>
#include <random>

#include <gtest/gtest.h>

#include "store/DivisionCheck.h"
#include "exchange/ImportRun.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using Fields = std::vector<std::string>;

Fields Split(std::string_view line, int* count = nullptr) {
    return SplitImportLine(line, count);
}

TEST(ImportSplitting, CutsAtCommasOutsideQuotesCleansEachFieldAndKeepsTen) {
    int count = 0;
    EXPECT_EQ(Split(" 12/03/1997 , Leeds,\"Brighton, Hove\",2,1", &count),
              (Fields{"12/03/1997", "Leeds", "Brighton, Hove", "2", "1"}));
    EXPECT_EQ(count, 5);
    // A quote opens a quoted section only at the start of a field and closes it only before a comma, blanks
    // or the end of the line: apostrophes inside names are plain text.
    EXPECT_EQ(Split("12/03/1997,Nott'm Forest,Newell's Old Boys,2,1", &count),
              (Fields{"12/03/1997", "Nott'm Forest", "Newell's Old Boys", "2", "1"}));
    EXPECT_EQ(Split(" 'Queen's Park' ,\"Say \"\"Hi\"\", all\" ,x", &count),
              (Fields{"Queen's Park", "Say \"Hi\", all", "x"}));
    EXPECT_EQ(Split("\"a, b,c", &count), (Fields{"a, b,"})); // never closed: the rest is one field
    EXPECT_EQ(Split("\"Queen', J\",x", &count), (Fields{"Queen', J", "x"})); // only its own quote closes
    // A trailing comma adds no empty field; an empty field inside the line stays.
    EXPECT_EQ(Split("a,b,c,1,2,", &count).size(), 5u);
    EXPECT_EQ(Split("a,,c", &count), (Fields{"a", "", "c"}));
    EXPECT_EQ(Split("", &count), Fields{});
    EXPECT_EQ(count, 0);
    // Quotes come off only from a field longer than two characters.
    EXPECT_EQ(Split("\"\",'x',\"ab\"", &count), (Fields{"\"\"", "x", "ab"}));
    // Ten fields are kept, but all are counted.
    const Fields fields = Split("1,2,3,4,5,6,7,8,9,10,11,12", &count);
    EXPECT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields.back(), "10");
    EXPECT_EQ(count, 12);
}

TEST(ImportText, ReadsUtf8WithOrWithoutAByteOrderMarkAndFallsBackToWindows1252LineByLine) {
    EXPECT_EQ(ImportTextLines("\xEF\xBB\xBFM\xC3\xBCnchen,1\r\nB,2\n"), (Fields{"München,1", "B,2"}));
    EXPECT_EQ(ImportTextLines("M\xFCnchen,1\nlast"), (Fields{"München,1", "last"}));
    EXPECT_EQ(ImportTextLines("a\n\nb\n"), (Fields{"a", "", "b"}));
    EXPECT_TRUE(ImportTextLines("").empty());
    // One Windows-1252 line among UTF-8 lines leaves the UTF-8 lines as they are.
    EXPECT_EQ(ImportTextLines("M\xC3\xBCnchen,1\nK\xF6ln,2\r\nZ\xC3\xBCrich,3"),
              (Fields{"München,1", "Köln,2", "Zürich,3"}));
    EXPECT_EQ(ImportTextLines("a\rb\r\nc\nd\r\r\ne\r"), (Fields{"a", "b", "c", "d", "", "e"}));
}

TEST(ImportResults, EntersResultsIntoOpenFixturesAndCountsBadLines) {
    auto division = testing::MakeLeague(4, 4);
    const DateFormat dates = DateFormat::Default();
    const ImportCounters counters = ImportAll(
        *division, ImportChoice::Results,
        {"Date,Home-Team,Away-Team,For,Against,Attendance", "01/08/2025,Team 01,Team 02,2,1,3000",
         "08/08/2025,Team 01,Team 02,0,0", "15/08/2025,Team 01,Team 02,1,1", "31/02/2025,Team 03,Team 04,1,0",
         "01/08/2025,Team 03,Team 03,1,0", "01/08/2025,Team 03,Team 09,1,0", "01/08/2025,Team 03,Team 04,x,0",
         "01/08/2025,Team 03,Team 04,1,0,12a", "01/08/2025,Team 03,Transferred-Out,1,0", "01/08/2025,Team 03",
         "01/08/2025,Team 03,Team 04,1,0,-5", "01/08/2025,Team 03,Team 04,+2,0,5",
         "01/08/2025,Team 03,Team 04,1,0,100,7", "30/12/1899,Team 03,Team 04,1,0"},
        dates);
    EXPECT_EQ(counters.read, 15);
    EXPECT_EQ(counters.imported, 3);
    EXPECT_EQ(counters.errors, 12);
    EXPECT_EQ(counters.refusedFull, 0);
    EXPECT_EQ(division->Results[1].Attendance, 3000);
    EXPECT_EQ(division->Results[13].MatchDate, *dates.Parse("08/08/2025"));
    EXPECT_EQ(division->Teams[1].Points, 3 + 1);
    EXPECT_EQ(division->Header().GoalCount, 3 + 2);
    EXPECT_EQ(division->Results[division->FindFixture(3, 4) - 12].Attendance, 5);
}

TEST(ImportResults, LinesRefusedBecauseTheLeagueIsFullAreCountedWithTheReason) {
    auto division = testing::MakeLeague(4, 2);
    testing::Edit(*division).Header().GoalCount = kMaxGoals - 2;
    const ImportCounters results =
        ImportAll(*division, ImportChoice::Results,
                  {"01/08/2025,Team 01,Team 02,2,1", "01/08/2025,Team 01,Team 09,2,1",
                   "01/08/2025,Team 01,Team 02,1,1", "01/08/2025,Team 03,Team 04,0,1"},
                  DateFormat::Default());
    EXPECT_EQ(results.imported, 1);
    EXPECT_EQ(results.errors, 3);
    EXPECT_EQ(results.refusedFull, 2);
    EXPECT_NE(results.fullReason.find("goals"), std::string::npos) << results.fullReason;

    testing::Edit(*division).Header().PlayerCount = kMaxPlayers - 1;
    const ImportCounters players = ImportAll(
        *division, ImportChoice::Players, {"Ann,Team 01", "Bob,Team 01", "Cy,Nobody"}, DateFormat::Default());
    EXPECT_EQ(players.imported, 1);
    EXPECT_EQ(players.refusedFull, 1);
    EXPECT_NE(players.fullReason.find(std::to_string(kMaxPlayers)), std::string::npos) << players.fullReason;
}

TEST(ImportPlayers, AddsEachNameOnceComparingExactly) {
    auto division = testing::MakeLeague(4, 2);
    const std::vector<std::string> lines = {"Player Name,Team",    "\"Ann Smith\",Team 01",
                                            "Bob,Transferred-Out", "ann smith,Team 02",
                                            "Cy,Nobody",           "A name longer than twenty,Team 03",
                                            "Łukasz,Team 01",      "Dee"};
    const ImportCounters first = ImportAll(*division, ImportChoice::Players, lines, DateFormat::Default());
    EXPECT_EQ(first.imported, 4);
    EXPECT_EQ(first.errors, 4);
    EXPECT_EQ(division->Players[2].Team, 5);
    EXPECT_EQ(division->Players[4].Name.stored(), "A name longer than t");
    const ImportCounters second = ImportAll(*division, ImportChoice::Players, lines, DateFormat::Default());
    EXPECT_EQ(second.imported, 0);
    EXPECT_EQ(second.errors, 8);
    EXPECT_EQ(division->Header().PlayerCount, 4);
}

TEST(ImportResults, RandomLinesNeverBreakTheLeague) {
    auto division = testing::MakeLeague(6, 2);
    std::mt19937 random(2026);
    const std::string pieces[] = {",",          "\"", "'", "Team 0", "1",    "2",   "/",
                                  "01/08/2025", " ",  "-", "x",      "\xC3", "\xFF"};
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (int k = static_cast<int>(random() % 14); k > 0; --k)
            line += pieces[random() % std::size(pieces)];
        lines.push_back(line);
    }
    lines.push_back("01/08/2025,Team 01,Team 02,9,9,1");
    const ImportCounters counters = ImportAll(*division, ImportChoice::Results, lines, DateFormat::Default());
    EXPECT_EQ(counters.read, 3001);
    EXPECT_EQ(counters.imported + counters.errors, counters.read);
    int played = 0, goals = 0;
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (division->Results[r].Played) {
            ++played;
            goals += division->Results[r].HomeGoals + division->Results[r].AwayGoals;
        }
    EXPECT_EQ(played, counters.imported);
    EXPECT_EQ(division->Header().GoalCount, goals);
    EXPECT_TRUE(CheckDivision(*division));
    EXPECT_EQ(BrokenRules(*division), std::vector<std::string>());
}

} // namespace
} // namespace vantorel
