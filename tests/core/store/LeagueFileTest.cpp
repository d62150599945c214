// The league file: its bytes, what it refuses, the folder's list of leagues, saving it beside others' files,
// through links and against other programs saving at once, and the journal of its unsaved changes.

#include "store/LeagueFile.h"
#include "store/LeagueFolder.h"
#include "store/SaveGuard.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/EditHistory.h"
#include "app/LeagueSettings.h"
#include "store/FileIo.h"
#include "store/Journal.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;
using testing::FileBytes;
using testing::FileText;
using testing::MakeLeague;
using testing::PlayFixture;
using testing::ScriptedPrompts;
using testing::TempFolder;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    WriteText(path, std::string(bytes.begin(), bytes.end()));
}

long EntriesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), {});
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// A folder holding one league, noted by a guard as the workspace notes a league it opened, and a changed
// version of the league to save.
struct SavedLeague {
    TempFolder folder;
    std::string path = folder.file("league.div"), backup = BackupPathOf(path);
    std::unique_ptr<Division> league = MakeLeague(4, 2);
    Bytes before;
    SaveGuard guard;
    ScriptedPrompts prompts;
    bool GuardedSave() { return guard.Save(path, *league, prompts); }
    SavedLeague() {
        EXPECT_TRUE(WriteNewLeague(path, *league));
        before = FileBytes(path);
        guard.Remember(path);
        PlayFixture(*league, 1, 2, 0, 35501);
    }
};

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
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[0] = {1, 0, 90, true, false, false};
    (void)AddSquad(*division, squad);
    testing::Edit(*division).Result(1).HomeSquad = 1;
    testing::Edit(*division).Result(5).HomeGoals = 3; // a prediction on an open fixture
    testing::Edit(*division).Result(5).MatchDate = 35600;
    testing::Edit(*division).Result(5).Predicted = true;
    return division;
}

TEST(LeagueFile, WritesTheWorkedExampleByteForByte) {
    Division division;
    DivisionHeader& header = testing::Edit(division).Header();
    header.TableName.assignStored("Test");
    header.TeamCount = 4;
    header.ResultCount = 12;
    header.WinPoints = 3;
    header.OwnTeam = 2;
    header.RelegateCount = 1;
    header.PromoteCount = 1;
    testing::Edit(division).Result(1) = {1, true, 1, 2, 2, 1, 35501, 12000, false, 0, 0};
    for (int r = 2; r <= 12; ++r)
        testing::Edit(division).Result(r).MatchNo = static_cast<std::uint16_t>(r);

    const Bytes bytes = WriteDivision(division);
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
    EXPECT_FALSE(loaded.DataChanged());
    EXPECT_EQ(loaded.Teams[9].Name.stored(), "Transferred-Out");
    EXPECT_EQ(loaded.Players[2].Team, 9);
    testing::MarkChanged(loaded);
    ASSERT_TRUE(SaveDivision(folder.file("league.div"), loaded));
    EXPECT_FALSE(loaded.DataChanged());
    EXPECT_EQ(FileBytes(folder.file("league.div")), onDisk);
    EXPECT_EQ(EntriesIn(folder.path()), 1) << "temporary file left";
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
    testing::Edit(*league).Result(6).MatchDate = 0; // open fixture without a date
    Division loaded;
    ASSERT_TRUE(ReadDivision(testing::ToOldFormat(WriteDivision(*league)), loaded));
    EXPECT_FALSE(loaded.DataChanged());
    const DivisionHeader& header = loaded.Header();
    EXPECT_EQ(
        std::tuple(header.Version, header.TeamSize, header.SubsCount, header.SquadCount, header.PlayerCount),
        std::tuple(20, 11, 3, 0, 2));
    // Played: the date shifted back, no prediction. Open with a date: a prediction. Open without: none.
    const auto& results = loaded.Results;
    EXPECT_EQ(std::tuple(results[1].MatchDate, results[1].Predicted, results[1].HomeSquad),
              std::tuple(35501, false, 0));
    EXPECT_EQ(std::tuple(results[5].MatchDate, results[5].Predicted), std::tuple(35600, true));
    EXPECT_EQ(std::tuple(results[6].MatchDate, results[6].Predicted), std::tuple(0, false));
    EXPECT_EQ(loaded.Goals[2].GoalTime, 80);
    EXPECT_EQ(loaded.Players[1].Name.stored(), "Ann");
    EXPECT_EQ(WriteDivision(loaded)[6], 20); // written back in the current format
}

