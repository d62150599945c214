// A new league's fixture list and header, its match days, and the settings edited afterwards.

#include "app/NewLeague.h"

#include <algorithm>
#include <map>
#include <ranges>
#include <set>
#include <utility>

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "app/MatchDays.h"
#include "store/Dates.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

Pairs Fixtures(const Division& division) {
    Pairs pairs;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        EXPECT_EQ(division.Results[r].MatchNo, r);
        pairs.emplace_back(division.Results[r].HomeTeam, division.Results[r].AwayTeam);
    }
    return pairs;
}

TEST(NewLeague, FixturesMeetOnceEarlierTeamAtHomeOrRepeatAHomeAndAwayBlock) {
    EXPECT_EQ(Fixtures(*testing::MakeLeague(4, 1)), (Pairs{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
    const Pairs pairs = Fixtures(*testing::MakeLeague(4, 4));
    ASSERT_EQ(pairs.size(), 24u);
    EXPECT_EQ(Pairs(pairs.begin(), pairs.begin() + 4), (Pairs{{1, 2}, {1, 3}, {1, 4}, {2, 1}}));
    EXPECT_EQ(Pairs(pairs.begin(), pairs.begin() + 12), Pairs(pairs.begin() + 12, pairs.end()));
}

TEST(NewLeague, StoresTeamsAlphabeticallyWithoutRegardToCaseAndTheHeaderAsAnswered) {
    // 2 points a win, meeting once, own team 3, 1 up and 2 down, 7 a side and no substitutes.
    const NewLeagueAnswers answers("A table name that is longer than thirty characters",
                                   std::vector<std::string>{"Rovers", "albion", "City", "Dynamo"}, 2, 1, 3, 1,
                                   2, 7, 0, std::nullopt);
    Division division;
    ASSERT_TRUE(BuildNewLeague(answers, division));
    const DivisionHeader& h = division.Header();
    EXPECT_EQ(h.TableName.stored(), "A table name that is longer th");
    std::vector<std::string> names;
    for (int t = 1; t <= 5; ++t)
        names.emplace_back(division.Teams[t].Name.stored());
    EXPECT_EQ(names, (std::vector<std::string>{"albion", "City", "Dynamo", "Rovers", "Transferred-Out"}));
    EXPECT_EQ(
        (std::vector<int>{h.WinPoints, h.OwnTeam, h.PromoteCount, h.RelegateCount, h.TeamSize, h.SubsCount}),
        (std::vector<int>{2, 3, 1, 2, 7, 0}));
    EXPECT_FALSE(h.TrackGoals);
}

// Answers out of range are refused whoever gives them (the command line passes its options on as they are).
TEST(NewLeague, RefusesEachAnswerOutOfRange) {
    using Change = void (*)(NewLeagueAnswers&);
    const std::pair<Change, const char*> cases[] = {
        {[](NewLeagueAnswers& a) { a.teamNames.pop_back(); }, "A league has 4 to 24 teams; 3 were given."},
        {[](NewLeagueAnswers& a) { a.winPoints = 4; }, "A win is worth 2 or 3 points."},
        {[](NewLeagueAnswers& a) { a.playTimes = 3; }, "Teams play each other once, twice or four times."},
        {[](NewLeagueAnswers& a) { a.ownTeam = 5; }, "The own team must be one of the league's teams."},
        {[](NewLeagueAnswers& a) { a.promoteCount = 5; }, "Up to 4 teams go up and up to 4 go down."},
        {[](NewLeagueAnswers& a) { a.relegateCount = -1; }, "Up to 4 teams go up and up to 4 go down."},
        {[](NewLeagueAnswers& a) { a.teamSize = 4; }, "A team has 5 to 11 players."},
        {[](NewLeagueAnswers& a) { a.teamSize = 12; }, "A team has 5 to 11 players."},
        {[](NewLeagueAnswers& a) { a.subsCount = 6; }, "A team has 0 to 5 substitutes."}};
    for (const auto& [change, message] : cases) {
        NewLeagueAnswers answers;
        answers.tableName = "L";
        answers.teamNames = {"A", "B", "C", "D"};
        answers.ownTeam = 4;
        answers.promoteCount = answers.relegateCount = 4;
        answers.teamSize = 5;
        answers.subsCount = 5;
        Division division;
        ASSERT_TRUE(BuildNewLeague(answers, division)); // each limit itself is allowed
        change(answers);
        EXPECT_EQ(BuildNewLeague(answers, division).message(), message);
    }
}

TEST(NewLeague, TheWizardsChecksAndTheirMessages) {
    EXPECT_TRUE(CheckTeamNames({"Leeds", "leeds", "Hull", "York"}, 4));
    EXPECT_EQ(CheckTeamNames({"Leeds", "Hull", "Leeds", "York"}, 4).message(),
              "Duplicate team names entered, please correct");
    // Two names that would be the same once cut to 30 characters: refused, naming the long one.
    const std::string thirty = "Wolverhampton Wanderers Footba";
    EXPECT_TRUE(CheckTeamNames({thirty, "Hull", "York", "Zürich Grasshopper Club Zürich"}, 4));
    EXPECT_EQ(CheckTeamNames({thirty, "Hull", "York", thirty + "l"}, 4).message(),
              "The team name \"" + thirty + "l\" is longer than 30 characters; please shorten it");

    NewLeagueAnswers answers{.tableName = "League", .teamNames = {"A", "B", "C"}, .matchDays = {}};
    auto division = testing::MakeLeague(6, 1);
    EXPECT_FALSE(BuildNewLeague(answers, *division));
    answers.teamNames = {"A", "B", "C", "Łódź"};
    EXPECT_NE(BuildNewLeague(answers, *division).message().find("Łódź"), std::string::npos);
    EXPECT_EQ(division->Header().TeamCount, 6); // a refused league leaves the Division alone
}

TEST(LeagueSettings, EachEditMarksTheLeagueChangedOnlyWhenSomethingChanges) {
    Division division;
    ASSERT_TRUE(BuildNewLeague(
        {.tableName = "League", .teamNames = {"Arsenal", "Everton", "Fulham", "Wigan"}, .matchDays = {}},
        division));
    EXPECT_TRUE(SetOwnTeam(division, 2));
    EXPECT_TRUE(division.DataChanged());
    EXPECT_FALSE(SetOwnTeam(division, 2)); // the same line again: no change, no sound
    EXPECT_FALSE(SetOwnTeam(division, 1));
    EXPECT_FALSE(SetOwnTeam(division, 0));

    testing::MarkSaved(division);
    ASSERT_TRUE(SetTableName(division, ""));
    ASSERT_TRUE(SetTableName(division, "League"));
    ASSERT_TRUE(SetZoneCount(division, CountedZone::Relegation, 0));
    EXPECT_FALSE(SetZoneCount(division, CountedZone::Promotion, 10));
    SetWinPoints(division, 3);
    ASSERT_TRUE(RenameTeam(division, 1, ""));
    EXPECT_FALSE(division.DataChanged());

    ASSERT_TRUE(RenameTeam(division, 1, "Wigan")); // another team's name is accepted
    // A zone holds at most the league's four teams.
    EXPECT_EQ(SetZoneCount(division, CountedZone::Playoff, 9).message(),
              "A zone of this league holds 0 to 4 teams, not 9.");
    ASSERT_TRUE(SetZoneCount(division, CountedZone::Playoff, 4));
    EXPECT_EQ(division.Teams[1].Name.stored(), "Wigan");
    EXPECT_EQ(division.Header().PlayoffCount, 4);
    EXPECT_TRUE(division.DataChanged());
    EXPECT_FALSE(SetTableName(division, "Ligue 1 – ①"));
    EXPECT_EQ(division.Header().TableName.stored(), "League");
}

constexpr double kFirstDay = 46000; // 9 December 2025

std::vector<ResultRecord> ResultsOf(const Division& division) {
    std::vector<ResultRecord> results;
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        results.push_back(division.Results[r]);
    return results;
}

// Two home or two away games running for any team, its rest days passed over, the fixtures taken by date.
int CountBreaks(const Division& division) {
    std::vector<ResultRecord> byDate = ResultsOf(division);
    std::ranges::stable_sort(byDate, {}, &ResultRecord::MatchDate);
    std::map<int, char> lastGround;
    int breaks = 0;
    for (const ResultRecord& match : byDate)
        for (const auto& [team, ground] : {std::pair<int, char>{match.HomeTeam, 'H'}, {match.AwayTeam, 'A'}})
            breaks += std::exchange(lastGround[team], ground) == ground ? 1 : 0;
    return breaks;
}

// Every team plays at most once on each date, and every open fixture has a date.
void ExpectOneMatchADay(const Division& division) {
    std::set<std::pair<double, int>> seen;
    for (const ResultRecord& fixture : ResultsOf(division)) {
        if (fixture.Played)
            continue;
        EXPECT_GT(fixture.MatchDate, 0) << "match " << fixture.MatchNo;
        EXPECT_TRUE(seen.insert({fixture.MatchDate, fixture.HomeTeam}).second) << "match " << fixture.MatchNo;
        EXPECT_TRUE(seen.insert({fixture.MatchDate, fixture.AwayTeam}).second) << "match " << fixture.MatchNo;
    }
}

// The fewest breaks of round robins repeated with home and away swapped: n - 2 in and between each of an
// even count n; none within one of an odd count, but n where two meet.
int FewestBreaks(int teams, int meetings) {
    return teams % 2 == 0 ? (2 * meetings - 1) * (teams - 2) : (meetings - 1) * teams;
}

TEST(MatchDays, NewLeaguesOfEverySizeKeepEveryRule) {
    for (int teams = 4; teams <= 24; ++teams)
        for (int meetings : {1, 2, 4}) {
            SCOPED_TRACE(std::to_string(teams) + " teams meeting " + std::to_string(meetings) + " times");
            Division division;
            ASSERT_TRUE(BuildNewLeague({.tableName = "Scheduled",
                                        .teamNames = testing::NumberedTeamNames(teams),
                                        .playTimes = meetings,
                                        .matchDays = MatchDayPlan{kFirstDay, 7, {}}},
                                       division));
            const std::vector<ResultRecord> results = ResultsOf(division);
            ASSERT_EQ(static_cast<int>(results.size()), teams * (teams - 1) / 2 * meetings);
            ExpectOneMatchADay(division);
            EXPECT_TRUE(std::ranges::is_sorted(results, {}, &ResultRecord::MatchDate));
            std::map<std::pair<int, int>, int> atGround;
            std::set<double> dates;
            for (const ResultRecord& match : results) {
                ++atGround[{match.HomeTeam, match.AwayTeam}];
                dates.insert(match.MatchDate);
            }
            for (int home = 1; home <= teams; ++home)
                for (int away = home + 1; away <= teams; ++away) {
                    const int here = atGround[{home, away}], there = atGround[{away, home}];
                    EXPECT_EQ(here + there, meetings) << home << " v " << away;
                    EXPECT_TRUE(meetings == 1 || here == there) << home << " v " << away; // as often at each
                }
            const int days = meetings * (teams % 2 == 0 ? teams - 1 : teams);
            EXPECT_EQ(static_cast<int>(dates.size()), days);
            EXPECT_EQ(*dates.rbegin(), kFirstDay + 7 * (days - 1));
            EXPECT_EQ(CountBreaks(division), FewestBreaks(teams, meetings));
        }
}

TEST(MatchDays, SkippedDatesMoveTheMatchDayOn) {
    const MatchDayPlan plan{kFirstDay + 0.75, 3, {kFirstDay + 3, kFirstDay + 9, kFirstDay + 100}};
    EXPECT_EQ(MatchDayDates(plan, 4),
              (std::vector<double>{kFirstDay, kFirstDay + 6, kFirstDay + 12, kFirstDay + 15}));
    EXPECT_FALSE(CheckMatchDayPlan({0, 7, {}}));
    EXPECT_FALSE(CheckMatchDayPlan({kFirstDay, 0, {}}));
    EXPECT_FALSE(CheckMatchDayPlan({kFirstDay, 366, {}}));
}

// The fixtures dated on a day.
std::vector<int> FixturesOn(const Division& division, double day) {
    std::vector<int> fixtures;
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (division.Results[r].MatchDate == day)
            fixtures.push_back(r);
    return fixtures;
}

TEST(MatchDays, AnExistingLeagueGetsItsOpenFixturesDatedAndPlayedResultsKeepTheirDates) {
    auto division = testing::MakeLeague(6, 2);
    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}));
    // A fixture list from the wizard follows the match days exactly.
    EXPECT_EQ(CountBreaks(*division), FewestBreaks(6, 2));
    ExpectOneMatchADay(*division);

    // Two results of the first day and one of the last are played on their own dates.
    const int played[] = {FixturesOn(*division, kFirstDay)[0], FixturesOn(*division, kFirstDay)[1],
                          FixturesOn(*division, kFirstDay + 63)[0]};
    for (std::size_t i = 0; i < 3; ++i)
        testing::PlayFixture(*division, played[i], 1, 0, kFirstDay - 20 + static_cast<double>(i));
    testing::MarkSaved(*division);

    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay + 14, 7, {}}));
    EXPECT_TRUE(division->DataChanged());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(division->Results[played[i]].MatchDate, kFirstDay - 20 + static_cast<double>(i));
    ExpectOneMatchADay(*division);
    // The days close up: no day is empty, and after the first each match has a team playing the day before.
    std::map<double, std::set<int>> openDays;
    for (const ResultRecord& fixture : ResultsOf(*division))
        if (!fixture.Played)
            openDays[fixture.MatchDate].insert({fixture.HomeTeam, fixture.AwayTeam});
    EXPECT_EQ(openDays.begin()->first, kFirstDay + 14);
    EXPECT_EQ(openDays.rbegin()->first, kFirstDay + 14 + 7 * (static_cast<int>(openDays.size()) - 1));
    for (const ResultRecord& fixture : ResultsOf(*division)) {
        if (fixture.Played || fixture.MatchDate == kFirstDay + 14)
            continue;
        const std::set<int>& dayBefore = openDays[fixture.MatchDate - 7];
        EXPECT_TRUE(dayBefore.count(fixture.HomeTeam) || dayBefore.count(fixture.AwayTeam))
            << "match " << fixture.MatchNo;
    }
}

