#include "store/SaveGuard.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "store/FileIo.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::FileText;
using testing::ScriptedPrompts;
using testing::TempFolder;

// Another program rewrites the file, as an editor or a second copy of the program would.
void ChangeOnDisk(const std::string& path) {
    std::ofstream(path, std::ios::binary | std::ios::app) << "x";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
}

// A league saved in a fresh folder and noted by a guard, as the workspace holds a league it opened.
struct OpenedLeague {
    TempFolder folder;
    std::string path = folder.file("league.div");
    std::unique_ptr<Division> league = testing::MakeLeague(4, 2);
    SaveGuard guard;
    OpenedLeague() {
        EXPECT_TRUE(WriteNewLeague(path, *league));
        guard.Remember(path);
    }
};

TEST(SaveGuard, KeepsThePreviousFileAsABackupFromTheSecondSaveOn) {
    OpenedLeague opened; // the first save makes the file
    const std::string& path = opened.path;
    EXPECT_FALSE(std::filesystem::exists(BackupPathOf(path)));
    const std::string created = FileText(path);

    ScriptedPrompts prompts;
    testing::PlayFixture(*opened.league, 1, 2, 0, 45000);
    ASSERT_TRUE(opened.guard.Save(path, *opened.league, prompts));
    EXPECT_EQ(FileText(BackupPathOf(path)), created);
    const std::string second = FileText(path);
    EXPECT_NE(second, created);

    testing::PlayFixture(*opened.league, 2, 1, 1, 45001);
    ASSERT_TRUE(opened.guard.Save(path, *opened.league, prompts)); // saving again asks nothing: the change was ours
    EXPECT_EQ(FileText(BackupPathOf(path)), second);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(SaveGuard, AsksBeforeOverwritingAFileAnotherProgramChanged) {
    OpenedLeague opened;
    const std::string& path = opened.path;
    ChangeOnDisk(path);
    const std::string theirs = FileText(path);

    ScriptedPrompts prompts;
    prompts.answers = {Answer::No, Answer::Yes};
    testing::MarkChanged(*opened.league);
    EXPECT_FALSE(opened.guard.Save(path, *opened.league, prompts));
    EXPECT_EQ(prompts.last(),
              "league.div was changed by another program after it was opened here. Save over those changes?");
    EXPECT_EQ(FileText(path), theirs);
    EXPECT_FALSE(std::filesystem::exists(BackupPathOf(path)));
    EXPECT_TRUE(opened.league->DataChanged());

    ASSERT_TRUE(opened.guard.Save(path, *opened.league, prompts));
    EXPECT_EQ(FileText(BackupPathOf(path)), theirs); // their version is kept
    EXPECT_FALSE(opened.league->DataChanged());
    EXPECT_EQ(prompts.shown.size(), 2u);
}

// A second program changes the league while the save begins: it holds the lock from loading to saving, as a
// command-line change does, and the save waits for it, sees its change and asks.
TEST(SaveGuard, ASaveDuringAnotherProgramsChangeWaitsForItAndAsksBeforeOverwritingIt) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        OpenedLeague opened;
        const std::string& path = opened.path;
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FileLock lock;
            Division theirs;
            if (!FileLock::Take(path, lock) || !LoadDivision(path, theirs))
                _exit(1);
            (void)!write(ready[1], "L", 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            (void)AddPlayer(theirs, PlayerRecord{ShortString<20>("Theirs"), 1, 0});
            _exit(SaveDivision(path, theirs) ? 0 : 2);
        }
        char locked = 0;
        ASSERT_EQ(read(ready[0], &locked, 1), 1); // the other program holds the lock now
        close(ready[0]);
        close(ready[1]);

        ScriptedPrompts prompts;
        prompts.answers = {answer};
        testing::PlayFixture(*opened.league, 1, 2, 0, 45000);
        const bool saved = opened.guard.Save(path, *opened.league, prompts);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, "ask");
        Division onDisk, backup;
        ASSERT_TRUE(LoadDivision(path, onDisk));
        EXPECT_EQ(saved, answer == Answer::Yes);
        EXPECT_EQ(onDisk.Header().PlayerCount, answer == Answer::Yes ? 0 : 1); // their player is never lost
        if (answer == Answer::Yes) {
            ASSERT_TRUE(LoadDivision(BackupPathOf(path), backup));
            EXPECT_EQ(backup.Header().PlayerCount, 1);
        }
    }
}

struct PlantedBackup {
    const char* name;
    // Plants something at the backup's name, given the backup, the league and a file of someone else's.
    std::function<void(const std::string&, const std::string&, const std::string&)> plant;
};

void PrintTo(const PlantedBackup& planted, std::ostream* out) {
    *out << planted.name;
}

class BackupName : public ::testing::TestWithParam<PlantedBackup> {};

TEST_P(BackupName, WhatSitsThereIsReplacedAndNeverWrittenThrough) {
    OpenedLeague opened;
    const std::string& path = opened.path;
    const std::string victim = opened.folder.file("victim.txt");
    std::ofstream(victim) << "precious";
    const std::string before = FileText(path);
    GetParam().plant(BackupPathOf(path), path, victim);

    ScriptedPrompts prompts;
    testing::PlayFixture(*opened.league, 1, 2, 0, 45000);
    ASSERT_TRUE(opened.guard.Save(path, *opened.league, prompts));
    EXPECT_TRUE(prompts.shown.empty()) << prompts.last();
    EXPECT_EQ(FileText(victim), "precious");
    EXPECT_FALSE(std::filesystem::exists(opened.folder.file("missing")));
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(BackupPathOf(path))));
    EXPECT_EQ(FileText(BackupPathOf(path)), before);
    Division saved;
    ASSERT_TRUE(LoadDivision(path, saved));
    EXPECT_TRUE(saved.Results[1].Played);
}

const PlantedBackup kPlantedBackups[] = {
    {"SymbolicLink", [](auto& bak, auto&, auto& victim) { std::filesystem::create_symlink(victim, bak); }},
    {"HardLink", [](auto& bak, auto&, auto& victim) { std::filesystem::create_hard_link(victim, bak); }},
    {"DanglingLink",
     [](auto& bak, auto&, auto&) {
         std::filesystem::create_symlink(std::filesystem::path(bak).parent_path() / "missing", bak);
     }},
    {"LinkToTheLeague", [](auto& bak, auto& league, auto&) { std::filesystem::create_symlink(league, bak); }},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfLink, BackupName, ::testing::ValuesIn(kPlantedBackups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveGuard, ABackupThatCannotBeWrittenIsSaidOnceAndTheSaveGoesOn) {
    OpenedLeague opened;
    const std::string& path = opened.path;
    std::filesystem::create_directory(BackupPathOf(path));
    ScriptedPrompts prompts;
    for (int save = 1; save <= 2; ++save) {
        testing::PlayFixture(*opened.league, save, 2, 0, 45000);
        ASSERT_TRUE(opened.guard.Save(path, *opened.league, prompts));
    }
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "warn");
    EXPECT_EQ(
        prompts.shown[0].text,
        "The backup league.div.bak could not be written (File access denied). The league is saved without a "
        "new backup.");
    EXPECT_TRUE(std::filesystem::is_directory(BackupPathOf(path)));
    Division saved;
    ASSERT_TRUE(LoadDivision(path, saved));
    EXPECT_TRUE(saved.Results[2].Played);
}

} // namespace
} // namespace vantorel
