#include "app/MatchDays.h"

#include <algorithm>
#include <cmath>

#include "store/DivisionCheck.h"
#include "store/DivisionWriter.h"
#include "store/TextLines.h"

namespace vantorel {
namespace {

// One single round robin of an even number of places (0-based) by the circle method: the last place stays
// put while the others turn. Its own match alternates home and away, and the k-th pair around the circle
// puts its leading place at home when k is odd; together this leaves breaks only where the turning carries
// a place past the fixed one, once for every place but two.
std::vector<MatchDay> CircleDays(int places) {
    const int turning = places - 1;
    std::vector<MatchDay> days;
    for (int round = 0; round < turning; ++round) {
        MatchDay day;
        const int fixed = places - 1;
        day.push_back(round % 2 == 0 ? Pairing{fixed, round} : Pairing{round, fixed});
        for (int k = 1; k < places / 2; ++k) {
            const int leading = (round + k) % turning;
            const int trailing = (round - k + turning) % turning;
            day.push_back(k % 2 == 1 ? Pairing{leading, trailing} : Pairing{trailing, leading});
        }
        days.push_back(std::move(day));
    }
    return days;
}

Pairing Reversed(const Pairing& pairing) {
    return {pairing.away, pairing.home};
}

// The league's most met pair: how many round robins its season holds.
int MeetingsOf(const Division& division) {
    std::vector<int> meetings(kTeamSlots * kTeamSlots, 0);
    int most = 0;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const int home = division.Results[r].HomeTeam, away = division.Results[r].AwayTeam;
        const int pair = std::min(home, away) * kTeamSlots + std::max(home, away);
        most = std::max(most, ++meetings[static_cast<std::size_t>(pair)]);
    }
    return most;
}

// The open fixtures of each home and away pairing, in record order, taken one after the other: one array
// sorted by pairing (a counting sort), with where each pairing's fixtures start and how many are taken.
class OpenFixtures {
public:
    explicit OpenFixtures(const Division& division) : start_(kPairings + 1, 0), taken_(kPairings, 0) {
        for (int r = 1; r <= division.Header().ResultCount; ++r)
            if (!division.Results[r].Played)
                ++start_[Index(division.Results[r]) + 1];
        for (std::size_t i = 1; i <= kPairings; ++i)
            start_[i] += start_[i - 1];
        fixtures_.resize(start_[kPairings]);
        std::vector<int> filled(start_.begin(), start_.end() - 1);
        for (int r = 1; r <= division.Header().ResultCount; ++r)
            if (!division.Results[r].Played)
                fixtures_[static_cast<std::size_t>(filled[Index(division.Results[r])]++)] = r;
    }
    int count() const { return static_cast<int>(fixtures_.size()); }
    // The pairing's next open fixture, 0 when none is left.
    int Take(const Pairing& pairing) {
        const std::size_t i = Index(pairing.home, pairing.away);
        const int at = start_[i] + taken_[i];
        if (at >= start_[i + 1])
            return 0;
        ++taken_[i];
        return fixtures_[static_cast<std::size_t>(at)];
    }
    // Every fixture not taken, pairing by pairing.
    void AppendLeft(std::vector<int>& order) const {
        for (std::size_t i = 0; i < kPairings; ++i)
            order.insert(order.end(), fixtures_.begin() + start_[i] + taken_[i],
                         fixtures_.begin() + start_[i + 1]);
    }

private:
    static constexpr std::size_t kPairings = kTeamSlots * kTeamSlots;
    static std::size_t Index(int home, int away) {
        return static_cast<std::size_t>(home * kTeamSlots + away);
    }
    static std::size_t Index(const ResultRecord& fixture) {
        return Index(fixture.HomeTeam, fixture.AwayTeam);
    }

