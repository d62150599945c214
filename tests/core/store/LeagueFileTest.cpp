// The league file: its bytes, what it refuses and the folder's list of leagues.

#include "store/LeagueFile.h"
#include "store/LeagueFolder.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "players/Squads.h"
#include "store/FileIo.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;
using testing::FileBytes;
using testing::MakeLeague;
using testing::PlayFixture;
using testing::TempFolder;
using testing::WriteText;

void WriteBytes(const std::string& path, const Bytes& bytes) {
    WriteText(path, std::string(bytes.begin(), bytes.end()));
}

// A league of 8 teams with 3 goals, 2 players and 1 squad, as a league in use would hold them.
std::unique_ptr<Division> SmallLeagueInUse() {
    auto division = MakeLeague(8, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 2});
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Bob"), 9, 0}); // transferred out
    PlayFixture(*division, 1, 2, 1, 35501);
    testing::Edit(*division).Result(1).Attendance = 12000;
    (void)AddGoal(*division, {1, 1, 1, 12, false, true});
    (void)AddGoal(*division, {1, 1, 1, 80, false, false});
    (void)AddGoal(*division, {1, 2, 0, 0, false, false});
    SquadLines squad{};
    squad[0] = {1, 0, 90, true, false, false};
    (void)SaveSquad(*division, 1, 0, squad);
    testing::Edit(*division).Result(5).HomeGoals = 3; // a prediction on an open fixture
    testing::Edit(*division).Result(5).MatchDate = 35600;
    testing::Edit(*division).Result(5).Predicted = true;
    return division;
}

TEST(LeagueFile, WritesTheWorkedExampleByteForByte) {
    auto division = MakeLeague(4, 2); // 12 results, 3 points for a win
    DivisionHeader& header = testing::Edit(*division).Header();
    header.TableName.assignStored("Test");
    header.OwnTeam = 2;
    header.RelegateCount = header.PromoteCount = 1;
    testing::Edit(*division).Result(1) = {1, true, 1, 2, 2, 1, 35501, 12000, false, 0, 0};

    const Bytes bytes = WriteDivision(*division);
    ASSERT_EQ(bytes.size(), 68u + 4 * 36 + 12 * 24);
    // The name's 30 bytes, the counts of teams, results, goals and players, then win points, zones, own team,
    // sort rules, squads, team size and substitutes.
    const std::string expectedHeader = "\x05"s + "DIVHD\x14\x04Test" + std::string(26, '\0') +
                                       "\x04\0\x0C\0\0\0\0\0\0\x03\x01\x01\x02\x04"s + "1234" +
                                       std::string(10, '\0') + "\x0B\x03";
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 68), expectedHeader);
    const Bytes expectedResult = {0x01, 0x00, 0x01, 0x01, 0x02, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0xA0,
                                  0x55, 0xE1, 0x40, 0xE0, 0x2E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(Bytes(bytes.begin() + 68 + 4 * 36, bytes.begin() + 68 + 4 * 36 + 24), expectedResult);
    // The older format stores the same date 693594 days later.
    const Bytes old = testing::ToOldFormat(bytes);
    const auto oldDate = old.begin() + 64 + 4 * 36 + 7;
    EXPECT_EQ(Bytes(oldDate, oldDate + 8), Bytes({0x00, 0x00, 0x00, 0x00, 0x0E, 0x40, 0x26, 0x41}));
}

TEST(LeagueFile, LoadThenSaveReproducesTheFileByteForByte) {
    TempFolder folder;
    Bytes onDisk = WriteDivision(*SmallLeagueInUse());
    ASSERT_EQ(onDisk.size(), 1891u);
    onDisk[68 + 20] = 0x7A; // a byte past a string's length comes back as it was, even when not zero
    WriteBytes(folder.file("league.div"), onDisk);
    Division loaded;
    ASSERT_TRUE(LoadDivision(folder.file("league.div"), loaded));
    EXPECT_EQ(loaded.Teams[9].Name.stored(), "Transferred-Out"); // placed, not read
    testing::MarkChanged(loaded);
    ASSERT_TRUE(SaveDivision(folder.file("league.div"), loaded));
    EXPECT_EQ(FileBytes(folder.file("league.div")), onDisk);
}

TEST(LeagueFile, TheLargestLeagueRoundTrips) {
    const Bytes bytes = WriteDivision(*testing::MakeLargestLeague());
    EXPECT_EQ(bytes.size(), kLargestFileSize);
    Division loaded;
    ASSERT_TRUE(ReadDivision(bytes, loaded));
    EXPECT_EQ(WriteDivision(loaded), bytes);
}

