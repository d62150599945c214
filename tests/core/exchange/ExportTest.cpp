#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "app/NewLeague.h"
#include "exchange/CalendarExport.h"
#include "exchange/CsvExport.h"
#include "exchange/ExportChoice.h"
#include "exchange/ImportRun.h"
#include "exchange/WebPages.h"
#include "platform/Markup.h"
#include "players/GoalScorers.h"
#include "players/Squads.h"
#include "results/ResultEntry.h"
#include "standings/DateList.h"
#include "standings/Standings.h"
#include "standings/TableCells.h"
#include "store/Dates.h"
#include "support/ExportLines.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

Lines Export(const Division& division, ExportSection section, const LeagueTable* table = nullptr,
             TableFormat format = {}, double from = 0, double to = 1e9,
             const DateFormat& dates = DateFormat::Default()) {
    testing::LineList out;
    ExportSections(division, {section, table, format, from, to}, dates, out);
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
    EXPECT_EQ(Export(*division, ExportSection::Results, nullptr, {}, 45001, 45020).size(), 1u);
}

TEST(CsvExport, TheTableWritesPositionNumbersWhateverTheMarks) {
    auto division = testing::MakeLeague(4, 1);
    testing::Edit(*division).Header().RelegateCount = 1;
    for (int r = 1; r <= 6; ++r)
        testing::PlayFixture(*division, r, 1, 0, 1);
    const LeagueTable table =
        FillTable(*division, {TableContent::PlayedGames, GameSelection::HomeAndAway, 1, 10});
    EXPECT_EQ(
        Export(*division, ExportSection::Table, &table, {true, true}),
        (Lines{"Pos,Team,P,W,D,L,F,A,GD,Pts,PP", "1,Team 01,3,3,0,0,3,0,3,9,9", "2,Team 02,3,2,0,1,2,1,1,6,6",
               "3,Team 03,3,1,0,2,1,2,-1,3,3", "4,Team 04,3,0,0,3,0,3,-3,0,0"})); // the last is "D" on screen
    // A whole-league export starts with the league name, quoted only when it must be (see the round trip).
    EXPECT_EQ(Export(*division, ExportSection::All, &table)[0], "Test League");
}

TEST(CsvExport, TheGridHasOneSetOrTwoWithShortNamesInItsHeading) {
    auto twice = testing::MakeLeague(4, 2);
    int team = 0;
    for (const char* name : {"Aston Villa", "Leeds", "Ox", "Hull "})
        testing::Edit(*twice).Team(++team).Name.assignStored(name);
    ASSERT_TRUE(EnterResult(*twice, {1, 2, 3, 0, 1, 0}));
    testing::Edit(*twice).Result(5).MatchDate = 45000;
    EXPECT_EQ(Export(*twice, ExportSection::Grid),
              (Lines{"Team,A.V,Lee,Ox,Hul", "Aston Villa,,3-0,-,-", "Leeds,-,,15/03/2023,-", "Ox,-,-,,-",
                     "Hull ,-,-,-,"}));

    auto four = testing::MakeLeague(4, 4);
    ASSERT_TRUE(EnterResult(*four, {1, 2, 1, 1, 1, 0}));
    ASSERT_TRUE(EnterResult(*four, {1, 2, 7, 3, 2, 0}));
    const Lines sets = Export(*four, ExportSection::Grid);
    ASSERT_EQ(sets.size(), 12u);
    EXPECT_EQ(
        Lines({sets[0], sets[2], sets[6], sets[8]}),
        Lines({"First Set of Matches", "Team 01,,1-1,-,-", "Second Set of Matches", "Team 01,,7-3,-,-"}));
    auto once = testing::MakeLeague(4, 1);
    EXPECT_EQ(Export(*once, ExportSection::Grid)[2], "Team 02,,,-,-"); // no fixture of 2 at home to 1
}