    std::vector<int> start_, taken_, fixtures_;
};

// The open fixtures in the order of the whole season's match days: each where the season holds its pairing
// with the same home side, else the other way round, and those that fit neither last. Same home side first
// over the whole season, so that a reversed pairing never takes the day of a fixture that is still to come
// the right way round.
std::vector<int> SeasonOrder(const Division& division, OpenFixtures& open) {
    const std::vector<MatchDay> season = RoundRobinDays(division.Header().TeamCount, MeetingsOf(division));
    std::vector<std::vector<int>> days(season.size());
    std::vector<std::vector<bool>> filled(season.size());
    for (std::size_t d = 0; d < season.size(); ++d) {
        filled[d].assign(season[d].size(), false);
        for (std::size_t s = 0; s < season[d].size(); ++s)
            if (const int fixture = open.Take(season[d][s])) {
                days[d].push_back(fixture);
                filled[d][s] = true;
            }
    }
    for (std::size_t d = 0; d < season.size(); ++d)
        for (std::size_t s = 0; s < season[d].size(); ++s)
            if (!filled[d][s])
                if (const int fixture = open.Take(Reversed(season[d][s])))
                    days[d].push_back(fixture);
    std::vector<int> order;
    for (const std::vector<int>& day : days)
        order.insert(order.end(), day.begin(), day.end());
    open.AppendLeft(order);
    return order;
}

// Day by day, every fixture in the order whose teams are both still free that day. An untouched season comes
// back exactly as its match days lie; in one with matches played the days they thinned close up.
std::vector<std::vector<int>> LayByDays(const Division& division, const std::vector<int>& order) {
    struct Open {
        int fixture, home, away;
    };
    std::vector<Open> left;
    for (const int fixture : order)
        left.push_back({fixture, division.Results[fixture].HomeTeam, division.Results[fixture].AwayTeam});
    std::vector<std::vector<int>> days;
    while (!left.empty()) {
        std::vector<bool> busy(kTeamSlots + 1, false);
        std::vector<int>& day = days.emplace_back();
        std::vector<Open> later;
        for (const Open& open : left) {
            if (busy[open.home] || busy[open.away]) {
                later.push_back(open);
                continue;
            }
            busy[open.home] = busy[open.away] = true;
            day.push_back(open.fixture);
        }
        left = std::move(later);
    }
    return days;
}

} // namespace

std::vector<MatchDay> RoundRobinDays(int teamCount, int meetings) {
    // An odd count gets a place without a team: whoever meets it rests that day.
    const int places = teamCount + teamCount % 2;
    const std::vector<MatchDay> circle = CircleDays(places);
    std::vector<MatchDay> season;
    for (int leg = 0; leg < meetings; ++leg)
        for (const MatchDay& round : circle) {
            MatchDay day;
            for (const Pairing& place : round) {
                if (place.home >= teamCount || place.away >= teamCount)
                    continue;
                const Pairing teams{place.home + 1, place.away + 1};
                day.push_back(leg % 2 == 0 ? teams : Reversed(teams));
            }
            season.push_back(std::move(day));
        }
    return season;
}

Status ParseDateList(std::string_view text, const DateFormat& format, std::vector<double>& dates) {
    std::vector<double> parsed;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(",;");
        const std::string_view item = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (item.empty())
            continue;
        const auto date = format.Parse(item);
        if (!date)
            return Status::Error(InvalidDateMessage(item, format));
        parsed.push_back(*date);
    }
    dates = std::move(parsed);
    return Status::Ok();
}

Status CheckMatchDayPlan(const MatchDayPlan& plan) {
    if (plan.firstDate <= 0 || !IsStorableDate(plan.firstDate))
        return Status::Error("The first match day needs a date.");
    if (plan.everyDays < 1 || plan.everyDays > 365)
        return Status::Error("Match days come every 1 to 365 days.");
    return Status::Ok();
}

std::vector<double> MatchDayDates(const MatchDayPlan& plan, int count) {
    std::vector<double> skipped;
    for (double date : plan.skipDates)
        skipped.push_back(std::floor(date));
    std::vector<double> dates;
    double date = std::floor(plan.firstDate);
    while (static_cast<int>(dates.size()) < count) {
        if (std::find(skipped.begin(), skipped.end(), date) == skipped.end())
            dates.push_back(date);
        date += plan.everyDays;
    }
    return dates;
}

Status ScheduleOpenFixtures(Division& division, const MatchDayPlan& plan) {
    if (auto status = CheckMatchDayPlan(plan); !status)
        return status;
    OpenFixtures open(division);
    if (open.count() == 0)
        return Status::Error("All games have been played");

    const std::vector<std::vector<int>> days = LayByDays(division, SeasonOrder(division, open));
    const std::vector<double> dates = MatchDayDates(plan, static_cast<int>(days.size()));
    if (!IsStorableDate(dates.back()))
        return Status::Error("The match days would run past the last date a league can hold.");
    DivisionWriter writer(division);
    for (std::size_t d = 0; d < days.size(); ++d)
        for (int fixture : days[d])
            writer.Result(fixture).MatchDate = dates[d];
    return Status::Ok();
}

} // namespace vantorel