TEST(LeagueFile, UpgradesAnOlderFileInMemory) {
    auto league = SmallLeagueInUse();
    testing::Edit(*league).Header().TeamSize = 7;
    Division loaded;
    ASSERT_TRUE(ReadDivision(testing::ToOldFormat(WriteDivision(*league)), loaded));
    EXPECT_FALSE(loaded.DataChanged());
    EXPECT_EQ(loaded.Header().Version, 20);
    // The league as it was, every date shifted back, but without what the older format lacks: the squads,
    // the team size (back to 11 players and 3 substitutes) and the prediction mark, which only the open
    // fixture with a date (5) gets back.
    Division expected = *league;
    testing::Edit(expected).Header().SquadCount = 0;
    testing::Edit(expected).Header().TeamSize = 11;
    testing::Edit(expected).Result(1).HomeSquad = 0;
    EXPECT_EQ(WriteDivision(loaded), WriteDivision(expected));
}

TEST(LeagueFile, AFileCutAtAnyRecordBoundaryIsRefusedAndTheOpenLeagueStays) {
    const Bytes bytes = WriteDivision(*SmallLeagueInUse());
    auto open = MakeLeague(6, 1);
    const auto cutAt = [&](std::size_t cut) {
        return ReadDivision(std::span(bytes.data(), cut), *open).message();
    };
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        ASSERT_EQ(cutAt(cut), "Read beyond end of file") << cut;
}

TEST(LeagueFile, ReportsFileErrorsInTheUsersWords) {
    TempFolder folder;
    Division division;
    EXPECT_EQ(LoadDivision(folder.file("missing.div"), division).message(), "File not found");
    EXPECT_EQ(LoadDivision(folder.folder(), division).message(), "File access denied");
    EXPECT_EQ(std::vector({IoErrorText(kReadBeyondEnd), IoErrorText(ENOSPC), IoErrorText(EMFILE),
                           IoErrorText(ENOTDIR), IoErrorText(EIO)}),
              std::vector<std::string>({"Read beyond end of file", "Disk full", "Too many open files",
                                        "Invalid filename", "I/O error " + std::to_string(EIO)}));
}

// Reads the bytes over an open league, expecting a refusal whose message holds the part given.
void ExpectRefused(const Bytes& bytes, const std::string& part) {
    auto open = MakeLeague(6, 1);
    const Status status = ReadDivision(bytes, *open);
    ASSERT_FALSE(status);
    EXPECT_NE(status.message().find(part), std::string::npos) << status.message();
    EXPECT_EQ(std::tuple(open->Header().TeamCount, open->Header().ResultCount), std::tuple(6, 15));
}

TEST(LeagueFileRefusal, RefusesTheFileNamingWhatIsWrongAndKeepsTheOpenLeague) {
    const Bytes valid = WriteDivision(*SmallLeagueInUse());
    Division check;
    ASSERT_TRUE(ReadDivision(valid, check));
    // Where its arrays of 8 teams, 56 results, 3 goals, 2 players and 1 squad start.
    constexpr std::size_t T = 68, R = T + 8 * 36, G = R + 56 * 24, P = G + 30, S = P + 2 * 23;
    // Each damage writes a value of 1, 2 or 8 (a date) bytes at an offset: in the header, a wrong magic or
    // magic length, versions, counts and fields out of range; in the records, dates that are no day of the
    // years 1 to 9999, fields out of range and records pointing outside their arrays.
    struct Damage {
        std::size_t at;
        int size;
        double value;
        const char* expected; // a part of the message
    };
    // clang-format off
    const Damage damages[] = {
        {1, 1, 'X', "not a league file"}, {0, 1, 6, "not a league file"}, {6, 1, 5, "version 5"},
        {6, 1, 21, "version 21"}, {38, 2, 25, "25 teams"}, {38, 2, 0, "0 teams; a league has at least 2"},
        {40, 2, 1105, "1105 results"}, {42, 2, 4001, "4001 goals"}, {44, 2, 1501, "1501 players"},
        {64, 2, 2209, "2209 squads"}, {42, 2, -1, "-1 goals"}, {47, 1, 4, "worth 4 points"},
        {50, 1, 9, "own team is team 9"}, {66, 1, 12, "12 players"}, {67, 1, 6, "6 substitutes"},
        {7, 1, 31, "table name"}, {51, 1, 9, "sort rules"},
        {R + 7, 8, std::nan(""), "result 1 has a date"}, {R + 24 + 7, 8, HUGE_VAL, "result 2 has a date"},
        {R + 7, 8, 1e300, "result 1 has a date"}, {R + 7, 8, -693594, "result 1 has a date"},
        {T + 36, 1, 200, "name of team 2"}, {R + 24 * 3 + 3, 1, 0, "result 4 names home team 0"},
        {R + 4, 1, 9, "result 1 names away team 9"}, {R + 20, 1, 2, "result 1 points to a squad"},
        {R + 24 + 22, 1, 9, "result 2 points to a squad"}, {G, 2, 0, "goal 1 belongs to result 0"},
        {G, 2, 57, "result 57"}, {G + 2, 2, 9, "credited to team 9"}, {G + 4, 2, 3, "by player 3"},
        {P + 21, 1, 0, "player 1 plays for team 0"}, {P + 23 + 21, 1, 10, "team 10"},
        {P, 1, 21, "name of player 1"}, {S, 2, 57, "squad 1 belongs to result 57"},
        {S + 2, 1, 0, "squad 1 belongs to team 0"}, {S + 3 + 7 * 15, 2, 3, "lists player 3"},
        {R + 24 + 20, 2, 1, "squad 1 is linked from result 1 and from result 2"},
        {R + 22, 2, 1, "squad 1 is linked from result 1 twice"}};
    // clang-format on
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.expected);
        Bytes bytes = valid;
        if (damage.size == 8)
            std::memcpy(bytes.data() + damage.at, &damage.value, sizeof damage.value);
        for (int b = 0; b < damage.size && damage.size < 8; ++b)
            bytes[damage.at + b] = static_cast<std::uint8_t>(static_cast<int>(damage.value) >> (8 * b));
        ExpectRefused(bytes, damage.expected);
    }
    // Team 1 wins its first two home matches 128-0, and its player Ann is credited with all 256 goals.
    auto division = MakeLeague(4, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0});
    for (const std::uint16_t r : {1, 2}) {
        PlayFixture(*division, r, 128, 0, 35501);
        for (int g = 0; g < 128; ++g)
            (void)AddGoal(*division, {r, 1, 1, 10, false, false});
    }
    ExpectRefused(WriteDivision(*division), "player 1 is credited with more than 255 goals");
}

