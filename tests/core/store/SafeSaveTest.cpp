// Saving in a folder shared with others, with protected files, links and other programs saving at once.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "store/FileIo.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using testing::FileBytes;
using testing::MakeLeague;
using testing::TempFolder;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A folder holding one league, and a changed version of it to save.
struct SavedLeague {
    TempFolder folder;
    std::string path = folder.file("league.div");
    std::unique_ptr<Division> league = MakeLeague(4, 2);
    Bytes before;
    SavedLeague() {
        EXPECT_TRUE(WriteNewLeague(path, *league));
        before = FileBytes(path);
        testing::PlayFixture(*league, 1, 2, 0, 35501);
    }
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(SafeSave, ALinkPlantedAtAnyTemporaryNameNeverRedirectsTheSave) {
    SavedLeague saved;
    const std::string victim = saved.folder.file("victim.txt");
    WriteText(victim, "precious");
    for (const char* planted : {"league.div.saving", "league.div.tmp", ".league.div.saving"})
        fs::create_symlink(victim, saved.folder.file(planted));
    ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
    EXPECT_EQ(FileBytes(victim), Bytes({'p', 'r', 'e', 'c', 'i', 'o', 'u', 's'}));
    EXPECT_FALSE(fs::is_symlink(saved.path));
    EXPECT_EQ(FileBytes(saved.path), WriteDivision(*saved.league));
}

TEST(SafeSave, AReadOnlyLeagueIsRefusedAndStaysAsItWas) {
    SavedLeague saved;
    chmod(saved.path.c_str(), 0444);
    const Status status = SaveDivision(saved.path, *saved.league);
    EXPECT_EQ(status.message(), "File access denied");
    EXPECT_TRUE(saved.league->DataChanged());
    EXPECT_EQ(FileBytes(saved.path), saved.before);
    EXPECT_EQ(ModeOf(saved.path), 0444u);
    EXPECT_EQ(std::distance(fs::directory_iterator(saved.folder.path()), {}), 1);
}

TEST(SafeSave, TheSavedFileKeepsThePreviousMode) {
    for (const mode_t mode : {0600u, 0640u, 0664u}) {
        SavedLeague saved;
        chmod(saved.path.c_str(), mode);
        ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
        EXPECT_EQ(ModeOf(saved.path), mode);
    }
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
    EXPECT_EQ(std::distance(fs::directory_iterator(saved.folder.file("real")), {}), 1);
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
    constexpr int kWriters = 4, kSaves = 25;
    std::vector<Bytes> versions;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        auto league = MakeLeague(4 + 2 * w, 2);
        versions.push_back(WriteDivision(*league));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failures = 0;
            for (int s = 0; s < kSaves; ++s)
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
    EXPECT_EQ(std::distance(fs::directory_iterator(saved.folder.path()), {}), 1);
}

TEST(SafeSave, StaleTemporariesOfTheLeagueAreRemovedAndNothingElse) {
    SavedLeague saved;
    const std::string longName = std::string(40, 'l') + ".div";
    const std::string longLeague = saved.folder.file(longName);
    ASSERT_TRUE(SaveDivision(longLeague, *saved.league));
    // What a killed save of league.div, of its backup or of the long league left, beside look-alikes.
    struct Planted {
        std::string name;
        bool removedBySavingLeague;
    };
    std::vector<Planted> planted = {{".league.div.Ab3xYz", true},      {".league.div.000000", true},
                                    {".league.div.bak.Qw12Er", false}, {".league.div.Ab3xY", false},
                                    {".league.div.Ab3xYz1", false},    {".league.div.Ab-xYz", false},
                                    {"league.div.Ab3xYz", false},      {".other.div.Ab3xYz", false}};
    for (const Planted& p : planted)
        WriteText(saved.folder.file(p.name), "stale");
    fs::create_symlink("victim", saved.folder.file(".league.div.Sym123")); // no file of ours

    ASSERT_TRUE(SaveDivision(saved.path, *saved.league));
    for (const Planted& p : planted)
        EXPECT_EQ(fs::exists(saved.folder.file(p.name)), !p.removedBySavingLeague) << p.name;
    EXPECT_TRUE(fs::is_symlink(saved.folder.file(".league.div.Sym123")));

    // The backup's and the long league's own temporaries go with their own saves.
    ASSERT_TRUE(WriteBackup(saved.path, saved.path + ".bak"));
    EXPECT_FALSE(fs::exists(saved.folder.file(".league.div.bak.Qw12Er")));
    const std::size_t before =
        static_cast<std::size_t>(std::distance(fs::directory_iterator(saved.folder.path()), {}));
    WriteText(saved.folder.file("." + longName.substr(0, 24) + ".Ab3xYz"), "not the long league's");
    ASSERT_TRUE(SaveDivision(longLeague, *saved.league));
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(saved.folder.path()), {})),
              before + 1);
}

TEST(SafeSave, APipeOrDeviceIsRefusedAsALeagueWithoutWaitingOnIt) {
    TempFolder folder;
    const std::string pipe = folder.file("pipe.div");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, std::string("/dev/zero")}) {
        Division division;
        EXPECT_EQ(LoadDivision(path, division).message(), kNotAFileMessage) << path;
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(ReadFileBytes(path, 68, bytes).message(), kNotAFileMessage) << path;
    }
    auto league = MakeLeague(4, 2);
    EXPECT_EQ(SaveDivision(pipe, *league).message(), kNotAFileMessage);
    struct stat info {};
    ASSERT_EQ(lstat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

} // namespace
} // namespace vantorel
