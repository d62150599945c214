// Saving a league beside others' files, through links, against other programs saving at once and killed
// half way, and the journal of its unsaved changes.

#include "store/LeagueFile.h"
#include "store/SaveGuard.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
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
#include <sys/syscall.h>
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

// While set, linking a file in fails as on a file system that cannot give an unnamed file a name (no
// O_TMPFILE, or no /proc), so that saves take their named temporary file instead. Defined here, it stands in
// for the C library's linkat in the whole test program.
static std::atomic<bool> refuseLinks = false;
static std::atomic<int> linksRefused = 0;
extern "C" int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags) noexcept {
    if (refuseLinks) {
        ++linksRefused;
        errno = EOPNOTSUPP;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_linkat, fromFolder, from, toFolder, to, flags));
}

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
using testing::WriteText;

long EntriesIn(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), {});
}

// Runs work in a child process, which exits with what work returns.
template <class Work> pid_t InChild(Work work) {
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    return child;
}

// The exit status of a child process, -1 when it did not exit by itself.
int ExitStatusOf(pid_t child) {
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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

// Runs write with a file size limit below a league's size, which makes a write fail half way, as a full disk
// does.
template <class Write> auto UnderFileSizeLimit(Write write) {
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = previous;
    lowered.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &lowered);
    const auto result = write();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

TEST(SafeSave, AReadOnlyLeagueIsRefusedASavedFileKeepsItsModeAndNoPlantedLinkRedirectsTheSave) {
    SavedLeague saved;
    chmod(saved.path.c_str(), 0444);
    EXPECT_EQ(SaveDivision(saved.path, *saved.league).message(), "File access denied");
    EXPECT_EQ(FileBytes(saved.path), saved.before);
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
    EXPECT_EQ(FileBytes(saved.path), WriteDivision(*saved.league));
}

TEST(SafeSave, WithoutUnnamedFilesASaveGoesThroughANamedTemporaryWithTheLeaguesMode) {
    SavedLeague saved;
    chmod(saved.path.c_str(), 0640);
    refuseLinks = true;
    const Status status = SaveDivision(saved.path, *saved.league);
    refuseLinks = false;
    ASSERT_TRUE(status) << status.message();
    EXPECT_EQ(linksRefused, 1) << "the unnamed file was not offered a name";
    EXPECT_EQ(FileBytes(saved.path), WriteDivision(*saved.league));
    EXPECT_EQ(ModeOf(saved.path), 0640u);
    EXPECT_EQ(EntriesIn(saved.folder.path()), 1);
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
    ASSERT_TRUE(LoadDivision(longest, loaded)); // it opens too
    EXPECT_TRUE(SaveDivision(longest, *saved.league));
    EXPECT_EQ(FileBytes(longest), WriteDivision(*saved.league));
    EXPECT_EQ(SaveDivision(saved.folder.file(std::string(256, 'n')), *saved.league).message(),
              "Invalid filename");
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
        children.push_back(InChild([&] {
            int failures = 0;
            for (int s = 0; s < 25; ++s)
                failures += SaveDivision(saved.path, *league).ok() ? 0 : 1;
            return failures;
        }));
    }
    for (const pid_t child : children)
        EXPECT_EQ(ExitStatusOf(child), 0) << "failed saves";
    EXPECT_NE(std::find(versions.begin(), versions.end(), FileBytes(saved.path)), versions.end());
    EXPECT_EQ(EntriesIn(saved.folder.path()), 1);
}

