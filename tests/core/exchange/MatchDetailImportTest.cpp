#include "exchange/MatchDetailImport.h"

#include <gtest/gtest.h>

#include "exchange/CsvHeadings.h"
#include "exchange/CsvImport.h"
#include "exchange/ImportRun.h"
#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

ImportCounters Import(Division& division, ImportChoice choice, const Lines& lines) {
    return ImportAll(division, choice, lines, DateFormat::Default());
}

// Team 01 beat Team 02 2-1 on 01/08/2025; Team 03 v Team 04 is unplayed and undated.
std::unique_ptr<Division> OnePlayedMatch() {
    auto division = testing::MakeLeague(4, 2);
    EXPECT_TRUE(EnterResult(*division, {1, 2, 2, 1, *DateFormat::Default().Parse("01/08/2025"), 0}));
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
    const ImportCounters players =
        Import(*division, ImportChoice::Players,
               {"\"Smith, J\",Team 01", "Ann,Team 01", "Cy,Team 01", "Di,Team 03"});
    ASSERT_EQ(players.imported, 4);

    const ImportCounters counters = Import(*division, ImportChoice::Scorers, scorers);
    EXPECT_EQ(counters.imported, 3);
    EXPECT_EQ(counters.errors, 6);
    const GoalRecord& first = division->Goals[1];
    EXPECT_EQ(std::tuple(first.Player, first.GoalTime, first.Penalty, first.OwnGoal),
              std::tuple(1, 12, true, false));
    EXPECT_EQ(division->Goals[2].Player, 2);
    EXPECT_EQ(std::tuple(division->Goals[3].Player, division->Goals[3].OwnGoal), std::tuple(3, true));
    // An own goal does not count in the scorer's total.
    EXPECT_EQ(std::tuple(division->Players[1].Goals, division->Players[2].Goals, division->Players[3].Goals),
              std::tuple(1, 1, 0));
}

TEST(ImportSquads, FillEmptyLinesOfTheNamedMatchOnly) {
    auto division = OnePlayedMatch();
    ASSERT_EQ(
        Import(*division, ImportChoice::Players, {"Ann,Team 01", "Bo,Team 01", "Cy,Team 03", "Di,Team 01"})
            .imported,
        4);
    const ImportCounters counters =
        Import(*division, ImportChoice::Squads,
               {kSquadsHeading, "01/08/2025,Team 01,Team 02,Team 01,1,Ann,0,90,1,1,1",
                "01/08/2025,Team 01,Team 02,Team 01,12,Bo,60,0,0,0,0",
                "01/08/2025,Team 01,Team 02,Team 01,1,Bo,0,90,0,0,0",    // the line is taken
                "01/08/2025,Team 01,Team 02,Team 01,2,Ann,0,90,0,0,0",   // already in the squad
                "01/08/2025,Team 01,Team 02,Team 01,17,Di,0,90,0,0,0",   // no such line
                "01/08/2025,Team 01,Team 02,Team 01,15,Di,0,90,0,0,0",   // past the 11 + 3 of the squad
                "01/08/2025,Team 01,Team 02,Team 01,3,Cy,0,90,0,0,0",    // a Team 03 player
                "01/08/2025,Team 01,Team 02,Team 01,4,Di,250,255,0,0,0", // no such minutes
                "01/08/2025,Team 01,Team 02,Team 03,2,Cy,0,90,0,0,0",    // not a side of the match
                ",Team 03,Team 04,Team 03,1,Cy,0,90,0,0,0"});            // an undated fixture
    EXPECT_EQ(counters.imported, 3);
    EXPECT_EQ(counters.errors, 8);
    ASSERT_EQ(division->Header().SquadCount, 2);
    const SquadRecord& home = division->Squads[division->Results[1].HomeSquad];
    EXPECT_EQ(home.Team, 1);
    EXPECT_EQ(std::tuple(home.Entries[0].Player, home.Entries[0].Yellow2, home.Entries[0].Red),
              std::tuple(1, true, true));
    EXPECT_EQ(std::tuple(home.Entries[11].Player, home.Entries[11].TimeOn), std::tuple(2, 60));
    EXPECT_EQ(division->Squads[2].Result, division->FindFixture(3, 4));
}

TEST(ImportFixtures, ADateGoesToTheFirstUndatedFixtureOfThePairingOnce) {
    auto division = testing::MakeLeague(4, 4); // Team 01 at home to Team 02: fixtures 1 and 13
    const DateFormat dates = DateFormat::Default();
    const auto import = [&](const char* line) {
        return ProcessImport(*division, ImportKind::Fixtures, line, dates);
    };
    EXPECT_TRUE(import("05/09/2025,Team 01,Team 02"));
    EXPECT_FALSE(import("05/09/2025,Team 01,Team 02")); // already there
    EXPECT_TRUE(import("06/09/2025,Team 01,Team 02"));
    EXPECT_FALSE(import("07/09/2025,Team 01,Team 02")); // no undated fixture left
    EXPECT_EQ(std::pair(division->Results[1].MatchDate, division->Results[13].MatchDate),
              std::pair(*dates.Parse("05/09/2025"), *dates.Parse("06/09/2025")));
}

TEST(ImportWholeFile, SkipsTheTableAndGridAndReadsScorersAfterPlayers) {
    auto division = testing::MakeLeague(4, 1);
    const Lines file = {"Test League",
                        "Pos,Team,P",
                        "1,Team 01,0",
                        "Goal Scorers",
                        "Player,TeamFor,HomeTeam,AwayTeam,Date,GoalTime,Penalty,OwnGoal",
                        "Ann,Team 01,Team 01,Team 02,01/08/2025,12,0,0",
                        "Matches Grid",
                        "Team,T.0,T.0",
                        "Team 01,,1-0",
                        "Match Results",
                        "Date,Home-Team,Away-Team,For,Against,Attendance",
                        "01/08/2025,Team 01,Team 02,1,0,500",
                        "Players",
                        "Player Name,Team",
                        "\"Ann\",Team 01"};
    const ImportCounters counters = Import(*division, ImportChoice::All, file);
    EXPECT_EQ(std::tuple(counters.read, counters.imported, counters.errors), std::tuple(15, 3, 0));
    EXPECT_EQ(division->Players[1].Goals, 1);
}

} // namespace
} // namespace vantorel
