#include "exchange/CsvExport.h"

#include <sstream>

#include <gtest/gtest.h>

#include "exchange/ImportRun.h"
#include "results/ResultEntry.h"
#include "standings/DateList.h"
#include "support/ExportLines.h"
#include "support/LeagueMaker.h"
#include "support/SampleSeason.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

constexpr double kWholeSeason = 1e9;

Lines Export(const Division& division, ExportSection section, const LeagueTable* table = nullptr,
             TableFormat format = {}) {
    ExportRequest request;
    request.section = section;
    request.table = table;
    request.format = format;
    request.from = 0;
    request.to = kWholeSeason;
    testing::LineList out;
    ExportSections(division, request, DateFormat::Default(), out);
    return out.lines;
}

TEST(CsvExport, ResultsAndDatedFixturesWithinTheRange) {
    auto division = testing::MakeLeague(4, 1);
    ASSERT_TRUE(EnterResult(*division, {1, 2, 2, 1, 45000, 1234}));
    testing::Edit(*division).Result(2).MatchDate = 45010; // an open fixture with a date
    testing::Edit(*division).Team(3).Name.assignStored("Brighton, Hove");
    EXPECT_EQ(
        Export(*division, ExportSection::Results),
        (Lines{"Date,Home-Team,Away-Team,For,Against,Attendance", "15/03/2023,Team 01,Team 02,2,1,1234"}));
    EXPECT_EQ(Export(*division, ExportSection::Fixtures),
              (Lines{"Date,Home-Team,Away-Team,", "25/03/2023,Team 01,\"Brighton, Hove\""}));

    ExportRequest narrow;
    narrow.section = ExportSection::Results;
    narrow.from = 45001;
    narrow.to = 45020;
    testing::LineList out;
    ExportSections(*division, narrow, DateFormat::Default(), out);
    EXPECT_EQ(out.lines.size(), 1u);
}

TEST(CsvExport, TheTableWritesPositionNumbersWhateverTheMarks) {
    auto division = testing::MakeLeague(4, 1);
    testing::Edit(*division).Header().RelegateCount = 1;
    for (int r = 1; r <= 6; ++r)
        ASSERT_TRUE(EnterResult(*division,
                                {division->Results[r].HomeTeam, division->Results[r].AwayTeam, 1, 0, 1, 0}));
    const LeagueTable table =
        FillTable(*division, {TableContent::PlayedGames, GameSelection::HomeAndAway, 1, 10});
    const Lines lines = Export(*division, ExportSection::Table, &table, {true, true});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Pos,Team,P,W,D,L,F,A,GD,Pts,PP");
    EXPECT_EQ(lines[1], "1,Team 01,3,3,0,0,3,0,3,9,9");
    EXPECT_EQ(lines[4], "4,Team 04,3,0,0,3,0,3,-3,0,0"); // "D" on screen
}

TEST(CsvExport, TheGridHasOneSetOrTwoWithShortNamesInItsHeading) {
    auto twice = testing::MakeLeague(4, 2);
    int team = 0;
    for (const char* name : {"Aston Villa", "Leeds", "Ox", "Hull "})
        testing::Edit(*twice).Team(++team).Name.assignStored(name);
    ASSERT_TRUE(EnterResult(*twice, {1, 2, 3, 0, 1, 0}));
    testing::Edit(*twice).Result(5).MatchDate = 45000;
    const Lines grid = Export(*twice, ExportSection::Grid);
    ASSERT_EQ(grid.size(), 5u);
    EXPECT_EQ(grid[0], "Team,A.V,Lee,Ox,Hul");
    EXPECT_EQ(grid[1], "Aston Villa,,3-0,-,-");
    EXPECT_EQ(grid[2], "Leeds,-,,15/03/2023,-");

    auto four = testing::MakeLeague(4, 4);
    ASSERT_TRUE(EnterResult(*four, {1, 2, 1, 1, 1, 0}));
    ASSERT_TRUE(EnterResult(*four, {1, 2, 7, 3, 2, 0}));
    const Lines sets = Export(*four, ExportSection::Grid);
    ASSERT_EQ(sets.size(), 12u);
    EXPECT_EQ(sets[0], "First Set of Matches");
    EXPECT_EQ(sets[2], "Team 01,,1-1,-,-");
    EXPECT_EQ(sets[6], "Second Set of Matches");
    EXPECT_EQ(sets[8], "Team 01,,7-3,-,-");

    auto once = testing::MakeLeague(4, 1);
    EXPECT_EQ(Export(*once, ExportSection::Grid)[2], "Team 02,,,-,-"); // no fixture of 2 at home to 1
}