TEST(MatchDays, APartPlayedSeasonClosesUpItsDays) {
    // Every third fixture of the wizard's list played, out of match-day order as real seasons go.
    auto division = testing::MakeLeague(20, 2);
    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}));
    std::map<int, int> remaining;
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (r % 3 == 0)
            testing::PlayFixture(*division, r, 1, 1, kFirstDay - 1);
        else
            ++remaining[division->Results[r].HomeTeam], ++remaining[division->Results[r].AwayTeam];
    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}));
    ExpectOneMatchADay(*division);
    std::set<double> openDates;
    for (const ResultRecord& fixture : ResultsOf(*division))
        if (!fixture.Played)
            openDates.insert(fixture.MatchDate);
    const int most = std::ranges::max(remaining | std::views::values);
    // Far fewer than the season's 38 days; a day or two above the busiest team's count at most.
    EXPECT_LE(static_cast<int>(openDates.size()), most + 2) << most;
}

TEST(MatchDays, FixturesOfALeagueMeetingOnceKeepTheirHomeSide) {
    auto division = testing::MakeLeague(7, 1);
    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}));
    ExpectOneMatchADay(*division);
    EXPECT_TRUE(std::ranges::equal(ResultsOf(*division), ResultsOf(*testing::MakeLeague(7, 1)), {},
                                   &ResultRecord::HomeTeam, &ResultRecord::HomeTeam));
}

TEST(MatchDays, RefusedWhenEverythingIsPlayedOrThePlanIsBad) {
    auto division = testing::MakeLeague(4, 1);
    testing::MarkSaved(*division);
    EXPECT_FALSE(ScheduleOpenFixtures(*division, {kFirstDay, 0, {}}));
    // Three match days from 20 December 9999 would reach the year 10000.
    EXPECT_EQ(ScheduleOpenFixtures(*division, {*DayNumberOf({9999, 12, 20}), 7, {}}).message(),
              "The match days would run past the last date a league can hold.");
    EXPECT_FALSE(division->DataChanged());
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        testing::PlayFixture(*division, r, 0, 0, kFirstDay);
    testing::MarkSaved(*division);
    EXPECT_EQ(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}).message(), "All games have been played");
    EXPECT_FALSE(division->DataChanged());
}

} // namespace
} // namespace vantorel
