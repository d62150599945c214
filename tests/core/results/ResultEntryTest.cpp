// Entering results: the operation that fills a fixture, and the session of the page that enters them.

#include "results/ResultEntry.h"
#include "results/EntrySession.h"
#include "results/SeasonDates.h"

#include <tuple>

#include <gtest/gtest.h>

#include "players/GoalRecords.h"
#include "results/Predictions.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

// The teams' running totals after each entry, change and cancellation are checked by the running-totals
// property test.
TEST(ResultEntry, FillsTheFirstOpenFixtureAndRecordsTheGoals) {
    auto division = MakeLeague(4, 4);
    int fixture = 0;
    std::vector<int> goals;
    ASSERT_TRUE(EnterResult(*division, {1, 2, 3, 1, 35501, 12000}, &fixture, &goals));
    EXPECT_EQ(fixture, 1);
    const ResultRecord& match = division->Results[1];
    EXPECT_EQ(std::tuple(match.Played, match.MatchDate, match.Attendance), std::tuple(true, 35501.0, 12000));
    EXPECT_EQ(goals, (std::vector<int>{1, 2, 3, 4}));
    std::vector<int> numbers; // the goal dialogs count each side's goals apart
    for (const NumberedGoal& numbered : NumberGoalsBySide(*division, goals))
        numbers.push_back(numbered.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 1}));
    EXPECT_EQ(std::tuple(division->Goals[3].Team, division->Goals[4].Team, division->Goals[4].Player),
              std::tuple(1, 2, 0));
    EXPECT_TRUE(division->DataChanged());

    // The same pairing at the same ground fills the second fixture, then there is none left.
    ASSERT_TRUE(EnterResult(*division, {1, 2, 0, 0, 35508, 0}, &fixture));
    EXPECT_EQ(fixture, 13);
    EXPECT_EQ(FindPlayedResult(*division, 1, 2), 13); // the later of the two meetings
    const Status third = EnterResult(*division, {1, 2, 0, 0, 35515, 0});
    EXPECT_EQ(third.message(), "Every match of Team 01 at home to Team 02 has already been played.");
}

TEST(ResultEntry, RefusesWhatCannotBeAResultAndChangesNothing) {
    auto division = MakeLeague(4, 2);
    testing::MarkSaved(*division);
    // The same team twice, no team, "Transferred-Out" (5), goals out of range, a negative crowd.
    const ResultEntry refused[] = {
        {1, 1, 1, 0, 0, 0},  {0, 2, 1, 0, 0, 0},   {1, 5, 1, 0, 0, 0},
        {1, 2, -1, 0, 0, 0}, {1, 2, 256, 0, 0, 0}, {1, 2, 1, 0, 0, -1},
    };
    for (const ResultEntry& entry : refused)
        EXPECT_FALSE(EnterResult(*division, entry)) << entry.homeTeam << " v " << entry.awayTeam;
    EXPECT_FALSE(division->DataChanged());
    EXPECT_EQ(division->Header().GoalCount, 0);
    EXPECT_TRUE(EnterResult(*division, {1, 2, kMaxGoalsInAMatch, 0, 0, 0})); // the largest score a file holds
}

TEST(ResultEntry, ResultsThatWouldOverflowTheGoalArrayAreRefused) {
    auto division = testing::MakeLargestLeague();
    ASSERT_TRUE(CancelResult(*division, 1)); // frees the goals of one result
    const int free = kMaxGoals - division->Header().GoalCount;
    const int home = division->Results[1].HomeTeam, away = division->Results[1].AwayTeam;
    EXPECT_FALSE(EnterResult(*division, {home, away, free, 1, 0, 0}));
    EXPECT_FALSE(division->Results[1].Played);
    EXPECT_TRUE(EnterResult(*division, {home, away, free, 0, 0, 0}));
    EXPECT_EQ(division->Header().GoalCount, kMaxGoals);
}