TEST(CsvExport, ScorersAndPlayersLeaveOutWhatTheyShould) {
    auto division = testing::MakeLeague(4, 1);
    ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("Smith, J"), 1, 1}));
    ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("Gone"), 5, 1}));
    ASSERT_TRUE(EnterResult(*division, {1, 2, 2, 1, 45000, 0}));
    testing::Edit(*division).Goal(1).Player = 1;
    testing::Edit(*division).Goal(1).GoalTime = 12;
    testing::Edit(*division).Goal(1).Penalty = true;
    testing::Edit(*division).Goal(3).Player = 2;
    testing::Edit(*division).Goal(3).OwnGoal = true;
    EXPECT_EQ(Export(*division, ExportSection::Scorers),
              (Lines{"Player,TeamFor,HomeTeam,AwayTeam,Date,GoalTime,Penalty,OwnGoal",
                     "Smith. J,Team 01,Team 01,Team 02,15/03/2023,12,1,0",
                     "Gone,Team 02,Team 01,Team 02,15/03/2023,0,0,1"}));
    // Players who left are written too, so that their goals can be read back.
    EXPECT_EQ(Export(*division, ExportSection::Players),
              (Lines{"Player Name,Team", "\"Smith, J\",Team 01", "\"Gone\",Transferred-Out"}));
}

TEST(CsvExport, AllSectionsWithTheirTitles) {
    auto division = testing::MakeLeague(4, 1);
    const LeagueTable table = FillTable(*division, {});
    const Lines lines = Export(*division, ExportSection::All, &table);
    EXPECT_EQ(lines[0], "Test League");
    EXPECT_EQ(lines[1], "Pos,Team,P,W,D,L,F,A,W,D,L,F,A,GD,Pts");
    for (const char* title :
         {"Match Results", "Match Fixtures", "Matches Grid", "Goal Scorers", "Players", "Squads"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), title), lines.end()) << title;
    // The league name is a field like the team names: a comma in it is quoted.
    testing::Edit(*division).Header().TableName.assignStored("North, South \"Combined\"");
    EXPECT_EQ(Export(*division, ExportSection::All, &table)[0], "\"North, South \"\"Combined\"\"\"");
}

TEST(CsvExport, TheDefaultRangeRunsFromTheFirstMatchDateToTheLatestFixture) {
    auto division = testing::MakeLeague(4, 1);
    double from = 0, to = 0;
    DefaultExportRange(*division, DateList::Build(*division, TableContent::PlayedGames), 46000, from, to);
    EXPECT_EQ(from, 46000);
    EXPECT_EQ(to, 46000);
    ASSERT_TRUE(EnterResult(*division, {1, 2, 0, 0, 45000, 0}));
    ASSERT_TRUE(EnterResult(*division, {1, 3, 0, 0, 45007, 0}));
    testing::Edit(*division).Result(6).MatchDate = 45100;
    DefaultExportRange(*division, DateList::Build(*division, TableContent::PlayedGames), 46000, from, to);
    EXPECT_EQ(from, 45000);
    EXPECT_EQ(to, 45100);
}

TEST(ClipboardExport, StopsShortOfTheLimitAndTakesLaterShorterLines) {
    ClipboardLineSink clipboard;
    const std::string line(99, 'x'); // 101 characters with its line end
    for (int i = 0; i < 2534; ++i)
        clipboard.WriteLine(line);
    EXPECT_EQ(clipboard.text().size(), 2534u * 101);
    EXPECT_FALSE(clipboard.truncated());
    clipboard.WriteLine(line); // 255,934 + 101 would pass the limit
    EXPECT_TRUE(clipboard.truncated());
    clipboard.WriteLine(std::string(60, 'y')); // 255,934 + 62 = 255,996: still fits
    EXPECT_EQ(clipboard.text().size(), 2534u * 101 + 62);
    EXPECT_EQ(clipboard.text().substr(clipboard.text().size() - 4), "yy\r\n");
    clipboard.WriteLine("zz"); // 255,996 + 4 reaches the limit exactly: left out
    EXPECT_EQ(clipboard.text().size(), 2534u * 101 + 62);
    clipboard.WriteLine("z"); // 255,999 fits
    EXPECT_EQ(clipboard.text().size(), 2534u * 101 + 62 + 3);
}

TEST(CsvExport, ExportedResultsImportedIntoAFreshLeagueGiveTheSameTable) {
    auto season = testing::LoadSampleSeason();
    const Lines exported = Export(*season, ExportSection::Results);

    auto fresh = testing::LoadSampleSeason();
    for (int r = 1; r <= fresh->Header().ResultCount; ++r)
        ASSERT_TRUE(CancelResult(*fresh, r));
    const ImportCounters counters = ImportAll(*fresh, ImportChoice::Results, exported, DateFormat::Default());
    EXPECT_EQ(counters.errors, 1); // the heading line
    EXPECT_EQ(counters.imported, 380);

    const TableVariant variant{TableContent::PlayedGames, GameSelection::HomeAndAway, kWholeSeason, 10};
    const LeagueTable before = FillTable(*season, variant);
    const LeagueTable after = FillTable(*fresh, variant);
    EXPECT_EQ(TableRows(*season, before, {}), TableRows(*fresh, after, {}));
    for (int t = 1; t <= 20; ++t)
        EXPECT_EQ(fresh->Teams[t].Points, season->Teams[t].Points);
}

} // namespace
} // namespace vantorel