TEST(CsvExport, ScorersAndPlayersLeaveOutWhatTheyShould) {
    auto division = testing::MakeLeague(4, 1);
    ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("Smith, J"), 1, 1}));
    ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("Gone"), 5, 1}));
    ASSERT_TRUE(EnterResult(*division, {1, 2, 2, 1, 45000, 0}));
    auto edit = testing::Edit(*division);
    edit.Goal(1) = {edit.Goal(1).Result, edit.Goal(1).Team, 1, 12, false, true};
    edit.Goal(3).Player = 2;
    edit.Goal(3).OwnGoal = true;
    EXPECT_EQ(Export(*division, ExportSection::Scorers),
              (Lines{"Player,TeamFor,HomeTeam,AwayTeam,Date,GoalTime,Penalty,OwnGoal",
                     "Smith. J,Team 01,Team 01,Team 02,15/03/2023,12,1,0",
                     "Gone,Team 02,Team 01,Team 02,15/03/2023,0,0,1"}));
    // Players who left are written too, so that their goals can be read back.
    EXPECT_EQ(Export(*division, ExportSection::Players),
              (Lines{"Player Name,Team", "\"Smith, J\",Team 01", "\"Gone\",Transferred-Out"}));
}

// The round trip below exports over the default range of a league with dates: from its first result to
// its latest fixture.
TEST(CsvExport, TheDefaultRangeOfALeagueWithoutDatesIsToday) {
    auto division = testing::MakeLeague(4, 1);
    double from = 0, to = 0;
    DefaultExportRange(*division, DateList::Build(*division, TableContent::PlayedGames), 46000, from, to);
    EXPECT_EQ(std::pair(from, to), std::pair(46000.0, 46000.0));
}

TEST(ExportChoice, EachChoiceIsSavedAsItsOwnFileType) {
    using enum ExportSection;
    using enum TableExportFormat;
    const std::tuple<ExportSection, TableExportFormat, const char*> cases[] = {
        {Calendar, Csv, "ics"}, {TeamSummary, Csv, "html"}, {Table, Html, "html"}, {Table, Svg, "svg"},
        {Table, Png, "png"},    {Table, Csv, "csv"},        {Results, Html, "csv"}};
    for (const auto& [section, format, suffix] : cases)
        EXPECT_EQ(ExportFileTypeOf(section, format).suffix, suffix) << static_cast<int>(section);
}

TEST(ClipboardExport, StopsShortOfTheLimitAndTakesLaterShorterLines) {
    ClipboardLineSink clipboard;
    const std::string line(99, 'x'); // 101 characters with its line end
    for (int i = 0; i < 2534; ++i)
        clipboard.WriteLine(line);
    EXPECT_EQ(std::pair(clipboard.text().size(), clipboard.truncated()),
              std::pair(std::size_t{2534 * 101}, false));
    // Each further line and the length after it: 101 more would pass the limit, 62 more still fit, 4 more
    // would reach it exactly, 3 more fit.
    const std::pair<std::string, std::size_t> steps[] = {
        {line, 255934}, {std::string(60, 'y'), 255996}, {"zz", 255996}, {"z", 255999}};
    for (const auto& [text, size] : steps) {
        clipboard.WriteLine(text);
        EXPECT_EQ(std::pair(clipboard.text().size(), clipboard.truncated()), std::pair(size, true)) << size;
    }
    EXPECT_EQ(clipboard.text().substr(255996 - 4, 4), "yy\r\n");
}

constexpr double kMatchDay = 46100; // 19 March 2026

TEST(CalendarExport, TextValuesEscapeTheirSeparatorsAndStampsAreUtc) {
    const std::pair<const char*, const char*> cases[] = {
        {"Arsenal v Chelsea", "Arsenal v Chelsea"},
        {"Brighton, Hove; Albion", "Brighton\\, Hove\\; Albion"},
        {"back\\slash", "back\\\\slash"},
        {"two\r\nlines", "two\\nlines"}};
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(CalendarText(text), escaped) << text;
    using namespace std::chrono;
    EXPECT_EQ(CalendarStamp(sys_days(2026y / March / 14) + 15h + 4min + 5s), "20260314T150405Z");
}

