#include "app/MatchDays.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/NewLeague.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

constexpr double kFirstDay = 46000; // 9 December 2025

// Two home or two away games running for any team, its rest days passed over, the fixtures taken by date.
int CountBreaks(const Division& division) {
    std::multimap<double, int> byDate;
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        byDate.emplace(division.Results[r].MatchDate, r);
    std::map<int, char> lastGround;
    int breaks = 0;
    for (const auto& [date, r] : byDate)
        for (const auto& [team, ground] : {std::pair<int, char>{division.Results[r].HomeTeam, 'H'},
                                           std::pair<int, char>{division.Results[r].AwayTeam, 'A'}}) {
            breaks += lastGround.count(team) && lastGround[team] == ground ? 1 : 0;
            lastGround[team] = ground;
        }
    return breaks;
}

// Every team plays at most once on each date, and every open fixture has a date.
void ExpectOneMatchADay(const Division& division) {
    std::set<std::pair<double, int>> seen;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& fixture = division.Results[r];
        if (fixture.Played)
            continue;
        EXPECT_GT(fixture.MatchDate, 0) << "match " << r;
        EXPECT_TRUE(seen.insert({fixture.MatchDate, fixture.HomeTeam}).second) << "match " << r;
        EXPECT_TRUE(seen.insert({fixture.MatchDate, fixture.AwayTeam}).second) << "match " << r;
    }
}

// The fewest breaks a season of single round robins can have, the later ones repeating the first with home
// and away exchanged: n - 2 in each round robin of an even count (only two teams can alternate throughout)
// plus n - 2 where one round robin meets the next (each team with a break in the first ends where the next
// one starts it); none within a round robin of an odd count, but every team breaks at each meeting of two.
int FewestBreaks(int teams, int meetings) {
    return teams % 2 == 0 ? (2 * meetings - 1) * (teams - 2) : (meetings - 1) * teams;
}

TEST(MatchDays, NewLeaguesOfEverySizeKeepEveryRule) {
    for (int teams = 4; teams <= 24; ++teams)
        for (int meetings : {1, 2, 4}) {
            SCOPED_TRACE(std::to_string(teams) + " teams meeting " + std::to_string(meetings) + " times");
            NewLeagueAnswers answers;
            answers.tableName = "Scheduled";
            answers.teamNames = testing::NumberedTeamNames(teams);
            answers.playTimes = meetings;
            answers.matchDays = MatchDayPlan{kFirstDay, 7, {}};
            Division division;
            ASSERT_TRUE(BuildNewLeague(answers, division));
            ASSERT_EQ(division.Header().ResultCount, teams * (teams - 1) / 2 * meetings);
            ExpectOneMatchADay(division);

            std::map<std::pair<int, int>, int> atGround;
            std::set<double> dates;
            for (int r = 1; r <= division.Header().ResultCount; ++r) {
                ++atGround[{division.Results[r].HomeTeam, division.Results[r].AwayTeam}];
                dates.insert(division.Results[r].MatchDate);
                if (r > 1) {
                    EXPECT_GE(division.Results[r].MatchDate, division.Results[r - 1].MatchDate);
                }
            }
            for (int home = 1; home <= teams; ++home)
                for (int away = 1; away <= teams; ++away)
                    if (home != away) {
                        const int here = atGround[{home, away}], there = atGround[{away, home}];
                        EXPECT_EQ(here + there, meetings) << home << " v " << away;
                        if (meetings > 1) {
                            EXPECT_EQ(here, meetings / 2) << home << " v " << away;
                        }
                    }
            const int daysPerRoundRobin = teams % 2 == 0 ? teams - 1 : teams;
            EXPECT_EQ(static_cast<int>(dates.size()), meetings * daysPerRoundRobin);
            EXPECT_EQ(*dates.rbegin(), kFirstDay + 7 * (meetings * daysPerRoundRobin - 1));
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

TEST(MatchDays, AnExistingLeagueGetsItsOpenFixturesDatedAndPlayedResultsKeepTheirDates) {
    auto division = testing::MakeLeague(6, 2);
    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}));
    // A fixture list from the wizard follows the match days exactly.
    EXPECT_EQ(CountBreaks(*division), FewestBreaks(6, 2));
    ExpectOneMatchADay(*division);

    // Two results of the first day and one of the last are played on their own dates.
    std::vector<int> played;
    for (int r = 1; r <= division->Header().ResultCount && played.size() < 2; ++r)
        if (division->Results[r].MatchDate == kFirstDay)
            played.push_back(r);
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (division->Results[r].MatchDate == kFirstDay + 63)
            played.push_back(r);
    for (std::size_t i = 0; i < 3; ++i)
        testing::PlayFixture(*division, played[i], 1, 0, kFirstDay - 20 + static_cast<double>(i));
    testing::MarkSaved(*division);

    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay + 14, 7, {}}));
    EXPECT_TRUE(division->DataChanged());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(division->Results[played[i]].MatchDate, kFirstDay - 20 + static_cast<double>(i));
    ExpectOneMatchADay(*division);
    // The days close up: no day is left without a match, and a match on any but the first day has one of
    // its teams playing the day before (it could not be any earlier without turning that team's order).
    std::map<double, std::set<int>> openDays;
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (!division->Results[r].Played)
            for (const int team : {division->Results[r].HomeTeam, division->Results[r].AwayTeam})
                openDays[division->Results[r].MatchDate].insert(team);
    EXPECT_EQ(openDays.begin()->first, kFirstDay + 14);
    EXPECT_EQ(openDays.rbegin()->first, kFirstDay + 14 + 7 * (static_cast<int>(openDays.size()) - 1));
    for (int r = 1; r <= division->Header().ResultCount; ++r) {
        const ResultRecord& fixture = division->Results[r];
        if (fixture.Played || fixture.MatchDate == kFirstDay + 14)
            continue;
        const std::set<int>& dayBefore = openDays[fixture.MatchDate - 7];
        EXPECT_TRUE(dayBefore.count(fixture.HomeTeam) || dayBefore.count(fixture.AwayTeam)) << "match " << r;
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
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        if (!division->Results[r].Played)
            openDates.insert(division->Results[r].MatchDate);
    int most = 0;
    for (const auto& [team, count] : remaining)
        most = std::max(most, count);
    // Far fewer than the season's 38 days; a day or two above the busiest team's count at most.
    EXPECT_LE(static_cast<int>(openDates.size()), most + 2) << most;
}

TEST(MatchDays, FixturesOfALeagueMeetingOnceKeepTheirHomeSide) {
    auto division = testing::MakeLeague(7, 1);
    ASSERT_TRUE(ScheduleOpenFixtures(*division, {kFirstDay, 7, {}}));
    ExpectOneMatchADay(*division);
    auto fresh = testing::MakeLeague(7, 1);
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        EXPECT_EQ(division->Results[r].HomeTeam, fresh->Results[r].HomeTeam);
}

TEST(MatchDays, RefusedWhenEverythingIsPlayedOrThePlanIsBad) {
    auto division = testing::MakeLeague(4, 1);
    EXPECT_FALSE(ScheduleOpenFixtures(*division, {kFirstDay, 0, {}}));
    for (int r = 1; r <= division->Header().ResultCount; ++r)
        testing::PlayFixture(*division, r, 0, 0, kFirstDay);
    testing::MarkSaved(*division);
    const Status status = ScheduleOpenFixtures(*division, {kFirstDay, 7, {}});
    EXPECT_EQ(status.message(), "All games have been played");
    EXPECT_FALSE(division->DataChanged());
}

} // namespace
} // namespace vantorel