void WriteLeague(const TempFolder& folder, const std::string& fileName, const std::string& tableName,
                 int version = 20) {
    auto league = MakeLeague(4, 1);
    testing::Edit(*league).Header().TableName.assignStored(tableName);
    auto bytes = WriteDivision(*league);
    bytes[6] = static_cast<std::uint8_t>(version);
    WriteBytes(folder.file(fileName), bytes);
}

std::vector<std::string> TableNames(const LeagueFileTable& table) {
    std::vector<std::string> names;
    for (const auto& entry : table.entries)
        names.push_back(entry.TableName);
    return names;
}

TEST(LeagueFolder, ListsLeaguesInFileNameOrderComparingBytesAndAnEmptyOrMissingFolderListsNothing) {
    TempFolder folder;
    bool warned = false;
    EXPECT_TRUE(UpdateFileTable(folder.folder(), warned).entries.empty());
    EXPECT_TRUE(UpdateFileTable(folder.file("missing") + "/", warned).entries.empty());
    const std::string longName = "a league file whose name is far longer than forty characters.div";
    for (const auto& [file, table] : {std::pair("b.div", "Alpha"),
                                      {"a.div", "Zeta"},
                                      {"B.div", "Upper"},
                                      {"c.DIV", "Loud"},
                                      {"d.div", "Alpha"},
                                      {"e.txt", "Not listed"}})
        WriteLeague(folder, file, table); // two files may share a table name
    WriteLeague(folder, longName, "Long");
    const LeagueFileTable table = UpdateFileTable(folder.folder(), warned);
    EXPECT_EQ(TableNames(table),
              (std::vector<std::string>{"Upper", "Long", "Zeta", "Alpha", "Loud", "Alpha"}));
    EXPECT_EQ(table.entries[1].FileName, longName);
    EXPECT_FALSE(table.ignoredMessage);
    EXPECT_FALSE(warned);
}

TEST(LeagueFolder, ForeignFilesAreIgnoredWithOneMessagePerFolder) {
    TempFolder folder;
    WriteLeague(folder, "good.div", "Good");
    WriteLeague(folder, "oldest-readable.div", "Six", 6);
    std::ofstream(folder.file("empty.div")).put('x');
    std::ofstream(folder.file("text.div"))
        << "not a league at all, but long enough to hold a header of 68 bytes";
    // A file cut short of its records: its header alone is whole, and only the check of its size refuses it.
    WriteLeague(folder, "cut.div", "Cut");
    fs::resize_file(folder.file("cut.div"), 68 + 36 * 4);
    bool warned = false;
    const LeagueFileTable first = UpdateFileTable(folder.folder(), warned);
    EXPECT_EQ(TableNames(first), (std::vector<std::string>{"Good", "Six"}));
    EXPECT_EQ(first.ignoredMessage, std::string(kIgnoredFilesMessage));
    EXPECT_TRUE(warned);
    EXPECT_FALSE(UpdateFileTable(folder.folder(), warned).ignoredMessage);
    warned = false; // the user chose a folder again
    EXPECT_TRUE(UpdateFileTable(folder.folder(), warned).ignoredMessage);
}

TEST(LeagueFolder, KeepsAtMostFiftyLeaguesTheFirstInFileNameOrder) {
    TempFolder folder;
    for (int i = 60; i >= 1; --i)
        WriteLeague(folder, "league" + std::to_string(100 + i) + ".div", "League " + std::to_string(i));
    bool warned = false;
    const LeagueFileTable table = UpdateFileTable(folder.folder(), warned);
    ASSERT_EQ(table.entries.size(), 50u);
    EXPECT_EQ(table.entries.front().TableName, "League 1");
    EXPECT_EQ(table.entries.back().TableName, "League 50");
}

} // namespace
} // namespace vantorel
