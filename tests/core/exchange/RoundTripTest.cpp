#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "app/NewLeague.h"
#include "exchange/ImportRun.h"
#include "players/GoalScorers.h"
#include "players/Squads.h"
#include "results/ResultEntry.h"
#include "standings/Standings.h"
#include "standings/TableCells.h"
#include "store/TextCodec.h"
#include "support/ExportLines.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using Lines = std::vector<std::string>;

NewLeagueAnswers Answers() {
    NewLeagueAnswers answers;
    answers.tableName = "Round Trip League";
    answers.teamNames = {"Queen's Park",  "Brighton, Hove", "Newell's Old Boys",
                         "The \"Blues\"", "'t Veld",        "Hull"};
    answers.playTimes = 4;
    return answers;
}

std::unique_ptr<Division> FreshLeague() {
    auto division = std::make_unique<Division>();
    EXPECT_TRUE(BuildNewLeague(Answers(), *division));
    return division;
}

int AddPlayer(Division& division, const std::string& name, int team) {
    PlayerRecord player;
    player.Name.assignStored(*Utf8ToWindows1252(name));
    player.Team = static_cast<std::uint8_t>(team);
    EXPECT_TRUE(AddPlayer(division, player));
    return division.Header().PlayerCount;
}

// A season as a fan types it: results with dates and attendances, dated open fixtures, players (one moved
// away after scoring), scorers with minutes, penalties and own goals, some goals left unassigned, and
// squads with substitutes and cards.
std::unique_ptr<Division> TypedSeason() {
    auto division = FreshLeague();
    Division& d = *division;
    const int teams = d.Header().TeamCount;
    for (int t = 1; t <= teams; ++t)
        for (int k = 1; k <= 3; ++k)
            AddPlayer(d,
                      Windows1252ToUtf8(d.Teams[t].Name.stored()).substr(0, 6) + (k == 2 ? ", J" : " ") +
                          std::to_string(k),
                      t);
    const int fixtures = d.Header().ResultCount;
    for (int r = 1; r <= fixtures - 12; ++r) {
        const ResultRecord& match = d.Results[r];
        std::vector<int> goals;
        EXPECT_TRUE(EnterResult(
            d, {match.HomeTeam, match.AwayTeam, r % 4, (r * 7) % 3, 45500.0 + r / 3, 1000 + 37 * r}, nullptr,
            &goals));
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
                lines[static_cast<std::size_t>(line == 2 ? 11 : line)] = {
                    static_cast<std::uint16_t>((team - 1) * 3 + 1 + line),
                    static_cast<std::uint8_t>(line == 2 ? 70 : 0),
                    static_cast<std::uint8_t>(line == 2 ? 0 : 90),
                    line == 1,
                    line == 1 && r % 2 == 0,
                    r % 4 == 1};
            EXPECT_TRUE(SaveSquad(d, r, side, lines));
        }
    }
    for (int r = fixtures - 11; r <= fixtures - 5; ++r)
        testing::Edit(d).Result(r).MatchDate = 45700.0 + r;
    // A squad named before the match is played.
    SquadLines named{};
    named[0] = {static_cast<std::uint16_t>((d.Results[fixtures - 6].AwayTeam - 1) * 3 + 3),
                0,
                90,
                false,
                false,
                false};
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
auto Fields(const SquadEntry& e) {
    return std::tuple(e.Player, e.TimeOn, e.TimeOff, e.Yellow1, e.Yellow2, e.Red);
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

TEST(RoundTrip, AllOfTheAboveRebuildsTheLeagueRecordByRecord) {
    const auto season = TypedSeason();
    const Lines exported = testing::ExportLines(*season, ExportSection::All);

    auto rebuilt = FreshLeague();
    const ImportCounters counters = ImportAll(*rebuilt, ImportChoice::All, exported, DateFormat::Default());
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
    for (int s = 1; s <= a.SquadCount; ++s) {
        EXPECT_EQ(std::tuple(season->Squads[s].Result, season->Squads[s].Team),
                  std::tuple(rebuilt->Squads[s].Result, rebuilt->Squads[s].Team));
        for (std::size_t line = 0; line < kSquadLines; ++line)
            EXPECT_EQ(Fields(season->Squads[s].Entries[line]), Fields(rebuilt->Squads[s].Entries[line]))
                << "squad " << s << " line " << line + 1;
    }
    const LeagueTable before = FillTable(*season, {});
    EXPECT_EQ(TableRows(*season, before, {}), TableRows(*rebuilt, FillTable(*rebuilt, {}), {}));
}

} // namespace
} // namespace vantorel