TEST(ResultEntry, CancellingAndRescoringKeepTheTotalsAndTheScorersRight) {
    auto division = MakeLeague(4, 2);
    ASSERT_TRUE(AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0}));
    ASSERT_TRUE(EnterResult(*division, {2, 3, 1, 1, 10, 0})); // fixture 5, goals 1 and 2
    ASSERT_TRUE(EnterResult(*division, {1, 2, 2, 0, 11, 0})); // fixture 1, goals 3 and 4
    testing::Edit(*division).Goal(3).Player = 1;              // Ann scores twice
    testing::Edit(*division).Goal(4).Player = 1;
    testing::Edit(*division).Player(1).Goals = 2;

    ASSERT_TRUE(RescoreResult(*division, 1, 2, 0, 2500)); // only the crowd changes: the scorers stay
    EXPECT_EQ(
        std::tuple(division->Goals[4].Player, division->Players[1].Goals, division->Results[1].Attendance),
        std::tuple(1, 2, 2500));
    EXPECT_FALSE(RescoreResult(*division, 1, 2, 0, -3));

    std::vector<int> goals;
    ASSERT_TRUE(RescoreResult(*division, 1, 0, 1, 500, &goals));
    EXPECT_EQ(std::tuple(division->Players[1].Goals, division->Results[1].Attendance), std::tuple(0, 500));
    EXPECT_EQ(goals, (std::vector<int>{3}));
    EXPECT_EQ(division->Header().GoalCount, 3);
    EXPECT_EQ(std::tuple(division->Goals[3].Team, division->Goals[3].Player), std::tuple(2, 0));
    EXPECT_EQ(division->Goals[1].Result, 5); // the other result's goals keep their order

    ASSERT_TRUE(CancelResult(*division, 5));
    EXPECT_FALSE(division->Results[5].Played);
    EXPECT_FALSE(CancelResult(*division, 5)); // an open fixture: nothing to take off
    EXPECT_FALSE(RescoreResult(*division, 5, 1, 0, 0));
    EXPECT_EQ(std::tuple(division->Header().GoalCount, division->Goals[1].Result), std::tuple(1, 1));
    EXPECT_FALSE(RescoreResult(*division, 1, 300, 0, 0));
}

TEST(EntrySession, AttendanceIsAWholeNumberOfNoLessThanNought) {
    EXPECT_EQ(ParseAttendance("0"), 0);
    EXPECT_EQ(ParseAttendance(" 23456 "), 23456);
    EXPECT_EQ(ParseAttendance("+12"), 12);
    for (const char* bad : {"12a", "", " ", "-5", "1.5", "a12", "99999999999", "+-3"})
        EXPECT_FALSE(ParseAttendance(bad)) << bad;
    EXPECT_EQ(AttendanceWarning("250"), "");
    EXPECT_EQ(AttendanceWarning("-250"), kAttendanceNotNumeric);
    EXPECT_EQ(AttendanceWarning("12a"), kAttendanceNotNumeric);
}