struct Calendar {
    Lines lines, unfolded;
    // The values of the unfolded lines that start with a name.
    Lines Values(const std::string& name) const {
        Lines values;
        for (const std::string& line : unfolded)
            if (line.rfind(name, 0) == 0)
                values.push_back(line.substr(name.size()));
        return values;
    }
};

Calendar ExportedCalendar(const Division& division, int team) {
    testing::LineList sink;
    ExportCalendar(division, {team, "20260314T150405Z"}, sink);
    Calendar out{sink.lines, {}};
    for (const std::string& line : sink.lines)
        if (!line.empty() && line[0] == ' ')
            out.unfolded.back() += line.substr(1);
        else
            out.unfolded.push_back(line);
    return out;
}

TEST(CalendarExport, DatedFixturesBecomeAllDayEventsFoldedWholeCharactersAndOneTeamKeepsTheirUids) {
    auto division = testing::MakeLeague(4, 2);
    // Long names with letters of two octets make the descriptions fold.
    ASSERT_TRUE(SetTableName(*division, "Første Division Ærøskøbing Øst"));
    ASSERT_TRUE(RenameTeam(*division, 1, "Ålesund Ærøskøbing Østerå IK"));
    for (int r = 1; r <= 6; ++r)
        testing::Edit(*division).Result(r).MatchDate = kMatchDay + r;
    testing::PlayFixture(*division, 1, 2, 1, kMatchDay + 1);
    testing::Edit(*division).Result(1).Attendance = 23456;

    const Calendar all = ExportedCalendar(*division, 0), one = ExportedCalendar(*division, 1);
    EXPECT_EQ(Lines(all.unfolded.begin(), all.unfolded.begin() + 5),
              (Lines{"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Vantorel//Vantorel League Calendar//EN",
                     "CALSCALE:GREGORIAN", "METHOD:PUBLISH"}));
    EXPECT_GT(one.lines.size(), one.unfolded.size());
    for (const Calendar* exported : {&all, &one})
        for (const std::string& line : exported->lines) {
            EXPECT_LE(line.size(), 75u) << line;
            // A fold never starts inside a character.
            EXPECT_NE(static_cast<unsigned char>(line[line[0] == ' ' ? 1 : 0]) & 0xC0, 0x80u) << line;
        }
    EXPECT_EQ(one.Values("X-WR-CALNAME:")[0],
              "Første Division Ærøskøbing Øst - Ålesund Ærøskøbing Østerå IK");
    const Lines summaries = all.Values("SUMMARY:");
    ASSERT_EQ(summaries.size(), 6u); // undated fixtures have no day
    EXPECT_EQ(summaries[0], "Ålesund Ærøskøbing Østerå IK 2-1 Team 02");
    EXPECT_EQ(summaries[1], "Ålesund Ærøskøbing Østerå IK v Team 03");
    EXPECT_EQ(all.Values("DTEND;VALUE=DATE:")[1], "20260322");
    EXPECT_EQ(all.Values("DESCRIPTION:")[0],
              "Første Division Ærøskøbing Øst\\, match 1\\, attendance 23456"); // commas escaped

    // One team's calendar gives each fixture the league calendar's UID. (web_exports.py reads the calendar
    // back with a real parser: its structure, each event's start day, unique UIDs that stay when a result
    // is entered.)
    const Lines uids = all.Values("UID:");
    const Lines teamThree = ExportedCalendar(*division, 3).Values("UID:");
    ASSERT_EQ(teamThree.size(), 2u); // 1 v 3 and 2 v 3 are the dated fixtures of team 3
    EXPECT_EQ(teamThree[0], uids[1]);
}

