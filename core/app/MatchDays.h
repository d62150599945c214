#pragma once

#include <string_view>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// One match of a match day: team indices of the league, 1-based.
struct Pairing {
    int home = 0;
    int away = 0;
    friend bool operator==(const Pairing&, const Pairing&) = default;
};
using MatchDay = std::vector<Pairing>;

// The match days of a season in which teamCount teams (2..24) meet each other `meetings` times (1 or more),
// laid by the circle method: every team plays at most once a day, and with an odd count one team rests each
// day. Each single round robin gives every team but two one break (two home or two away games running; none
// at all with an odd count), the fewest there can be. Each further round robin repeats the first with home
// and away exchanged, so that every pair meets equally often at each ground when meetings is even.
std::vector<MatchDay> RoundRobinDays(int teamCount, int meetings);

// When the match days fall: the first date, then every `everyDays` days, passing over the skipped dates.
struct MatchDayPlan {
    double firstDate = 0;
    int everyDays = 7;
    std::vector<double> skipDates;
};

// Dates typed one after another in the short date format, separated by commas or semicolons (blanks
// around them allowed); refused, naming the first text that is not a date.
Status ParseDateList(std::string_view text, const DateFormat& format, std::vector<double>& dates);

// Refused for a plan without a first date or with an interval outside 1..365 days.
Status CheckMatchDayPlan(const MatchDayPlan& plan);

// The dates of the first `count` match days of a plan: day numbers without a time of day.
std::vector<double> MatchDayDates(const MatchDayPlan& plan, int count);

// Dates the open fixtures of the league by match days, leaving played results as they are. The fixtures
// are taken in the order of the whole season's match days (RoundRobinDays for as many meetings as the
// league's most met pair), each fixture where that season holds its pairing with the same home side, else
// where it holds it the other way round, else at the end (a fixture list not made by the new-league
// builder). Each match day then takes, in that order, every fixture whose teams are both still free that
// day. An untouched season is laid exactly as RoundRobinDays lays it; in a season with matches played the
// days those matches thinned close up, so the rest of the season is not drawn out, and every team still
// plays at most once a day. Home sides stay as stored. Refused, changing nothing, when the plan is refused,
// when every fixture is played, or when the dates would run past the last date a league can hold.
Status ScheduleOpenFixtures(Division& division, const MatchDayPlan& plan);

} // namespace vantorel