TEST(LeagueFile, AFileCutAtAnyRecordBoundaryIsRefusedAndTheOpenLeagueStays) {
    const Bytes bytes = WriteDivision(*SmallLeagueInUse());
    auto open = MakeLeague(6, 1);
    const auto cutAt = [&](std::size_t cut) {
        return ReadDivision(std::span(bytes.data(), cut), *open).message();
    };
    for (std::size_t cut : {0, 10, 67})
        EXPECT_EQ(cutAt(cut), "Read beyond end of file") << cut;
    for (std::size_t cut = 68; cut < bytes.size(); ++cut)
        ASSERT_EQ(cutAt(cut), "Read beyond end of file") << cut;
    EXPECT_EQ(open->Header().TeamCount, 6);
    EXPECT_EQ(open->Teams[1].Name.stored(), "Team 01");
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

TEST(LeagueFile, AFailedSaveLeavesThePreviousFileAndTheChangedFlag) {
    SavedLeague saved;
    // A file size limit below the league's size makes the write fail half way, as a full disk does.
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = previous;
    lowered.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &lowered);
    const Status status = SaveDivision(saved.path, *saved.league);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(status.message(), "Disk full");
    EXPECT_TRUE(saved.league->DataChanged());
    EXPECT_EQ(FileBytes(saved.path), saved.before);
    EXPECT_EQ(EntriesIn(saved.folder.path()), 1) << "temporary file left";
    EXPECT_FALSE(SaveDivision(saved.folder.file("no-such-folder/league.div"), *saved.league));
    EXPECT_TRUE(saved.league->DataChanged());
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
        {6, 1, 21, "version 21"}, {38, 2, 25, "25 teams"}, {38, 2, 0, "0 teams"},
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
    // Team 1 scores 50 in each of its six matches; its player Ann is credited with 256 of them.
    auto division = MakeLeague(4, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 0});
    int scored = 0;
    for (int r = 1; r <= division->Header().ResultCount; ++r) {
        const bool home = division->Results[r].HomeTeam == 1;
        if (!home && division->Results[r].AwayTeam != 1)
            continue;
        PlayFixture(*division, r, home ? 50 : 0, home ? 0 : 50, 35501);
        for (int g = 0; g < 50 && scored < 256; ++g, ++scored)
            (void)AddGoal(*division, {static_cast<std::uint16_t>(r), 1, 1, 10, false, false});
    }
    ExpectRefused(WriteDivision(*division), "player 1 is credited with more than 255 goals");
}