// The page's cells, its start and the absence of scripts are read back by a real parser in web_exports.py.
TEST(WebPages, TheTablePageCaptionsItsVariantEscapesNamesAndColoursItsZones) {
    auto division = testing::MakeLeague(6, 2);
    ASSERT_TRUE(RenameTeam(*division, 2, "Brighton & <Hove>"));
    testing::PlayFixture(*division, 1, 3, 1, 46000);
    testing::PlayFixture(*division, 7, 0, 2, 46001);
    auto edit = testing::Edit(*division);
    edit.Header().PromoteCount = 1;
    edit.Header().RelegateCount = 2;
    edit.Header().OwnTeam = 4;
    const Settings settings;
    for (const TableFormat format : {TableFormat{false, false}, TableFormat{true, true}}) {
        const LeagueTable table =
            FillTable(*division, {TableContent::PlayedGames, GameSelection::HomeAndAway, 46001, 10});
        const std::string html = TableWebPage(*division, table, format, settings, DateFormat::Default());
        EXPECT_NE(html.find("<caption>Test League &#8211; Played games, up to 10/12/2025</caption>"),
                  std::string::npos);
        EXPECT_NE(html.find("Brighton &amp; &lt;Hove&gt;"), std::string::npos);
        for (int position = 1; position <= 6; ++position) {
            const RowColours colours = TableRowColours(division->Header(), table, position, settings);
            if (colours.background != kWhite || colours.text != kBlack) {
                EXPECT_NE(html.find("background-color:" + CssColour(colours.background) +
                                    ";color:" + CssColour(colours.text)),
                          std::string::npos)
                    << position;
            }
        }
        EXPECT_EQ(html.find(">Home</th>") != std::string::npos, !format.shortFormat);
    }
}

TEST(WebPages, MarkupEscapesAndColoursAreWrittenForTheWeb) {
    EXPECT_EQ(MarkupEscaped("Q's & \"R\" <x>"), "Q&#39;s &amp; &quot;R&quot; &lt;x&gt;");
    EXPECT_EQ(CssColour(0x0000FF), "#ff0000"); // the program's red
    EXPECT_EQ(CssColour(0x804020), "#204080");
}

// web_exports.py parses the picture as XML, its text escaped.
TEST(WebPages, TheTablePictureIsAsHighAsTheTable) {
    auto division = testing::MakeLeague(24, 1);
    const LeagueTable table = FillTable(*division, {});
    const std::string svg = TableSvgPicture(MakeTablePrintout(*division, table, TableFormat{}, "14/03/2026"));
    EXPECT_NE(svg.find("width=\"1000\" height=\""), std::string::npos);
    // The last team's row lies inside the picture.
    const int height = std::stoi(svg.substr(svg.find("height=\"") + 8));
    EXPECT_LT(std::stoi(svg.substr(svg.find("y2=\"", svg.rfind("<line")) + 4)), height);
}

using U8 = std::uint8_t;
using U16 = std::uint16_t;

std::unique_ptr<Division> FreshLeague() {
    NewLeagueAnswers answers;
    answers.tableName = "North, South \"Combined\"";
    answers.teamNames = {"Queen's Park",  "Brighton, Hove", "Newell's Old Boys",
                         "The \"Blues\"", "'t Veld",        "Hull"};
    answers.playTimes = 4;
    auto division = std::make_unique<Division>();
    EXPECT_TRUE(BuildNewLeague(answers, *division));
    return division;
}

// The first results' dates and the latest fixture's: before 1900 and past the century of two-digit years,
// they come back only if the export writes four-digit years and its range reaches them.
const CalendarDate kEarlyDates[] = {{1888, 9, 8}, {1899, 12, 29}};
const CalendarDate kLatestFixture = {2049, 1, 2};

