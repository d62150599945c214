#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "app/LeagueFromResults.h"
#include "app/NewLeague.h"
#include "exchange/ImportRun.h"
#include "exchange/TeamAliases.h"
#include "exchange/TeamNames.h"
#include "results/ResultEntry.h"
#include "standings/DateList.h"
#include "store/TextCodec.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ResultsFiles.h"
#include "support/SampleSeason.h"

namespace vantorel {
namespace {

using testing::ResultsFileStyle;

ResultsFileStyle Style(const char* name, const char* datePattern, bool shortNames, const char* lineEnd,
                       std::vector<std::string> columns) {
    return {name, std::move(columns), datePattern, shortNames, lineEnd};
}
// Results files as fans download them: several layouts, with and without Time and Attendance, two- and
// four-digit years, the short names of such files.
const ResultsFileStyle kStyles[] = {
    Style("OlderSeasonTwoDigitYears", "dd/MM/yy", true, "\r\n",
          {"Div", "Date", "HomeTeam", "AwayTeam", "FTHG", "FTAG", "FTR", "HTHG", "HTAG", "HTR", "Referee",
           "HS", "AS", "B365H", "B365D", "B365A"}),
    Style("NewerSeasonWithTimeAndAttendance", "dd/MM/yyyy", true, "\n",
          {"Div", "Date", "Time", "HomeTeam", "AwayTeam", "FTHG", "FTAG", "FTR", "Attendance", "Referee",
           "BWH", "BWD", "BWA", "MaxH", "AvgH"}),
    Style(
        "SecondCountryLayout", "dd/MM/yyyy", true, "\r\n",
        {"Country", "League", "Season", "Date", "Time", "Home", "Away", "HG", "AG", "Res", "PH", "PD", "PA"}),
    Style("PlainNamesIsoDates", "yyyy-MM-dd", false, "\n",
          {"date", "home", "away", "homegoals", "awaygoals", "attendance"}),
    Style("DashesFourDigitYears", "dd-MM-yyyy", true, "\r",
          {"Date", "HomeTeam", "AwayTeam", "FTHG", "FTAG"})};

class ResultsFileImport : public ::testing::TestWithParam<ResultsFileStyle> {};

std::unique_ptr<Division> NewLeague(const char* name, std::vector<std::string> teams) {
    NewLeagueAnswers answers;
    answers.tableName = name;
    answers.teamNames = std::move(teams);
    auto division = std::make_unique<Division>();
    EXPECT_TRUE(BuildNewLeague(answers, *division));
    return division;
}

TEST_P(ResultsFileImport, ImportsWholeIntoTheLeagueAndGivesThePublishedTable) {
    auto division = NewLeague("Premier League", testing::SampleSeasonLines("teams.txt"));
    testing::Edit(*division).Header().SortRules.assignStored("123");
    MemoryLineSource source(ImportTextLines(testing::SampleSeasonResultsFile(GetParam())));
    ImportOptions options;
    // The window's short format on an American system; the file's own layout is found all the same.
    options.dateFormat = *DateFormat::FromPattern("M/d/yy");
    ImportCounters counters = ImportAll(*division, ImportChoice::Results, source, options);
    if (GetParam().shortNames) {
        // "West Brom" is not the leading words of "West Bromwich Albion": nothing goes in until it is mapped.
        EXPECT_NE(counters.refusal.find("\"West Brom\" (closest: \"West Bromwich Albion\")"),
                  std::string::npos)
            << counters.refusal;
        EXPECT_EQ(counters.imported, 0);
        options.aliases["West Brom"] = "West Bromwich Albion";
        counters = ImportAll(*division, ImportChoice::Results, source, options);
    }
    EXPECT_EQ(std::tuple(counters.refusal, counters.imported, counters.errors), std::tuple("", 380, 0));
    EXPECT_EQ(testing::PublishedTableLines(*division), testing::SampleSeasonLines("table.csv"));
    EXPECT_EQ(
        DateFormat::Default().Format(DateList::Build(*division, TableContent::PlayedGames).dates().front()),
        "13/08/2005");
}

TEST_P(ResultsFileImport, MakesANewLeagueWithEveryResult) {
    MemoryLineSource source(ImportTextLines(testing::SampleSeasonResultsFile(GetParam())));
    NewLeagueAnswers answers;
    answers.tableName = "From a file";
    auto division = testing::MakeLeague(4, 1);
    ASSERT_TRUE(BuildLeagueFromResults(answers, source, {}, *division));
    EXPECT_EQ(std::tuple(division->Header().TeamCount, division->Header().ResultCount),
              std::tuple(20, 380)); // twice
    testing::Edit(*division).Header().SortRules.assignStored("123");
    EXPECT_EQ(testing::PublishedTableLines(*division), testing::SampleSeasonLines("table.csv"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ResultsFileImport, ::testing::ValuesIn(kStyles),
                         [](const auto& info) { return std::string(info.param.name); });

// Dates that could be read two ways, or that fit the chosen format only with day and month swapped, are
// refused whole: nothing is stored.
TEST(ResultsFileDates, RefusesWhatCouldSwapDayAndMonth) {
    const std::string named = "Date,HomeTeam,AwayTeam,FTHG,FTAG\n";
    struct Case {
        const char* name;
        std::string text;
        const char* format;  // given, or nullptr to find the layout
        const char* refusal; // part of the message, or "" when it imports
        int imported;
    } cases[] = {
        {"ambiguous", named + "04/05/2006,Team 01,Team 02,1,0\n03/02/2006,Team 03,Team 04,2,2\n", nullptr,
         "can be read two ways, as dd/MM/yyyy or as MM/dd/yyyy", 0},
        {"ambiguous but given", named + "04/05/2006,Team 01,Team 02,1,0\n03/02/2006,Team 03,Team 04,2,2\n",
         "MM/dd/yyyy", "", 2},
        {"a day above twelve settles it",
         named + "04/05/06,Team 01,Team 02,1,0\n13/02/06,Team 03,Team 04,2,2\n", nullptr, "", 2},
        {"given the other way round", "02/13/2006,Team 01,Team 02,1,0\n03/02/2006,Team 03,Team 04,2,2\n",
         "dd/MM/yyyy", "written MM/dd/yyyy, with day and month the other way round", 0},
        {"both orders in one file", "13/02/2006,Team 01,Team 02,1,0\n02/14/2006,Team 03,Team 04,2,2\n",
         "dd/MM/yyyy", "written in two orders", 0},
        {"another separator", "13.02.2006,Team 01,Team 02,1,0\n", "dd/MM/yyyy", "written dd.MM.yyyy, not", 0},
        {"heading and a bad date are only bad lines",
         "Date,Home-Team,Away-Team,For,Against,Attendance\n13/02/2006,Team 01,Team 02,1,0\n32/02/2006,Team "
         "03,Team 04,2,2\n",
         "dd/MM/yyyy", "", 1},
        {"ambiguous beside a date to come",
         named + "TBC,Team 01,Team 02,1,0\n04/05/2006,Team 01,Team 02,1,0\n03/02/2006,Team 03,Team 04,2,2\n",
         nullptr, "can be read two ways", 0},
        {"no layout at all", named + "13/13/2006,Team 01,Team 02,1,0\n", nullptr, "in no layout", 0},
        {"the time of day after the date",
         named + "13/02/2006 19:45,Team 01,Team 02,1,0\n04/03/2006 3:00:00 PM,Team 03,Team 04,2,2\n", nullptr,
         "", 2},
        {"an ISO date and time",
         named +
             "2006-02-13T19:45:00Z,Team 01,Team 02,1,0\n2006-03-04 15:00:00.000+01:00,Team 03,Team 04,2,2\n",
         nullptr, "", 2},
    };
    for (const Case& c : cases) {
        auto division = testing::MakeLeague(4, 2);
        MemoryLineSource source(ImportTextLines(c.text));
        ImportOptions options;
        options.formatGiven = c.format != nullptr;
        options.dateFormat = c.format ? *DateFormat::FromPattern(c.format) : DateFormat::Default();
        const ImportCounters counters = ImportAll(*division, ImportChoice::Results, source, options);
        EXPECT_NE(counters.refusal.find(c.refusal), std::string::npos) << c.name << ": " << counters.refusal;
        EXPECT_EQ(std::tuple(counters.refusal.empty(), counters.imported),
                  std::tuple(!*c.refusal, c.imported))
            << c.name;
    }
}

// An attendance is read with commas between its thousands, as the results lists show it; nothing else that
// is not a whole number is read.
TEST(ResultsFileImport, ReadsAnAttendanceWithThousandsSeparators) {
    const std::pair<const char*, int> cases[] = {
        {"20000", 20000},   {"\"20,000\"", 20000}, {"\"1,234,567\"", 1234567}, {"\"2,00\"", -1},
        {"\"20.000\"", -1}, {"\",200\"", -1},      {"\"20,000,\"", -1}};
    for (const auto& [cell, attendance] : cases) {
        auto division = testing::MakeLeague(4, 2);
        const ImportCounters counters = ImportAll(*division, ImportChoice::Results,
                                                  {"Date,HomeTeam,AwayTeam,FTHG,FTAG,Attendance",
                                                   std::string("13/02/2006,Team 01,Team 02,1,0,") + cell},
                                                  DateFormat::Default());
        const int played = FindPlayedResult(*division, 1, 2);
        EXPECT_EQ(std::tuple(counters.imported, played ? division->Results[played].Attendance : -1),
                  std::tuple(attendance < 0 ? 0 : 1, attendance))
            << cell;
    }
}

TEST(ResultsFileImport, ReadsUtf16WithEitherByteOrderMark) {
    const std::string text = "Date,Home,Away,HG,AG\r\n13/08/2005,Team 01,Team 02,2,1\r\n";
    for (const bool littleEndian : {true, false}) {
        std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
        for (const char c : text)
            bytes += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
        std::istringstream in(bytes);
        StreamLineSource source(in);
        auto division = testing::MakeLeague(4, 2);
        const ImportCounters counters = ImportAll(*division, ImportChoice::Results, source, {});
        EXPECT_EQ(std::tuple(source.utf16(), counters.imported), std::tuple(true, 1)) << counters.refusal;
    }
}

// UTF-16 code units (little-endian after the mark) as lines of UTF-8: a pair of surrogates is one
// character, a lone surrogate the replacement character without losing what follows, a lone CR a line
// end, and half a unit at the end nothing.
TEST(ResultsFileImport, Utf16SurrogatesAndLineEndsBecomeUtf8Lines) {
    const std::pair<std::u16string, std::vector<std::string>> cases[] = {
        {u"A\xD869\xDED6!", {"A\xF0\xAA\x9B\x96!"}},
        {u"\xD834x\ry", {"\xEF\xBF\xBDx", "y"}},
        {u"\xDC00z\r\n\xD834", {"\xEF\xBF\xBDz", "\xEF\xBF\xBD"}},
        {u"w\r", {"w"}},
    };
    for (const auto& [units, expected] : cases) {
        std::string bytes = "\xFF\xFE";
        for (const char16_t unit : units)
            bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        std::istringstream in(bytes + "Q"); // half a unit at the end
        StreamLineSource source(in);
        std::vector<std::string> lines;
        for (std::string line; source.NextLine(line);)
            lines.push_back(line);
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(source.Progress(), 1.0);
    }
}

TEST(ResultsFileImport, AWholeLeagueImportOfAFileWithoutTitlesSaysSo) {
    auto division = testing::MakeLeague(4, 2);
    const ImportCounters counters =
        ImportAll(*division, ImportChoice::All, {"13/08/2005,Team 01,Team 02,2,1"}, DateFormat::Default());
    EXPECT_EQ(std::tuple(counters.refusal, counters.imported), std::tuple(kNoSectionTitles, 0));
}

TEST(LeagueFromResults, RefusesWhatNoLeagueCouldHold) {
    // The extra meetings of T1 at home to T2 are a day apart, or all on extraDate when given.
    auto lines = [](int teams, int extraMeetings, const char* extraDate = nullptr) {
        std::vector<std::string> text = {"Date,Home,Away,HomeGoals,AwayGoals"};
        for (int h = 1; h <= teams; ++h)
            for (int a = 1; a <= teams; ++a)
                if (h != a)
                    text.push_back("13/09/2005,T" + std::to_string(h) + ",T" + std::to_string(a) + ",1,0");
        for (int i = 0; i < extraMeetings; ++i)
            text.push_back((extraDate ? extraDate : std::to_string(14 + i) + "/09/2005") + ",T1,T2,0,0");
        return text;
    };
    struct Case {
        std::vector<std::string> lines;
        std::optional<int> meet;
        const char* refusal;
    } cases[] = {
        {lines(3, 0), std::nullopt, "The file has 3 teams"},
        {lines(25, 0), std::nullopt, "more than 24 teams"},
        {lines(4, 2), std::nullopt, "\"T1\" play \"T2\" at home 3 times"},
        {lines(4, 1), 2, "at home 2 times; in a league whose teams meet twice that is at most 1"},
        {lines(4, 1, "13/09/2005"), std::nullopt,
         "Line 14 (\"13/09/2005,T1,T2,0,0\") is the match of \"T1\" at home to \"T2\" on 13/09/2005 again"},
        {lines(4, 1, "13/9/2005"), std::nullopt, "on 13/9/2005 again"}, // the same day written another way
        {{"99/99/2005,A,B,1,0", "31/31/2005,C,D,1,0", "0/0/2005,A,C,1,0"}, std::nullopt, "in no layout"},
        {{"01/09/2005,A,B,1,0", "01/09/2005,C,D,1"},
         std::nullopt,
         "Line 2 (\"01/09/2005,C,D,1\") is not a result"},
    };
    for (const Case& c : cases) {
        MemoryLineSource source(c.lines);
        SeasonReading reading;
        reading.playTimes = c.meet;
        NewLeagueAnswers answers;
        answers.tableName = "Refused";
        auto division = testing::MakeLeague(4, 1);
        const Status status = BuildLeagueFromResults(answers, source, reading, *division);
        EXPECT_NE(status.message().find(c.refusal), std::string::npos) << status.message();
        EXPECT_EQ(std::tuple(division->Header().TeamCount, division->Header().ResultCount), std::tuple(4, 6));
    }
    // Four meetings are inferred when pairs meet twice at the same ground.
    MemoryLineSource four(lines(4, 1));
    ResultsSeason season;
    ASSERT_TRUE(SurveySeason(four, {}, season));
    EXPECT_EQ(season.playTimes, 4);
}

// A file that lists the matches still to play, their scores empty, makes the league of its whole season:
// their fixtures stay open, with the file's dates once the results have taken theirs.
TEST(LeagueFromResults, LeavesTheMatchesStillToPlayOpenOnTheirDates) {
    MemoryLineSource source({"Date,Home,Away,HomeGoals,AwayGoals", "01/11/2005,T1,T2,,",
                             "13/09/2005,T1,T2,1,0", "13/09/2005,T3,T4,0,0", "20/09/2005,T2,T3,,", ",T4,T1,,",
                             "TBC,T4,T1,,"});
    NewLeagueAnswers answers;
    answers.tableName = "Half a season";
    auto division = testing::MakeLeague(4, 1);
    ASSERT_TRUE(BuildLeagueFromResults(answers, source, {}, *division));
    int played = 0;
    std::map<std::pair<int, int>, std::vector<double>> openDates;
    for (int r = 1; r <= division->Header().ResultCount; ++r) {
        const ResultRecord& match = division->Results[r];
        played += match.Played ? 1 : 0;
        if (!match.Played)
            openDates[{match.HomeTeam, match.AwayTeam}].push_back(match.MatchDate);
    }
    // T1 at home to T2 twice: the teams meet four times.
    EXPECT_EQ(std::tuple(division->Header().TeamCount, division->Header().ResultCount, played),
              std::tuple(4, 24, 2));
    const DateFormat dates = DateFormat::Default();
    EXPECT_EQ(division->Results[FindPlayedResult(*division, 1, 2)].MatchDate, *dates.Parse("13/09/2005"));
    using Dates = std::vector<double>;
    EXPECT_EQ(
        std::tuple(openDates[std::pair(1, 2)], openDates[std::pair(2, 3)], openDates[std::pair(4, 1)]),
        std::tuple(Dates{*dates.Parse("01/11/2005")}, Dates{*dates.Parse("20/09/2005"), 0}, Dates{0, 0}));
}

std::unique_ptr<Division> League() {
    return NewLeague("Names",
                     {"Manchester United", "Manchester City", "Wolverhampton Wanderers",
                      "Brighton and Hove Albion", "AFC Bournemouth", "Nottingham Forest", "West Ham United",
                      "West Bromwich Albion", "Sheffield United", "Sheffield Wednesday", "Tottenham Hotspur",
                      "Queens Park Rangers", "Atlético Madrid", "Škoda Žilina"});
}

std::string Matched(const Division& division, const TeamNameMatches& matches, const std::string& name) {
    const auto found = matches.teams.find(name);
    return found == matches.teams.end() ? "" : Windows1252ToUtf8(division.Teams[found->second].Name.stored());
}

// Each rule with a near miss that must not match (no team: "").
TEST(TeamNames, SafeRulesMatchAndNearMissesDoNot) {
    const auto division = League();
    const std::pair<const char*, const char*> cases[] = {
        {"Manchester United", "Manchester United"}, // exact
        {"MANCHESTER united", "Manchester United"}, // case
        {"ATLÉTICO MADRID", "Atlético Madrid"},     // case of letters with accents
        {"ŠKODA ŽILINA", "Škoda Žilina"},
        {"Atletico Madrid", ""},             // an accent is not left out
        {"Man United", "Manchester United"}, // Man
        {"Man Utd", "Manchester United"},    // Man and Utd
        {"Man City", "Manchester City"},
        {"Manchester", ""}, // two teams start so
        {"Man", ""},
        {"Brighton & Hove Albion", "Brighton and Hove Albion"}, // &
        {"Brighton & Hove", "Brighton and Hove Albion"},
        {"Bournemouth", "AFC Bournemouth"},              // AFC
        {"Nottingham Forest FC", "Nottingham Forest"},   // FC
        {"Nott'm Forest", ""},                           // a shortened word is not a rule
        {"Queens Park Rangers.", "Queens Park Rangers"}, // punctuation
        {"A.F.C. Bournemouth", "AFC Bournemouth"},
        {"Q.P.R.", ""},
        {"Tottenham", "Tottenham Hotspur"}, // a leading word only one team has
        {"West Ham", "West Ham United"},
        {"West", ""}, // a leading word two teams have
        {"Sheffield Weds", ""},
        {"Sheffield", ""},
        {"Wolves", ""},
        {"Hotspur", ""}, // not a leading word
    };
    for (const auto& [name, team] : cases) {
        const TeamNameMatches matches = MatchTeamNames(*division, {name}, {});
        EXPECT_EQ(std::tuple(Matched(*division, matches, name), matches.unmatched.size()),
                  std::tuple(team, *team ? 0u : 1u))
            << name;
    }
}

TEST(TeamNames, NeverGivesOneTeamToTwoNamesByARule) {
    const auto division = League();
    // Two names a rule would give the same team: neither gets it, each is listed once.
    TeamNameMatches matches = MatchTeamNames(*division, {"Man United", "Manchester Utd", "Man United"}, {});
    EXPECT_EQ(matches.unmatched, (std::vector<std::string>{"Man United", "Manchester Utd"}));
    // The exact name keeps its team; the rule's name is left for the user.
    matches = MatchTeamNames(*division, {"Tottenham", "Tottenham Hotspur"}, {});
    EXPECT_EQ(Matched(*division, matches, "Tottenham Hotspur"), "Tottenham Hotspur");
    EXPECT_EQ(matches.unmatched, std::vector<std::string>{"Tottenham"});
}

TEST(TeamNames, AliasesMapWhatNoRuleMayAndTheClosestTeamIsOffered) {
    const auto division = League();
    // The team an alias names is typed by hand: its case does not count either.
    const TeamAliases aliases = {
        {"Wolves", "Wolverhampton Wanderers"}, {"West Brom", "No Such Team"}, {"Spurs", "TOTTENHAM hotspur"}};
    const TeamNameMatches matches =
        MatchTeamNames(*division, {"wolves", "West Brom", "Nott'm Forest", "Spurs"}, aliases);
    EXPECT_EQ(Matched(*division, matches, "wolves"), "Wolverhampton Wanderers");
    EXPECT_EQ(Matched(*division, matches, "Spurs"), "Tottenham Hotspur");
    EXPECT_EQ(matches.unmatched, (std::vector<std::string>{"West Brom", "Nott'm Forest"}));
    const std::string message = UnmatchedNamesMessage(*division, matches.unmatched);
    for (const char* named : {"\"West Brom\" (closest: \"West Bromwich Albion\")",
                              "\"Nott'm Forest\" (closest: \"Nottingham Forest\")"})
        EXPECT_NE(message.find(named), std::string::npos) << message;
}

TEST(TeamAliases, AreRememberedPerLeagueInTheSettings) {
    IniFile settings("[Options]\nFormGames=10\n");
    RememberAliases(settings, "premier.div", {{"Wolves", "Wolverhampton Wanderers"}, {"a=b", "kept out"}});
    RememberAliases(settings, "other.div", {{"Wolves", "Wolverhampton"}});
    EXPECT_EQ(RememberedAliases(IniFile(settings.text()), "premier.div"),
              (TeamAliases{{"Wolves", "Wolverhampton Wanderers"}}));
    EXPECT_EQ(settings.value("Options", "FormGames"), "10");
    std::string bad;
    EXPECT_EQ(ParseAliasLines("# mine\n Spurs = Tottenham Hotspur \n\n", bad),
              (TeamAliases{{"Spurs", "Tottenham Hotspur"}}));
    EXPECT_FALSE(ParseAliasLines("Spurs\n", bad));
    EXPECT_EQ(bad, "Spurs");
}

} // namespace
} // namespace vantorel