TEST(LeagueFileFuzz, RandomlyCorruptedFilesNeverCrashAndWhatLoadsIsSound) {
    // A small league with every kind of record, so that the changes land in each of its arrays often.
    auto division = MakeLeague(4, 2);
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Ann"), 1, 1});
    (void)AddPlayer(*division, PlayerRecord{ShortString<20>("Bob"), 5, 0});
    PlayFixture(*division, 1, 1, 0, 35501);
    (void)AddGoal(*division, {1, 1, 1, 30, false, false});
    SquadRecord squad;
    squad.Result = 1;
    squad.Team = 1;
    squad.Entries[0].Player = 1;
    (void)AddSquad(*division, squad);
    testing::Edit(*division).Result(1).HomeSquad = 1;
    const Bytes valid = WriteDivision(*division);
    std::mt19937 random(1899);
    int loaded = 0;
    for (int variant = 0; variant < 5000; ++variant) {
        Bytes bytes = valid;
        for (int flips = 1 + static_cast<int>(random() % 8); flips > 0; --flips)
            bytes[random() % bytes.size()] = static_cast<std::uint8_t>(random());
        if (random() % 4 == 0)
            bytes.resize(random() % bytes.size());
        Division read, again;
        if (!ReadDivision(bytes, read))
            continue;
        ++loaded;
        // A file that loads is one the program could have written: it loads again from its own bytes.
        ASSERT_TRUE(ReadDivision(WriteDivision(read), again)) << "variant " << variant;
    }
    EXPECT_GT(loaded, 100);
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
    WriteLeague(folder, "old.div", "Old", 5);
    WriteLeague(folder, "future.div", "Future", 21);
    WriteLeague(folder, "oldest-readable.div", "Six", 6);
    std::ofstream(folder.file("empty.div")).put('x');
    std::ofstream(folder.file("text.div"))
        << "not a league at all, but long enough to hold a header of 68 bytes";
    // The loader's own test: a file cut short of its records, and a magic with a wrong length byte.
    WriteLeague(folder, "cut.div", "Cut");
    fs::resize_file(folder.file("cut.div"), 68 + 36 * 4);
    WriteLeague(folder, "magic.div", "Magic");
    std::fstream(folder.file("magic.div"), std::ios::in | std::ios::out | std::ios::binary).put('\x06');
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

TEST(SafeSave, AReadOnlyLeagueIsRefusedASavedFileKeepsItsModeAndNoPlantedLinkRedirectsTheSave) {
    SavedLeague saved;
    chmod(saved.path.c_str(), 0444);
    EXPECT_EQ(SaveDivision(saved.path, *saved.league).message(), "File access denied");
    EXPECT_TRUE(saved.league->DataChanged());
    EXPECT_EQ(FileBytes(saved.path), saved.before);
    EXPECT_EQ(ModeOf(saved.path), 0444u);
    EXPECT_EQ(EntriesIn(saved.folder.path()), 1);
    for (const mode_t mode : {0600u, 0640u, 0664u}) {
        chmod(saved.path.c_str(), mode);
        testing::MarkChanged(*saved.league);
        ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
        EXPECT_EQ(ModeOf(saved.path), mode);
    }
    // A link planted at any temporary name never redirects the save.
    const std::string victim = saved.folder.file("victim.txt");
    WriteText(victim, "precious");
    for (const char* planted : {"league.div.saving", "league.div.tmp", ".league.div.saving"})
        fs::create_symlink(victim, saved.folder.file(planted));
    PlayFixture(*saved.league, 2, 1, 0);
    ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
    EXPECT_EQ(FileText(victim), "precious");
    EXPECT_FALSE(fs::is_symlink(saved.path));
    EXPECT_EQ(FileBytes(saved.path), WriteDivision(*saved.league));
}

TEST(SafeSave, SavingThroughALinkReplacesTheRealFileAndKeepsTheLink) {
    SavedLeague saved;
    fs::create_directory(saved.folder.file("real"));
    const std::string real = saved.folder.file("real/league.div");
    fs::rename(saved.path, real);
    fs::create_symlink("real/league.div", saved.folder.file("hop.div"));
    fs::create_symlink("hop.div", saved.path); // a chain of two links
    ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
    EXPECT_TRUE(fs::is_symlink(saved.path));
    EXPECT_EQ(FileBytes(real), WriteDivision(*saved.league));
    EXPECT_EQ(EntriesIn(saved.folder.file("real")), 1);
}

TEST(SafeSave, ALeagueWhoseNameIsAsLongAsTheSystemAllowsCanBeSaved) {
    SavedLeague saved;
    const std::string longest = saved.folder.file(std::string(251, 'n') + ".div");
    fs::rename(saved.path, longest);
    Division loaded;
    ASSERT_TRUE(LoadDivision(longest, loaded));
    testing::MarkChanged(loaded);
    EXPECT_TRUE(SaveDivision(longest, loaded));
    EXPECT_EQ(SaveDivision(saved.folder.file(std::string(256, 'n')), loaded).message(), "Invalid filename");
}

TEST(SafeSave, ASaveWaitsBrieflyForAnotherHolderOfTheLockAndFailsClearlyIfItKeepsIt) {
    SavedLeague saved;
    const int other = open(saved.path.c_str(), O_RDONLY);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    EXPECT_EQ(SaveDivision(saved.path, *saved.league).message(), kFileBusyMessage);
    EXPECT_EQ(FileBytes(saved.path), saved.before);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        close(other);
    });
    EXPECT_TRUE(SaveDivision(saved.path, *saved.league));
    release.join();
    EXPECT_EQ(FileBytes(saved.path), WriteDivision(*saved.league));
    // A lock this process already holds (a command that changes the league) lets its own save through.
    FileLock held;
    ASSERT_TRUE(FileLock::Take(saved.path, held));
    testing::MarkChanged(*saved.league);
    EXPECT_TRUE(SaveDivision(saved.path, *saved.league));
}