// A season as a fan types it: results with dates and attendances, dated open fixtures, players (one moved
// away after scoring), scorers with minutes, penalties and own goals, some goals left unassigned, and
// squads with substitutes and cards.
std::unique_ptr<Division> TypedSeason() {
    auto division = FreshLeague();
    Division& d = *division;
    const int teams = d.Header().TeamCount;
    for (int t = 1; t <= teams; ++t) // three players a team, one with a comma in his name
        for (int k = 1; k <= 3; ++k) {
            const std::string name =
                std::string(d.Teams[t].Name.stored()).substr(0, 6) + (k == 2 ? ", J" : " ");
            EXPECT_TRUE(AddPlayer(d, {ShortString<20>(name + std::to_string(k)), U8(t), 0}));
        }
    const int fixtures = d.Header().ResultCount;
    for (int r = 1; r <= fixtures - 12; ++r) {
        const ResultRecord& match = d.Results[r];
        std::vector<int> goals;
        const double date = r <= 2 ? *DayNumberOf(kEarlyDates[r - 1]) : 45500.0 + r / 3;
        EXPECT_TRUE(EnterResult(d, {match.HomeTeam, match.AwayTeam, r % 4, (r * 7) % 3, date, 1000 + 37 * r},
                                nullptr, &goals));
        for (std::size_t k = 0; k < goals.size(); ++k) {
            if ((r + k) % 5 == 4)
                continue; // left without a scorer
            const GoalRecord& goal = d.Goals[goals[k]];
            const bool ownGoal = (r + k) % 7 == 0;
            const int side =
                ownGoal ? (goal.Team == match.HomeTeam ? match.AwayTeam : match.HomeTeam) : goal.Team;
            EXPECT_TRUE(
                SetGoalDetails(d, goals[k],
                               {(side - 1) * 3 + 1 + static_cast<int>((r + k) % 3),
                                static_cast<int>((r * 13 + k * 29) % 94), ownGoal, (r + k) % 6 == 1}));
        }
        if (r % 3 == 0)
            continue;
        for (int side = 0; side < 2; ++side) {
            const int team = side == 0 ? match.HomeTeam : match.AwayTeam;
            SquadLines lines{};
            for (int line = 0; line < 3; ++line)
                lines[line == 2 ? 11 : line] = {U16((team - 1) * 3 + 1 + line), U8(line == 2 ? 70 : 0),
                                                U8(line == 2 ? 0 : 90),         line == 1,
                                                line == 1 && r % 2 == 0,        r % 4 == 1};
            EXPECT_TRUE(SaveSquad(d, r, side, lines));
        }
    }
    for (int r = fixtures - 11; r <= fixtures - 5; ++r)
        testing::Edit(d).Result(r).MatchDate = r < fixtures - 5 ? 45700.0 + r : *DayNumberOf(kLatestFixture);
    // A squad named before the match is played.
    SquadLines named{};
    named[0] = {U16((d.Results[fixtures - 6].AwayTeam - 1) * 3 + 3), 0, 90, false, false, false};
    EXPECT_TRUE(SaveSquad(d, fixtures - 6, 1, named));
    testing::Edit(d).Player(2).Team = static_cast<std::uint8_t>(teams + 1); // transferred after scoring
    return division;
}

auto Fields(const ResultRecord& r) {
    return std::tuple(r.MatchNo, r.Played, r.HomeTeam, r.AwayTeam, r.HomeGoals, r.AwayGoals, r.MatchDate,
                      r.Attendance, r.HomeSquad, r.AwaySquad);
}
auto Fields(const GoalRecord& g) {
    return std::tuple(g.Result, g.Team, g.Player, g.GoalTime, g.OwnGoal, g.Penalty);
}
auto Fields(const PlayerRecord& p) {
    return std::tuple(p.Name.stored(), p.Team, p.Goals);
}
auto Fields(const TeamRecord& t) {
    return std::tuple(t.Name.stored(), t.Played, t.Points);
}
auto Fields(const SquadRecord& s) {
    std::vector<std::tuple<int, int, int, bool, bool, bool>> lines;
    for (const SquadEntry& e : s.Entries)
        lines.emplace_back(e.Player, e.TimeOn, e.TimeOff, e.Yellow1, e.Yellow2, e.Red);
    return std::tuple(s.Result, s.Team, lines);
}

