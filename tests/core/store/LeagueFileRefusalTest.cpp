#include "store/LeagueFile.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A valid league with every kind of record, and the file offsets of its arrays.
struct SampleFile {
    Bytes bytes;
    std::size_t teams = 68, results, goals, players, squads;
};

SampleFile MakeSampleFile() {
    auto division = testing::MakeLeague(4, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 1});
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Bob"), 5, 0});
    testing::PlayFixture(*division, 1, 1, 0, 35501);
    (void)AddGoal(*division, {1, 1, 1, 30, false, false});
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[0].Player = 1;
    (void)AddSquad(*division, squad);
    testing::Edit(*division).Result(1).HomeSquad = 1;
    SampleFile file;
    file.bytes = WriteDivision(*division);
    file.results = file.teams + 4 * 36;
    file.goals = file.results + 12 * 24;
    file.players = file.goals + 10;
    file.squads = file.players + 2 * 23;
    return file;
}

struct Damage {
    const char* name;
    std::function<void(SampleFile&)> apply;
    const char* expected; // a part of the message
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

void PutI16(Bytes& bytes, std::size_t offset, int value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutF64(Bytes& bytes, std::size_t offset, double value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

class LeagueFileRefusal : public ::testing::TestWithParam<Damage> {};

TEST_P(LeagueFileRefusal, RefusesTheFileNamingWhatIsWrongAndKeepsTheOpenLeague) {
    SampleFile file = MakeSampleFile();
    Division check;
    ASSERT_TRUE(ReadDivision(file.bytes, check));
    GetParam().apply(file);

    auto open = testing::MakeLeague(6, 1);
    const Status status = ReadDivision(file.bytes, *open);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find(GetParam().expected), std::string::npos) << status.message();
    EXPECT_EQ(open->Header().TeamCount, 6);
    EXPECT_EQ(open->Header().ResultCount, 15);
}

const Damage kDamages[] = {
    {"NotALeagueFile", [](SampleFile& f) { f.bytes[1] = 'X'; }, "not a league file"},
    {"MagicLength", [](SampleFile& f) { f.bytes[0] = 6; }, "not a league file"},
    {"DateNaN", [](SampleFile& f) { PutF64(f.bytes, f.results + 7, std::nan("")); }, "result 1 has a date"},
    {"DateInfinite", [](SampleFile& f) { PutF64(f.bytes, f.results + 24 + 7, HUGE_VAL); },
     "result 2 has a date"},
    {"DateHuge", [](SampleFile& f) { PutF64(f.bytes, f.results + 7, 1e300); }, "result 1 has a date"},
    {"DateBeforeYearOne", [](SampleFile& f) { PutF64(f.bytes, f.results + 7, -693594); },
     "result 1 has a date"},
    {"VersionTooOld", [](SampleFile& f) { f.bytes[6] = 5; }, "version 5"},
    {"VersionTooNew", [](SampleFile& f) { f.bytes[6] = 21; }, "version 21"},
    {"TooManyTeams", [](SampleFile& f) { PutI16(f.bytes, 38, 25); }, "25 teams"},
    {"NoTeams", [](SampleFile& f) { PutI16(f.bytes, 38, 0); }, "0 teams"},
    {"TooManyResults", [](SampleFile& f) { PutI16(f.bytes, 40, 1105); }, "1105 results"},
    {"TooManyGoals", [](SampleFile& f) { PutI16(f.bytes, 42, 4001); }, "4001 goals"},
    {"TooManyPlayers", [](SampleFile& f) { PutI16(f.bytes, 44, 1501); }, "1501 players"},
    {"TooManySquads", [](SampleFile& f) { PutI16(f.bytes, 64, 2209); }, "2209 squads"},
    {"NegativeCount", [](SampleFile& f) { PutI16(f.bytes, 42, -1); }, "-1 goals"},
    {"WinPoints", [](SampleFile& f) { f.bytes[47] = 4; }, "worth 4 points"},
    {"OwnTeam", [](SampleFile& f) { f.bytes[50] = 5; }, "own team is team 5"},
    {"TeamSize", [](SampleFile& f) { f.bytes[66] = 12; }, "12 players"},
    {"Substitutes", [](SampleFile& f) { f.bytes[67] = 6; }, "6 substitutes"},
    {"TableNameLength", [](SampleFile& f) { f.bytes[7] = 31; }, "table name"},
    {"SortRulesLength", [](SampleFile& f) { f.bytes[51] = 9; }, "sort rules"},
    {"TeamNameLength", [](SampleFile& f) { f.bytes[f.teams + 36] = 200; }, "name of team 2"},
    {"HomeTeamZero", [](SampleFile& f) { f.bytes[f.results + 24 * 3 + 3] = 0; },
     "result 4 names home team 0"},
    {"AwayTeamPastCount", [](SampleFile& f) { f.bytes[f.results + 4] = 5; }, "result 1 names away team 5"},
    {"HomeSquadPastCount", [](SampleFile& f) { f.bytes[f.results + 20] = 2; }, "result 1 points to a squad"},
    {"AwaySquadPastCount", [](SampleFile& f) { f.bytes[f.results + 24 + 22] = 9; },
     "result 2 points to a squad"},
    {"GoalResultZero", [](SampleFile& f) { PutI16(f.bytes, f.goals, 0); }, "goal 1 belongs to result 0"},
    {"GoalResultPastCount", [](SampleFile& f) { PutI16(f.bytes, f.goals, 13); }, "result 13"},
    {"GoalTeamPastCount", [](SampleFile& f) { PutI16(f.bytes, f.goals + 2, 5); }, "credited to team 5"},
    {"GoalPlayerPastCount", [](SampleFile& f) { PutI16(f.bytes, f.goals + 4, 3); }, "by player 3"},
    {"PlayerTeamZero", [](SampleFile& f) { f.bytes[f.players + 21] = 0; }, "player 1 plays for team 0"},
    {"PlayerTeamPastTransferred", [](SampleFile& f) { f.bytes[f.players + 23 + 21] = 6; }, "team 6"},
    {"PlayerNameLength", [](SampleFile& f) { f.bytes[f.players] = 21; }, "name of player 1"},
    {"SquadResultPastCount", [](SampleFile& f) { PutI16(f.bytes, f.squads, 13); },
     "squad 1 belongs to result 13"},
    {"SquadTeamZero", [](SampleFile& f) { f.bytes[f.squads + 2] = 0; }, "squad 1 belongs to team 0"},
    {"SquadPlayerPastCount", [](SampleFile& f) { PutI16(f.bytes, f.squads + 3 + 7 * 15, 3); },
     "lists player 3"},
    {"SquadLinkedFromTwoFixtures", [](SampleFile& f) { PutI16(f.bytes, f.results + 24 + 20, 1); },
     "squad 1 is linked from result 1 and from result 2"},
    {"SquadLinkedFromBothSides", [](SampleFile& f) { PutI16(f.bytes, f.results + 22, 1); },
     "squad 1 is linked from result 1 twice"},
    {"PlayerGoalTotalPast255",
     [](SampleFile& f) {
         // Team 1 scores 50 in each of its six matches; its player Ann is credited with 256 of them.
         auto division = testing::MakeLeague(4, 2);
         (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0});
         int scored = 0;
         for (int r = 1; r <= division->Header().ResultCount; ++r) {
             const bool home = division->Results[r].HomeTeam == 1;
             if (!home && division->Results[r].AwayTeam != 1)
                 continue;
             testing::PlayFixture(*division, r, home ? 50 : 0, home ? 0 : 50, 35501);
             for (int g = 0; g < 50 && scored < 256; ++g, ++scored)
                 (void)AddGoal(*division, {static_cast<std::uint16_t>(r), 1, 1, 10, false, false});
         }
         f.bytes = WriteDivision(*division);
     },
     "player 1 is credited with more than 255 goals"},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfDamage, LeagueFileRefusal, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LeagueFileFuzz, RandomlyCorruptedFilesNeverCrashAndWhatLoadsIsSound) {
    const Bytes valid = MakeSampleFile().bytes;
    std::mt19937 random(1899);
    int loaded = 0;
    for (int variant = 0; variant < 5000; ++variant) {
        Bytes bytes = valid;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i)
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        if (random() % 4 == 0)
            bytes.resize(random() % bytes.size());
        Division division;
        if (!ReadDivision(bytes, division))
            continue;
        ++loaded;
        // A file that loads is one the program could have written: it loads again from its own bytes.
        Division again;
        ASSERT_TRUE(ReadDivision(WriteDivision(division), again)) << "variant " << variant;
    }
    EXPECT_GT(loaded, 100);
}

} // namespace
} // namespace vantorel