TEST(SafeSave, ConcurrentSavingProgramsNeverMixTheirBytes) {
    SavedLeague saved;
    // Each writer saves its own league, differing in size, over the same file again and again.
    std::vector<Bytes> versions;
    std::vector<pid_t> children;
    for (int w = 0; w < 4; ++w) {
        auto league = MakeLeague(4 + 2 * w, 2);
        versions.push_back(WriteDivision(*league));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failures = 0;
            for (int s = 0; s < 25; ++s)
                failures += SaveDivision(saved.path, *league).ok() ? 0 : 1;
            _exit(failures);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "failed saves: " << WEXITSTATUS(status);
    }
    EXPECT_NE(std::find(versions.begin(), versions.end(), FileBytes(saved.path)), versions.end());
    EXPECT_EQ(EntriesIn(saved.folder.path()), 1);
}

TEST(SafeSave, StaleTemporariesOfTheLeagueAreRemovedAndNothingElse) {
    SavedLeague saved;
    const std::string longName = std::string(40, 'l') + ".div";
    const std::string longLeague = saved.folder.file(longName);
    ASSERT_TRUE(SaveDivision(longLeague, *saved.league));
    // What a killed save of league.div, of its backup or of the long league left, beside look-alikes, and
    // whether saving league.div removes it.
    const std::vector<std::pair<std::string, bool>> planted = {
        {".league.div.Ab3xYz", true}, {".league.div.000000", true},   {".league.div.bak.Qw12Er", false},
        {".league.div.Ab3xY", false}, {".league.div.Ab3xYz1", false}, {".league.div.Ab-xYz", false},
        {"league.div.Ab3xYz", false}, {".other.div.Ab3xYz", false}};
    for (const auto& [name, removed] : planted)
        WriteText(saved.folder.file(name), "stale");
    fs::create_symlink("victim", saved.folder.file(".league.div.Sym123")); // no file of ours
    ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
    for (const auto& [name, removed] : planted)
        EXPECT_EQ(fs::exists(saved.folder.file(name)), !removed) << name;
    EXPECT_TRUE(fs::is_symlink(saved.folder.file(".league.div.Sym123")));

    // The backup's and the long league's own temporaries go with their own saves.
    ASSERT_TRUE(WriteBackup(saved.path, saved.path + ".bak"));
    EXPECT_FALSE(fs::exists(saved.folder.file(".league.div.bak.Qw12Er")));
    const long before = EntriesIn(saved.folder.path());
    WriteText(saved.folder.file("." + longName.substr(0, 24) + ".Ab3xYz"), "not the long league's");
    ASSERT_TRUE(SaveDivision(longLeague, *saved.league));
    EXPECT_EQ(EntriesIn(saved.folder.path()), before + 1);
}