// The goals of each match and team, those with a scorer first in record order: the export does not tell
// where among them the goals without a scorer stood.
std::vector<std::tuple<int, int, int, int, bool, bool>> MatchGoals(const Division& division) {
    std::vector<std::tuple<int, int, int, int, bool, bool>> goals;
    for (int g = 1; g <= division.Header().GoalCount; ++g)
        goals.emplace_back(Fields(division.Goals[g]));
    std::stable_sort(goals.begin(), goals.end(), [](const auto& x, const auto& y) {
        return std::tuple(std::get<0>(x), std::get<1>(x), std::get<2>(x) == 0) <
               std::tuple(std::get<0>(y), std::get<1>(y), std::get<2>(y) == 0);
    });
    return goals;
}

template <typename Array>
void ExpectSameRecords(const Array& expected, const Array& actual, int count, const char* what) {
    for (int i = 1; i <= count; ++i)
        EXPECT_EQ(Fields(expected[i]), Fields(actual[i])) << what << " " << i;
}

// Exported under the short formats of American and German systems and under the default one.
TEST(RoundTrip, AllOfTheAboveRebuildsTheLeagueRecordByRecordUnderEachDateFormat) {
    const auto season = TypedSeason();
    const LeagueTable table = FillTable(*season, {});
    double from = 0, to = 0;
    DefaultExportRange(*season, DateList::Build(*season, TableContent::PlayedGames), 1, from, to);
    for (const char* pattern : {"dd/MM/yyyy", "M/d/yy", "dd.MM.yy"}) {
        SCOPED_TRACE(pattern);
        const DateFormat format = *DateFormat::FromPattern(pattern);
        const Lines exported = Export(*season, ExportSection::All, &table, {}, from, to, format);
        // The league name is a field like the team names, a comma in it quoted; the table follows. The
        // section titles and the squads' heading belong to the file's layout, written and read alike, so
        // they are pinned as text (the other headings are in the section tests above).
        EXPECT_EQ(Lines(exported.begin(), exported.begin() + 2),
                  (Lines{"\"North, South \"\"Combined\"\"\"", "Pos,Team,P,W,D,L,F,A,W,D,L,F,A,GD,Pts"}));
        for (const char* line :
             {"Match Results", "Match Fixtures", "Matches Grid", "Goal Scorers", "Players", "Squads",
              "Date,HomeTeam,AwayTeam,Team,Line,Player,TimeOn,TimeOff,Yellow1,Yellow2,Red"})
            EXPECT_NE(std::find(exported.begin(), exported.end(), line), exported.end()) << line;

        auto rebuilt = FreshLeague();
        const ImportCounters counters = ImportAll(*rebuilt, ImportChoice::All, exported, format);
        EXPECT_EQ(counters.read, static_cast<int>(exported.size()));
        EXPECT_EQ(counters.errors, 0);

        const DivisionHeader& a = season->Header();
        const DivisionHeader& b = rebuilt->Header();
        ASSERT_EQ(std::tuple(a.GoalCount, a.PlayerCount, a.SquadCount),
                  std::tuple(b.GoalCount, b.PlayerCount, b.SquadCount));
        ExpectSameRecords(season->Teams, rebuilt->Teams, a.TeamCount, "team");
        ExpectSameRecords(season->Results, rebuilt->Results, a.ResultCount, "result");
        EXPECT_EQ(MatchGoals(*season), MatchGoals(*rebuilt));
        ExpectSameRecords(season->Players, rebuilt->Players, a.PlayerCount, "player");
        ExpectSameRecords(season->Squads, rebuilt->Squads, a.SquadCount, "squad");

        // Results before 1900 are match dates too: the table steps back to before the first of them.
        DateList dates = DateList::Build(*rebuilt, TableContent::PlayedGames);
        while (dates.StepBack()) {
        }
        EXPECT_LT(dates.AsAtDate(), *DayNumberOf(kEarlyDates[0]));
    }
}

} // namespace
} // namespace vantorel
