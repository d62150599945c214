#include "exchange/CsvImport.h"

#include <iterator>
#include <random>

#include <gtest/gtest.h>

#include "exchange/CsvHeadings.h"
#include "exchange/ImportRun.h"
#include "exchange/MatchDetailImport.h"
#include "results/ResultEntry.h"
#include "store/DivisionCheck.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

const DateFormat kDates = DateFormat::Default();

ImportCounters Import(Division& division, ImportChoice choice, const Lines& lines) {
    return ImportAll(division, choice, lines, kDates);
}

TEST(ImportSplitting, CutsAtCommasOutsideQuotesCleansEachFieldAndKeepsTen) {
    int count = 0;
    EXPECT_EQ(SplitImportLine(" 12/03/1997 , Leeds,\"Brighton, Hove\",2,1", &count),
              (Lines{"12/03/1997", "Leeds", "Brighton, Hove", "2", "1"}));
    EXPECT_EQ(count, 5);
    // A quote opens a quoted section only at the start of a field and closes it only before a comma, blanks
    // or the end of the line: apostrophes inside names are plain text.
    const std::pair<const char*, Lines> cases[] = {
        {"12/03/1997,Nott'm Forest,Newell's Old Boys,2,1",
         {"12/03/1997", "Nott'm Forest", "Newell's Old Boys", "2", "1"}},
        {" 'Queen's Park' ,\"Say \"\"Hi\"\", all\" ,x", {"Queen's Park", "Say \"Hi\", all", "x"}},
        {"\"a, b,c", {"a, b,"}},                   // never closed: the rest is one field
        {"\"Queen', J\",x", {"Queen', J", "x"}},   // only its own quote closes
        {"a,b,c,1,2,", {"a", "b", "c", "1", "2"}}, // a trailing comma adds no empty field
        {"a,,c", {"a", "", "c"}},
        {"\"\",'x',\"ab\"",
         {"\"\"", "x", "ab"}}, // quotes come off only from a field longer than two characters
        {"", {}}};
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(SplitImportLine(line, &count), fields) << line;
    EXPECT_EQ(count, 0);
    // Ten fields are kept, but all are counted.
    EXPECT_EQ(SplitImportLine("1,2,3,4,5,6,7,8,9,10,11,12", &count),
              (Lines{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(count, 12);
}

TEST(ImportText, ReadsUtf8WithOrWithoutAByteOrderMarkAndFallsBackToWindows1252LineByLine) {
    EXPECT_EQ(ImportTextLines("\xEF\xBB\xBFM\xC3\xBCnchen,1\r\nB,2\n"), (Lines{"München,1", "B,2"}));
    EXPECT_EQ(ImportTextLines("M\xFCnchen,1\nlast"), (Lines{"München,1", "last"}));
    EXPECT_EQ(ImportTextLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_TRUE(ImportTextLines("").empty());
    // One Windows-1252 line among UTF-8 lines leaves the UTF-8 lines as they are.
    EXPECT_EQ(ImportTextLines("M\xC3\xBCnchen,1\nK\xF6ln,2\r\nZ\xC3\xBCrich,3"),
              (Lines{"München,1", "Köln,2", "Zürich,3"}));
    EXPECT_EQ(ImportTextLines("a\rb\r\nc\nd\r\r\ne\r"), (Lines{"a", "b", "c", "d", "", "e"}));
}

TEST(ImportResults, EntersResultsIntoOpenFixturesAndCountsBadLines) {
    auto division = testing::MakeLeague(4, 4);
    const ImportCounters counters = Import(
        *division, ImportChoice::Results,
        {"Date,Home-Team,Away-Team,For,Against,Attendance", "01/08/2025,Team 01,Team 02,2,1,3000",
         "08/08/2025,Team 01,Team 02,0,0", "15/08/2025,Team 01,Team 02,1,1", "31/02/2025,Team 03,Team 04,1,0",
         "01/08/2025,Team 03,Team 03,1,0", "01/08/2025,Team 03,Team 09,1,0", "01/08/2025,Team 03,Team 04,x,0",
         "01/08/2025,Team 03,Team 04,1,0,12a", "01/08/2025,Team 03,Transferred-Out,1,0", "01/08/2025,Team 03",
         "01/08/2025,Team 03,Team 04,1,0,-5", "01/08/2025,Team 03,Team 04,+2,0,5",
         "01/08/2025,Team 03,Team 04,1,0,100,7", "30/12/1899,Team 03,Team 04,1,0",
         "01/08/2025,Team 03,Team 04,2,0"}); // the same match again: the second fixture stays open
    EXPECT_EQ(std::tuple(counters.read, counters.imported, counters.errors, counters.refusedFull),
              std::tuple(16, 3, 13, 0));
    EXPECT_EQ(division->Results[1].Attendance, 3000);
    EXPECT_EQ(division->Results[13].MatchDate, *kDates.Parse("08/08/2025"));
    EXPECT_EQ(division->Results[division->FindFixture(3, 4) - 12].Attendance, 5);
}

TEST(ImportResults, LinesRefusedBecauseTheLeagueIsFullAreCountedWithTheReason) {
    auto division = testing::MakeLeague(4, 2);
    testing::Edit(*division).Header().GoalCount = kMaxGoals - 2;
    const ImportCounters results = Import(*division, ImportChoice::Results,
                                          {"01/08/2025,Team 01,Team 02,2,1", "01/08/2025,Team 01,Team 09,2,1",
                                           "01/08/2025,Team 01,Team 02,1,1", "01/08/2025,Team 03,Team 04,0,1",
                                           "01/08/2025,Team 04,Team 03,1,0"});
    EXPECT_EQ(std::tuple(results.imported, results.errors, results.refusedFull), std::tuple(1, 4, 3));
    EXPECT_NE(results.fullReason.find("goals"), std::string::npos) << results.fullReason;

    testing::Edit(*division).Header().PlayerCount = kMaxPlayers - 1;
    const ImportCounters players =
        Import(*division, ImportChoice::Players, {"Ann,Team 01", "Bob,Team 01", "Cy,Nobody"});
    EXPECT_EQ(std::tuple(players.imported, players.refusedFull), std::tuple(1, 1));
    EXPECT_NE(players.fullReason.find(std::to_string(kMaxPlayers)), std::string::npos) << players.fullReason;
}

TEST(ImportPlayers, AddsEachNameOnceComparingExactly) {
    auto division = testing::MakeLeague(4, 2);
    const Lines lines = {"Player Name,Team",    "\"Ann Smith\",Team 01",
                         "Bob,Transferred-Out", "ann smith,Team 02",
                         "Cy,Nobody",           "A name longer than twenty,Team 03",
                         "Łukasz,Team 01",      "Dee"};
    const ImportCounters first = Import(*division, ImportChoice::Players, lines);
    EXPECT_EQ(std::tuple(first.imported, first.errors), std::tuple(4, 4));
    EXPECT_EQ(division->Players[4].Name.stored(), "A name longer than t");
    const ImportCounters second = Import(*division, ImportChoice::Players, lines);
    EXPECT_EQ(std::tuple(second.imported, second.errors, division->Header().PlayerCount),
              std::tuple(0, 8, 4));
}

TEST(ImportResults, RandomLinesNeverBreakTheLeague) {
    auto division = testing::MakeLeague(6, 2);
    std::mt19937 random(2026);
    const std::string pieces[] = {",",          "\"", "'", "Team 0", "1",    "2",   "/",
                                  "01/08/2025", " ",  "-", "x",      "\xC3", "\xFF"};
    Lines lines;
    for (int i = 0; i < 3000; ++i) {
        std::string line;
        for (int k = static_cast<int>(random() % 14); k > 0; --k)
            line += pieces[random() % std::size(pieces)];
        lines.push_back(line);
    }
    lines.push_back("01/08/2025,Team 01,Team 02,9,9,1");
    const ImportCounters counters = Import(*division, ImportChoice::Results, lines);
    EXPECT_EQ(counters.read, 3001);
    EXPECT_EQ(counters.imported + counters.errors, counters.read);
    int played = 0, goals = 0;
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (division->Results[r].Played) {
            ++played;
            goals += division->Results[r].HomeGoals + division->Results[r].AwayGoals;
        }
    EXPECT_EQ(std::tuple(played, division->Header().GoalCount), std::tuple(counters.imported, goals));
    EXPECT_TRUE(CheckDivision(*division));
    EXPECT_EQ(BrokenRules(*division), Lines());
}

// Team 01 beat Team 02 2-1 on 01/08/2025; Team 03 v Team 04 is unplayed and undated.
std::unique_ptr<Division> OnePlayedMatch() {
    auto division = testing::MakeLeague(4, 2);
    EXPECT_TRUE(EnterResult(*division, {1, 2, 2, 1, *kDates.Parse("01/08/2025"), 0}));
    return division;
}

TEST(ImportScorers, NeedTheirPlayersFirstAndFillTheMatchsFreeGoalsInOrder) {
    auto division = OnePlayedMatch();
    const Lines scorers = {"Smith. J,Team 01,Team 01,Team 02,01/08/2025,12,1,0",
                           "Ann,Team 01,Team 01,Team 02,1/8/2025,80,0,0",
                           "Ann,Team 01,Team 01,Team 02,01/08/2025,85,0,0", // no third goal for Team 01
                           "Di,Team 02,Team 01,Team 02,01/08/2025,30,0,0",  // a Team 03 player
                           "Cy,Team 02,Team 01,Team 02,01/08/2025,30,0,1",
                           "Ann,Team 03,Team 03,Team 04,,5,0,0",              // not played
                           "Ann,Team 01,Team 01,Team 02,02/08/2025,5,0,0",    // no match that day
                           "Ann,Team 02,Team 01,Team 02,01/08/2025,5,2,0",    // a mark is 0 or 1
                           "Ann,Team 01,Team 01,Team 02,01/08/2025,-1,0,0"};  // no such minute
    EXPECT_EQ(Import(*division, ImportChoice::Scorers, scorers).imported, 0); // nobody is known yet
    ASSERT_EQ(Import(*division, ImportChoice::Players,
                     {"\"Smith, J\",Team 01", "Ann,Team 01", "Cy,Team 01", "Di,Team 03"})
                  .imported,
              4);
    const ImportCounters counters = Import(*division, ImportChoice::Scorers, scorers);
    // Which goal each line fills, with its minute and marks, is read back by the whole-league round trip.
    EXPECT_EQ(std::tuple(counters.imported, counters.errors), std::tuple(3, 6));
}

TEST(ImportSquads, FillEmptyLinesOfTheNamedMatchOnly) {
    auto division = OnePlayedMatch();
    ASSERT_EQ(
        Import(*division, ImportChoice::Players, {"Ann,Team 01", "Bo,Team 01", "Cy,Team 03", "Di,Team 01"})
            .imported,
        4);
    const ImportCounters counters =
        Import(*division, ImportChoice::Squads,
               {kSquadsHeading, "01/08/2025,Team 01,Team 02,Team 01,5,Nobody,0,90,0,0,0", // no such player
                "01/08/2025,Team 01,Team 02,Team 01,1,Ann,0,90,1,1,1",
                "01/08/2025,Team 01,Team 02,Team 01,12,Bo,60,0,0,0,0",
                "01/08/2025,Team 01,Team 02,Team 01,1,Bo,0,90,0,0,0",    // the line is taken
                "01/08/2025,Team 01,Team 02,Team 01,2,Ann,0,90,0,0,0",   // already in the squad
                "01/08/2025,Team 01,Team 02,Team 01,17,Di,0,90,0,0,0",   // no such line
                "01/08/2025,Team 01,Team 02,Team 01,15,Di,0,90,0,0,0",   // past the 11 + 3 of the squad
                "01/08/2025,Team 01,Team 02,Team 01,3,Cy,0,90,0,0,0",    // a Team 03 player
                "01/08/2025,Team 01,Team 02,Team 01,4,Di,250,255,0,0,0", // no such minutes
                "01/08/2025,Team 01,Team 02,Team 03,2,Cy,0,90,0,0,0",    // not a side of the match
                ",Team 03,Team 04,Team 03,1,Cy,0,90,0,0,0"});            // an undated fixture
    EXPECT_EQ(std::tuple(counters.imported, counters.errors), std::tuple(3, 9));
    // The fields of squads of played matches are read back by the whole-league round trip; a fixture not
    // yet played takes a squad too.
    ASSERT_EQ(division->Header().SquadCount, 2);
    EXPECT_EQ(division->Squads[2].Result, division->FindFixture(3, 4));
}

TEST(ImportFixtures, ADateGoesToTheFirstUndatedFixtureOfThePairingOnce) {
    auto division = testing::MakeLeague(4, 4); // Team 01 at home to Team 02: fixtures 1 and 13
    const auto import = [&](const char* line) {
        return ProcessImport(*division, ImportKind::Fixtures, line, kDates);
    };
    EXPECT_TRUE(import("05/09/2025,Team 01,Team 02"));
    EXPECT_FALSE(import("05/09/2025,Team 01,Team 02")); // already there
    EXPECT_TRUE(import("06/09/2025,Team 01,Team 02"));
    EXPECT_FALSE(import("07/09/2025,Team 01,Team 02")); // no undated fixture left
    EXPECT_EQ(std::pair(division->Results[1].MatchDate, division->Results[13].MatchDate),
              std::pair(*kDates.Parse("05/09/2025"), *kDates.Parse("06/09/2025")));
}

} // namespace
} // namespace vantorel