TEST(EntrySession, EnteredTeamsAreWithheldUntilTheDateChanges) {
    auto division = MakeLeague(4, 2);
    EntrySession session;
    session.Start(40000);
    testing::MarkSaved(*division);
    EXPECT_FALSE(session.Enter(*division, 1, 2, 1, 0, -1)); // refused: nothing changes, nobody is withheld
    EXPECT_FALSE(division->DataChanged());
    EXPECT_EQ(session.HomeTeams(*division), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(session.OpenOpponents(*division, 1), (std::vector<int>{2, 3, 4}));
    std::string recorded;
    ASSERT_TRUE(session.Enter(*division, 1, 2, 1, 1, 500, &recorded));
    EXPECT_EQ(recorded, "Team 01 v Team 02 Result recorded");
    EXPECT_EQ(division->Results[1].MatchDate, 40000);
    EXPECT_EQ(session.HomeTeams(*division), (std::vector<int>{3, 4}));
    EXPECT_EQ(session.OpenOpponents(*division, 3), (std::vector<int>{4}));
    EXPECT_EQ(session.OpenOpponents(*division, 1), (std::vector<int>{3, 4})); // 2 played and withheld
    session.ChangeDate(40007);
    EXPECT_EQ(session.HomeTeams(*division), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(session.OpenOpponents(*division, 2), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(session.OpenOpponents(*division, 1), (std::vector<int>{3, 4})); // the home match is played
}

TEST(EntrySession, ListsFollowTheNamesAndEmptyOutWhenAllIsPlayed) {
    auto division = MakeLeague(4, 1);
    testing::Edit(*division).Team(1).Name.assignStored("Zeta");
    EntrySession session;
    session.Start(40000);
    EXPECT_EQ(session.HomeTeams(*division), (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(EntrySession::StartStatus(*division), "");
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        PlayFixture(*division, r, 0, 0);
    EXPECT_EQ(EntrySession::StartStatus(*division), kAllMatchesPlayed);
    EXPECT_TRUE(session.HomeTeams(*division).empty());
}

TEST(EntrySession, TheHintShowsTheFirstPredictedOpenFixture) {
    auto division = MakeLeague(4, 4);
    EXPECT_FALSE(EntrySession::PredictionHint(*division, 1, 2));
    ASSERT_TRUE(SetPrediction(*division, 13, 2, 1, 0)); // the pair's second fixture at the same ground
    EXPECT_EQ(EntrySession::PredictionHint(*division, 1, 2), "Predicted result for this match: 2-1");
    EXPECT_FALSE(EntrySession::PredictionHint(*division, 2, 1));
}

TEST(EntrySession, APairingOffersItsFixturesDateUntilADateIsPicked) {
    auto division = testing::MakeLeague(4, 2);
    const int dated = division->FindFixture(1, 2), undated = division->FindFixture(3, 4);
    testing::Edit(*division).Result(dated).MatchDate = 46010;
    EntrySession session;
    session.Start(46000);
    // Each step: the pairing picked, whether the date moves, the date it is entered on.
    const std::tuple<int, int, bool, double> steps[] = {
        {1, 2, true, 46010}, {1, 2, false, 46010}, {3, 4, true, 46000}, {1, 2, true, 46010}};
    for (const auto& [home, away, moves, date] : steps) {
        EXPECT_EQ(session.OfferFixtureDate(*division, home, away), moves) << home;
        EXPECT_EQ(session.EntryDate, date) << home;
    }
    ASSERT_TRUE(session.Enter(*division, 1, 2, 1, 0, 0));
    EXPECT_EQ(division->Results[dated].MatchDate, 46010);
    session.ChangeDate(46020);
    testing::Edit(*division).Result(undated).MatchDate = 46030;
    EXPECT_FALSE(session.OfferFixtureDate(*division, 3, 4));
    EXPECT_EQ(session.EntryDate, 46020);
}

// Results played on 1 August and 1 December 2023 (day numbers 45139 and 45261).
TEST(SeasonDates, AQuestionOnlyBeyondSixtyDaysOutsideTheOtherResults) {
    auto division = MakeLeague(4, 2);
    const DateFormat format = DateFormat::Default();
    EXPECT_FALSE(FarFromSeasonQuestion(*division, 10, format))
        << "no dated result yet: nothing to compare with";
    PlayFixture(*division, 1, 1, 0, 45139);
    PlayFixture(*division, 2, 2, 2, 45261.75);
    // Each date and whether it asks.
    const std::pair<double, bool> cases[] = {{45139 - 60, false}, {45139 - 61, true}, {45261 + 60.9, false},
                                             {45261 + 61, true},  {45200, false},     {45139 - 365, true}};
    for (const auto& [date, asked] : cases)
        EXPECT_EQ(FarFromSeasonQuestion(*division, date, format).has_value(), asked) << date;
    EXPECT_EQ(*FarFromSeasonQuestion(*division, 45139 - 61, format),
              "The date 01/06/2023 is more than 60 days away from the league's other results (01/08/2023 to "
              "01/12/2023). Store the result on this date?");
    // Re-dating the only December result compares with August alone.
    EXPECT_TRUE(FarFromSeasonQuestion(*division, 45261, format, 2));
}

TEST(SeasonDates, TheUsersAnswerDecidesAFarDate) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 1, 0, 45139);
    testing::ScriptedPrompts prompts;
    EXPECT_TRUE(MayStoreOnDate(*division, 45150, DateFormat::Default(), prompts));
    EXPECT_TRUE(prompts.shown.empty());
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(MayStoreOnDate(*division, 45500, DateFormat::Default(), prompts));
    EXPECT_TRUE(MayStoreOnDate(*division, 45500, DateFormat::Default(), prompts));
    EXPECT_EQ(prompts.shown.size(), 2u);
}

} // namespace
} // namespace vantorel