TEST(SafeSave, APipeOrDeviceIsRefusedAsALeagueWithoutWaitingOnIt) {
    TempFolder folder;
    const std::string pipe = folder.file("pipe.div");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, std::string("/dev/zero")}) {
        Division division;
        EXPECT_EQ(LoadDivision(path, division).message(), kNotAFileMessage) << path;
        Bytes bytes;
        EXPECT_EQ(ReadFileBytes(path, 68, bytes).message(), kNotAFileMessage) << path;
    }
    EXPECT_EQ(SaveDivision(pipe, *MakeLeague(4, 2)).message(), kNotAFileMessage);
    struct stat info {};
    ASSERT_EQ(lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// Another program rewrites the file, as an editor or a second copy of the program would.
void ChangeOnDisk(const std::string& path) {
    std::ofstream(path, std::ios::binary | std::ios::app) << "x";
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
}

TEST(SaveGuard, AsksBeforeOverwritingAFileAnotherProgramChanged) {
    SavedLeague saved;
    ChangeOnDisk(saved.path);
    const std::string theirs = FileText(saved.path);
    saved.prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(saved.GuardedSave());
    EXPECT_EQ(saved.prompts.last(),
              "league.div was changed by another program after it was opened here. Save over those changes?");
    EXPECT_EQ(FileText(saved.path), theirs);
    EXPECT_FALSE(fs::exists(saved.backup));
    EXPECT_TRUE(saved.league->DataChanged());
    ASSERT_TRUE(saved.GuardedSave());
    EXPECT_EQ(FileText(saved.backup), theirs); // their version is kept
    EXPECT_FALSE(saved.league->DataChanged());
    EXPECT_EQ(saved.prompts.shown.size(), 2u);
}

// A second program changes the league while the save begins: it holds the lock from loading to saving, as a
// command-line change does, and the save waits for it, sees its change and asks.
TEST(SaveGuard, ASaveDuringAnotherProgramsChangeWaitsForItAndAsksBeforeOverwritingIt) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        SavedLeague saved;
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileLock lock;
            Division theirs;
            if (!FileLock::Take(saved.path, lock) || !LoadDivision(saved.path, theirs))
                _exit(1);
            (void)!write(ready[1], "L", 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            (void)AddPlayer(theirs, PlayerRecord{ShortString<20>("Theirs"), 1, 0});
            _exit(SaveDivision(saved.path, theirs) ? 0 : 2);
        }
        char locked = 0;
        ASSERT_EQ(read(ready[0], &locked, 1), 1); // the other program holds the lock now
        close(ready[0]);
        close(ready[1]);
        saved.prompts.answers = {answer};
        const bool overwritten = saved.GuardedSave();
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        ASSERT_EQ(saved.prompts.shown.size(), 1u);
        EXPECT_EQ(saved.prompts.shown[0].kind, "ask");
        Division onDisk, backup;
        ASSERT_TRUE(LoadDivision(saved.path, onDisk));
        EXPECT_EQ(overwritten, answer == Answer::Yes);
        EXPECT_EQ(onDisk.Header().PlayerCount, answer == Answer::Yes ? 0 : 1); // their player is never lost
        if (answer == Answer::Yes) {
            ASSERT_TRUE(LoadDivision(saved.backup, backup));
            EXPECT_EQ(backup.Header().PlayerCount, 1);
        }
    }
}

// From the second save on, the previous file is kept as a backup; whatever sits at the backup's name
// (nothing, links, a hard link to someone else's file) is replaced and never written through.
TEST(SaveGuard, KeepsThePreviousFileAsABackupReplacingWhatSitsAtItsNameAndNeverWritingThrough) {
    const std::function<void(const fs::path&, const fs::path&, const fs::path&)> plants[] = {
        [](auto&, auto&, auto&) {}, [](auto& bak, auto&, auto& victim) { fs::create_symlink(victim, bak); },
        [](auto& bak, auto&, auto& victim) { fs::create_hard_link(victim, bak); },
        [](auto& bak, auto&, auto&) { fs::create_symlink(bak.parent_path() / "missing", bak); },
        [](auto& bak, auto& league, auto&) { fs::create_symlink(league, bak); }};
    for (std::size_t p = 0; p < std::size(plants); ++p) {
        SCOPED_TRACE(p);
        SavedLeague saved; // the first save makes the file
        EXPECT_FALSE(fs::exists(saved.backup));
        const std::string victim = saved.folder.file("victim.txt");
        WriteText(victim, "precious");
        plants[p](saved.backup, saved.path, victim);
        ASSERT_TRUE(saved.GuardedSave());
        EXPECT_EQ(FileText(victim), "precious");
        EXPECT_FALSE(fs::exists(saved.folder.file("missing")));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(saved.backup)));
        EXPECT_EQ(FileBytes(saved.backup), saved.before);
        const Bytes second = FileBytes(saved.path);
        EXPECT_EQ(second, WriteDivision(*saved.league));
        PlayFixture(*saved.league, 2, 1, 1, 45001);
        ASSERT_TRUE(saved.GuardedSave()); // saving again asks nothing: the change was ours
        EXPECT_EQ(FileBytes(saved.backup), second);
        EXPECT_TRUE(saved.prompts.shown.empty()) << saved.prompts.last();
    }
}

TEST(SaveGuard, ABackupThatCannotBeWrittenIsSaidOnceAndTheSaveGoesOn) {
    SavedLeague saved;
    fs::create_directory(saved.backup);
    ASSERT_TRUE(saved.GuardedSave());
    PlayFixture(*saved.league, 2, 2, 0, 45000);
    ASSERT_TRUE(saved.GuardedSave());
    ASSERT_EQ(saved.prompts.shown.size(), 1u);
    EXPECT_EQ(saved.prompts.shown[0].kind, "warn");
    EXPECT_EQ(saved.prompts.shown[0].text,
              "The backup league.div.bak could not be written (File access denied). The "
              "league is saved without a new backup.");
    EXPECT_TRUE(fs::is_directory(saved.backup));
    EXPECT_EQ(FileBytes(saved.path), WriteDivision(*saved.league));
}

