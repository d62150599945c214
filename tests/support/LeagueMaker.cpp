#include "support/LeagueMaker.h"

#include <cstring>
#include <stdexcept>

#include "app/NewLeague.h"
#include "players/Squads.h"
#include "support/LeagueEdits.h"

namespace vantorel::testing {

std::vector<std::string> NumberedTeamNames(int count) {
    std::vector<std::string> names;
    for (int t = 1; t <= count; ++t)
        names.push_back((t < 10 ? "Team 0" : "Team ") + std::to_string(t));
    return names;
}

std::unique_ptr<Division> MakeLeague(int teams, int playTimes, int winPoints) {
    NewLeagueAnswers answers;
    answers.tableName = "Test League";
    answers.teamNames = NumberedTeamNames(teams);
    answers.playTimes = playTimes;
    answers.winPoints = winPoints;
    auto division = std::make_unique<Division>();
    if (!BuildNewLeague(answers, *division))
        throw std::logic_error("test league refused");
    return division;
}

void PlayFixture(Division& division, int result, int homeGoals, int awayGoals, double date) {
    ResultRecord& match = Edit(division).Result(result);
    match.Played = true;
    match.Predicted = false;
    match.HomeGoals = static_cast<std::uint8_t>(homeGoals);
    match.AwayGoals = static_cast<std::uint8_t>(awayGoals);
    match.MatchDate = date;
    CreditResult(division, result);
}

std::unique_ptr<Division> MakeLargestLeague() {
    auto division = MakeLeague(kMaxTeams, 4);
    // The players left over after an equal share for every team are transferred out (team 25).
    constexpr int kPlayersPerTeam = kMaxPlayers / kMaxTeams;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRecord player;
        player.Name.assignStored("Player " + std::to_string(p));
        player.Team = static_cast<std::uint8_t>((p - 1) / kPlayersPerTeam + 1);
        (void)AddPlayer(*division, player);
    }
    // Every result gets an equal share of the goals, the first ones one more, so that the goals fill up.
    const double firstDate = 38577; // 13 August 2005
    for (int r = 1; r <= kMaxResults; ++r) {
        const int goals = kMaxGoals / kMaxResults + (r <= kMaxGoals % kMaxResults ? 1 : 0);
        const int homeGoals = r % (goals + 1);
        PlayFixture(*division, r, homeGoals, goals - homeGoals, firstDate + r / 6);
        const ResultRecord& match = division->Results[r];
        for (int g = 0; g < goals; ++g) {
            const int team = g < homeGoals ? match.HomeTeam : match.AwayTeam;
            const int scorer = (team - 1) * kPlayersPerTeam + 1 + (r + g) % kPlayersPerTeam;
            (void)AddGoal(*division, {static_cast<std::uint16_t>(r), static_cast<std::uint16_t>(team),
                                      static_cast<std::uint16_t>(scorer), static_cast<std::uint16_t>(10 + g),
                                      false, g == 1});
            ++testing::Edit(*division).Player(scorer).Goals;
        }
        for (int side = 0; side < 2; ++side) {
            const int team = side == 0 ? match.HomeTeam : match.AwayTeam;
            SquadLines lines{};
            for (int line = 0; line < 14; ++line)
                lines[static_cast<std::size_t>(line)] = {
                    static_cast<std::uint16_t>((team - 1) * kPlayersPerTeam + 1 + line),
                    0,
                    static_cast<std::uint8_t>(line < 11 ? 90 : 0),
                    false,
                    false,
                    false};
            (void)SaveSquad(*division, r, side, lines);
        }
    }
    return division;
}

std::vector<std::uint8_t> ToOldFormat(const std::vector<std::uint8_t>& current) {
    auto i16At = [&](std::size_t offset) {
        return static_cast<int>(static_cast<std::int16_t>(current[offset] | current[offset + 1] << 8));
    };
    const int teams = i16At(38), results = i16At(40), goals = i16At(42), players = i16At(44);
    std::vector<std::uint8_t> old(current.begin(), current.begin() + 64);
    old[6] = 19;
    std::size_t at = 68;
    old.insert(old.end(), current.begin() + static_cast<std::ptrdiff_t>(at),
               current.begin() + static_cast<std::ptrdiff_t>(at + 36 * teams));
    at += 36 * teams;
    for (int r = 0; r < results; ++r, at += 24) {
        std::vector<std::uint8_t> record(current.begin() + static_cast<std::ptrdiff_t>(at),
                                         current.begin() + static_cast<std::ptrdiff_t>(at + 19));
        double date;
        std::memcpy(&date, record.data() + 7, 8);
        if (date != 0)
            date += 693594.0;
        std::memcpy(record.data() + 7, &date, 8);
        old.insert(old.end(), record.begin(), record.end());
    }
    old.insert(old.end(), current.begin() + static_cast<std::ptrdiff_t>(at),
               current.begin() + static_cast<std::ptrdiff_t>(at + 10 * goals + 23 * players));
    return old;
}

} // namespace vantorel::testing
