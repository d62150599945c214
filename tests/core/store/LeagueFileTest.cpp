#include "store/LeagueFile.h"

#include <filesystem>
#include <csignal>
#include <fstream>

#include <sys/resource.h>

#include <gtest/gtest.h>

#include "store/FileIo.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::FileBytes;
using testing::MakeLeague;
using testing::PlayFixture;
using testing::TempFolder;

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Saves with the process's file size limit lowered for the length of the save.
Status SaveWithFileSizeLimit(const std::string& path, Division& division, rlim_t limit) {
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = previous;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
    const Status status = SaveDivision(path, division);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    return status;
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
    ResultRecord& first = testing::Edit(division).Result(1);
    first = {1, true, 1, 2, 2, 1, 35501, 12000, false, 0, 0};
    for (int r = 2; r <= 12; ++r)
        testing::Edit(division).Result(r).MatchNo = static_cast<std::uint16_t>(r);

    const Bytes bytes = WriteDivision(division);
    ASSERT_EQ(bytes.size(), 68u + 4 * 36 + 12 * 24);
    Bytes expectedHeader = {0x05, 0x44, 0x49, 0x56, 0x48, 0x44, 0x14, 0x04, 0x54, 0x65, 0x73, 0x74};
    expectedHeader.resize(38, 0); // 26 bytes past the name's length
    for (std::uint8_t b :
         {0x04, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x01, 0x01, 0x02, 0x04, 0x31,
          0x32, 0x33, 0x34, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0B, 0x03})
        expectedHeader.push_back(b);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 68), expectedHeader);

    const Bytes expectedResult = {0x01, 0x00, 0x01, 0x01, 0x02, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0xA0,
                                  0x55, 0xE1, 0x40, 0xE0, 0x2E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    const auto resultStart = bytes.begin() + 68 + 4 * 36;
    EXPECT_EQ(Bytes(resultStart, resultStart + 24), expectedResult);

    // The older format stores the same date 693594 days later.
    const Bytes old = testing::ToOldFormat(bytes);
    const Bytes oldDate = {0x00, 0x00, 0x00, 0x00, 0x0E, 0x40, 0x26, 0x41};
    const auto oldDateStart = old.begin() + 64 + 4 * 36 + 7;
    EXPECT_EQ(Bytes(oldDateStart, oldDateStart + 8), oldDate);
}

TEST(LeagueFile, LoadThenSaveReproducesTheFileByteForByte) {
    TempFolder folder;
    auto original = SmallLeagueInUse();
    const Bytes written = WriteDivision(*original);
    ASSERT_EQ(written.size(), 1891u);
    // Bytes past a string's length come back as they were, even when they are not zero.
    Bytes onDisk = written;
    onDisk[68 + 20] = 0x7A;
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "temporary file left";
}

TEST(LeagueFile, TheLargestLeagueRoundTrips) {
    auto largest = testing::MakeLargestLeague();
    const Bytes bytes = WriteDivision(*largest);
    EXPECT_EQ(bytes.size(), kLargestFileSize);
    Division loaded;
    ASSERT_TRUE(ReadDivision(bytes, loaded));
    EXPECT_EQ(WriteDivision(loaded), bytes);
}

TEST(LeagueFile, UpgradesAnOlderFileInMemory) {
    auto league = SmallLeagueInUse();
    testing::Edit(*league).Header().TeamSize = 7;
    testing::Edit(*league).Result(6).MatchDate = 0; // open fixture without a date
    const Bytes old = testing::ToOldFormat(WriteDivision(*league));

    Division loaded;
    ASSERT_TRUE(ReadDivision(old, loaded));
    EXPECT_EQ(loaded.Header().Version, 20);
    EXPECT_FALSE(loaded.DataChanged());
    EXPECT_EQ(loaded.Header().TeamSize, 11);
    EXPECT_EQ(loaded.Header().SubsCount, 3);
    EXPECT_EQ(loaded.Header().SquadCount, 0);
    EXPECT_EQ(loaded.Header().PlayerCount, 2);
    EXPECT_EQ(loaded.Results[1].MatchDate, 35501); // played: date shifted back, no prediction
    EXPECT_FALSE(loaded.Results[1].Predicted);
    EXPECT_EQ(loaded.Results[1].HomeSquad, 0);
    EXPECT_EQ(loaded.Results[5].MatchDate, 35600); // open with a date: a prediction
    EXPECT_TRUE(loaded.Results[5].Predicted);
    EXPECT_FALSE(loaded.Results[6].Predicted); // open without a date
    EXPECT_EQ(loaded.Results[6].MatchDate, 0);
    EXPECT_EQ(loaded.Goals[2].GoalTime, 80);
    EXPECT_EQ(loaded.Players[1].Name.stored(), "Ann");
    // Written back in the current format.
    EXPECT_EQ(WriteDivision(loaded)[6], 20);
}

TEST(LeagueFile, AFileCutAtAnyRecordBoundaryIsRefusedAndTheOpenLeagueStays) {
    const Bytes bytes = WriteDivision(*SmallLeagueInUse());
    std::vector<std::size_t> cuts = {0, 10, 67};
    for (std::size_t at = 68; at < bytes.size(); at += 1)
        cuts.push_back(at);
    auto open = MakeLeague(6, 1);
    for (std::size_t cut : cuts) {
        const Status status = ReadDivision(std::span(bytes.data(), cut), *open);
        ASSERT_FALSE(status) << cut;
        EXPECT_EQ(status.message(), "Read beyond end of file") << cut;
    }
    EXPECT_EQ(open->Header().TeamCount, 6);
    EXPECT_EQ(open->Teams[1].Name.stored(), "Team 01");
}

TEST(LeagueFile, ReportsFileErrorsInTheUsersWords) {
    TempFolder folder;
    Division division;
    EXPECT_EQ(LoadDivision(folder.file("missing.div"), division).message(), "File not found");
    EXPECT_EQ(LoadDivision(folder.folder(), division).message(), "File access denied");
    EXPECT_EQ(IoErrorText(kReadBeyondEnd), "Read beyond end of file");
    EXPECT_EQ(IoErrorText(ENOSPC), "Disk full");
    EXPECT_EQ(IoErrorText(EMFILE), "Too many open files");
    EXPECT_EQ(IoErrorText(ENOTDIR), "Invalid filename");
    EXPECT_EQ(IoErrorText(EIO), "I/O error " + std::to_string(EIO));
}

TEST(LeagueFile, AFailedSaveLeavesThePreviousFileAndTheChangedFlag) {
    TempFolder folder;
    auto league = MakeLeague(4, 2);
    ASSERT_TRUE(WriteNewLeague(folder.file("league.div"), *league));
    const Bytes before = FileBytes(folder.file("league.div"));

    // A file size limit below the league's size makes the write fail half way, as a full disk does.
    PlayFixture(*league, 1, 1, 0);
    const Status status = SaveWithFileSizeLimit(folder.file("league.div"), *league, 100);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.message(), "Disk full");
    EXPECT_TRUE(league->DataChanged());
    EXPECT_EQ(FileBytes(folder.file("league.div")), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "temporary file left";

    EXPECT_FALSE(SaveDivision(folder.file("no-such-folder/league.div"), *league));
    EXPECT_TRUE(league->DataChanged());
}

} // namespace
} // namespace vantorel