// The journal of unsaved changes as a file: cut anywhere it still gives its whole changes, it is refused for
// a league file it was not made for, and it is made as a save makes its temporary file.

TEST(Journal, CutAtAnyByteReplaysUpToItsLastWholeChange) {
    TempFolder folder;
    const std::string league = folder.file("cut.div"), journal = JournalPathOf(league);
    auto division = MakeLeague(8, 2);
    ASSERT_TRUE(WriteNewLeague(league, *division));
    const Bytes file = FileBytes(league);
    EditHistory history;
    history.Start(*division, true);
    JournalWriter writer;
    ASSERT_TRUE(writer.Create(journal, league, file));
    std::vector<Bytes> states = {WriteDivision(*division)};
    std::vector<std::uintmax_t> ends = {fs::file_size(journal)};
    for (int step = 1; step <= 12; ++step) {
        if (step % 4 == 0) {
            ASSERT_TRUE(writer.Append(*history.Undo(*division)));
        } else {
            ASSERT_TRUE(SetDeduction(*division, 1 + step % 8, step));
            ASSERT_TRUE(writer.Append(*history.Record(*division, "deduction")));
        }
        states.push_back(WriteDivision(*division));
        ends.push_back(fs::file_size(journal));
    }
    const Bytes whole = FileBytes(journal);
    std::mt19937 random(77);
    for (int cut = 0; cut < 200; ++cut) {
        const std::size_t length = random() % (whole.size() + 1);
        const JournalContents contents = DecodeJournal(std::span(whole).first(length), std::span(file));
        ASSERT_EQ(contents.state, JournalContents::State::Fits);
        std::size_t expected = 0;
        while (expected + 1 < ends.size() && ends[expected + 1] <= length)
            ++expected;
        ASSERT_EQ(contents.entries.size(), expected) << "cut at " << length;
        EditHistory replay;
        auto fresh = MakeLeague(8, 2);
        replay.Start(*fresh, true);
        for (const JournalEntry& entry : contents.entries)
            ASSERT_TRUE(replay.Replay(entry));
        ASSERT_TRUE(std::ranges::equal(replay.bytes(), states[expected])) << "cut at " << length;
    }
}

TEST(Journal, IsMadeExclusivelyNeverThroughALinkWithTheLeaguesModeAndNeverFitsAChangedLeague) {
    TempFolder folder;
    const std::string league = folder.file("mode.div"), journal = JournalPathOf(league);
    ASSERT_TRUE(WriteNewLeague(league, *MakeLeague(4, 2)));
    ASSERT_EQ(::chmod(league.c_str(), 0640), 0);
    EXPECT_EQ(fs::path(journal).filename(), ".mode.div.journal");
    Bytes file = FileBytes(league);
    // A link planted at the journal's name is never followed, and what it points at is not touched.
    fs::create_symlink(folder.file("target"), journal);
    JournalWriter writer;
    EXPECT_FALSE(writer.Create(journal, league, file));
    EXPECT_FALSE(fs::exists(folder.file("target")));
    fs::remove(journal);
    ASSERT_TRUE(writer.Create(journal, league, file));
    EXPECT_FALSE(JournalWriter().Create(journal, league, file)) << "made exclusively";
    struct stat info {};
    ASSERT_EQ(::stat(journal.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    writer.Close();

    // A league file changed since, or cut, is not the one the journal was made for; the journal is kept
    // aside.
    file[10] ^= 1;
    EXPECT_EQ(ReadJournal(journal, file).state, JournalContents::State::DoesNotFit);
    file.pop_back();
    file[10] ^= 1;
    EXPECT_EQ(ReadJournal(journal, file).state, JournalContents::State::DoesNotFit);
    std::string keptAs;
    ASSERT_TRUE(KeepJournalAside(journal, keptAs));
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_TRUE(fs::exists(keptAs));
    EXPECT_EQ(ReadJournal(journal, file).state, JournalContents::State::None);
    ASSERT_TRUE(writer.Create(journal, league, file));
    writer.Remove();
    EXPECT_FALSE(fs::exists(journal));
}

} // namespace
} // namespace vantorel