// Saves of the largest league killed at random moments: the file is always the old league or the new one.
TEST(KillDuringSave, TheLeagueAlwaysLoadsAsTheOldOrTheNewLeague) {
    TempFolder folder;
    const std::string path = folder.file("largest.div");
    auto first = testing::MakeLargestLeague(), second = testing::MakeLargestLeague();
    testing::Edit(*second).Header().TableName.assignStored("Second");
    testing::Edit(*second).Result(kMaxResults).Attendance = 99999;
    const Bytes versions[] = {WriteDivision(*first), WriteDivision(*second)};
    ASSERT_TRUE(SaveDivision(path, *first));
    std::mt19937 random(15);
    int seen[2] = {0, 0};
    for (int kill = 0; kill < 200; ++kill) {
        int saved[2];
        ASSERT_EQ(pipe(saved), 0);
        // Saves the two leagues in turn until it is killed, telling the parent of each finished save.
        const pid_t child = InChild([&]() -> int {
            close(saved[0]);
            for (int s = 0;; ++s) {
                (void)SaveDivision(path, s % 2 == 0 ? *second : *first);
                (void)!write(saved[1], "s", 1);
            }
        });
        close(saved[1]);
        // Every other kill waits for the first save to finish, so that both leagues are seen on the
        // slowest machine too.
        char done = 0;
        const bool waited = kill % 2 == 0 || read(saved[0], &done, 1) == 1;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(child, SIGKILL);
        (void)ExitStatusOf(child);
        close(saved[0]);
        ASSERT_TRUE(waited) << "the saving program stopped before its first save";
        const Bytes bytes = FileBytes(path);
        ASSERT_TRUE(bytes == versions[0] || bytes == versions[1]) << "after kill " << kill;
        ++seen[bytes == versions[1] ? 1 : 0];
    }
    // The kills landed at different moments of the saves.
    EXPECT_TRUE(seen[0] > 0 && seen[1] > 0) << seen[0] << " old, " << seen[1] << " new";
    // No copy of the league is left behind once it is saved again.
    ASSERT_TRUE(SaveDivision(path, *first));
    EXPECT_EQ(EntriesIn(folder.path()), 1);
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
        Bytes bytes;    // as opening a league, an import or a journal reads a file
        errno = EACCES; // left over from an earlier call, which says nothing of this file
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
    SavedLeague saved;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = InChild([&] {
        FileLock lock;
        Division theirs;
        if (!FileLock::Take(saved.path, lock) || !LoadDivision(saved.path, theirs))
            return 1;
        (void)!write(ready[1], "L", 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        (void)AddPlayer(theirs, PlayerRecord{ShortString<20>("Theirs"), 1, 0});
        return SaveDivision(saved.path, theirs) ? 0 : 2;
    });
    close(ready[1]); // a program that stops before taking the lock ends the read
    char locked = 0;
    ASSERT_EQ(read(ready[0], &locked, 1), 1); // the other program holds the lock now
    close(ready[0]);
    saved.prompts.answers = {Answer::Yes}; // the answer No is the test above's
    EXPECT_TRUE(saved.GuardedSave());
    ASSERT_EQ(ExitStatusOf(child), 0);
    ASSERT_EQ(saved.prompts.shown.size(), 1u);
    EXPECT_EQ(saved.prompts.shown[0].kind, "ask");
    Division onDisk, backup;
    ASSERT_TRUE(LoadDivision(saved.path, onDisk));
    ASSERT_TRUE(LoadDivision(saved.backup, backup));
    EXPECT_EQ(onDisk.Header().PlayerCount, 0);
    EXPECT_EQ(backup.Header().PlayerCount, 1); // their player is kept
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
        const std::string victim = saved.folder.file("victim.txt");
        WriteText(victim, "precious");
        plants[p](saved.backup, saved.path, victim);
        ASSERT_TRUE(saved.GuardedSave());
        EXPECT_EQ(FileText(victim), "precious");
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

TEST(SaveGuard,
     AFailedSaveLeavesThePreviousFileAndABackupThatCannotBeWrittenIsSaidOnceAfterASaveThatWentThrough) {
    SavedLeague saved;
    fs::create_directory(saved.backup);
    // A save that fails half way leaves the previous file, no temporary one and the changed flag, and says so
    // alone: the backup's warning would tell of a league saved.
    EXPECT_FALSE(UnderFileSizeLimit([&] { return saved.GuardedSave(); }));
    ASSERT_EQ(saved.prompts.texts(), std::vector<std::string>{"Disk full"});
    EXPECT_EQ(saved.prompts.shown[0].kind, "error");
    EXPECT_TRUE(saved.league->DataChanged());
    EXPECT_EQ(FileBytes(saved.path), saved.before);
    EXPECT_EQ(EntriesIn(saved.folder.path()), 2)
        << "temporary file left"; // the league and the backup's folder
    ASSERT_TRUE(saved.GuardedSave());
    PlayFixture(*saved.league, 2, 2, 0, 45000);
    ASSERT_TRUE(saved.GuardedSave());
    ASSERT_EQ(saved.prompts.shown.size(), 2u);
    EXPECT_EQ(saved.prompts.shown[1].kind, "warn");
    EXPECT_EQ(saved.prompts.shown[1].text,
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
    EXPECT_EQ(ModeOf(journal), 0640u);
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
