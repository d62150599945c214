#include "store/SaveGuard.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::ScriptedPrompts;
using testing::FileText;
using testing::TempFolder;

// Another program rewrites the file, as an editor or a second copy of the program would.
void ChangeOnDisk(const std::string& path) {
    std::ofstream(path, std::ios::binary | std::ios::app) << "x";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
}

TEST(SaveGuard, KeepsThePreviousFileAsABackupFromTheSecondSaveOn) {
    TempFolder folder;
    const std::string path = folder.file("league.div");
    auto league = testing::MakeLeague(4, 2);
    ASSERT_TRUE(WriteNewLeague(path, *league)); // the first save makes the file
    EXPECT_FALSE(std::filesystem::exists(BackupPathOf(path)));
    const std::string created = FileText(path);

    SaveGuard guard;
    ScriptedPrompts prompts;
    guard.Remember(path);
    testing::PlayFixture(*league, 1, 2, 0, 45000);
    ASSERT_TRUE(guard.Save(path, *league, prompts));
    EXPECT_EQ(FileText(BackupPathOf(path)), created);
    const std::string second = FileText(path);
    EXPECT_NE(second, created);

    testing::PlayFixture(*league, 2, 1, 1, 45001);
    ASSERT_TRUE(guard.Save(path, *league, prompts)); // saving again asks nothing: the change was ours
    EXPECT_EQ(FileText(BackupPathOf(path)), second);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(SaveGuard, AsksBeforeOverwritingAFileAnotherProgramChanged) {
    TempFolder folder;
    const std::string path = folder.file("league.div");
    auto league = testing::MakeLeague(4, 2);
    ASSERT_TRUE(WriteNewLeague(path, *league));
    SaveGuard guard;
    guard.Remember(path);
    ChangeOnDisk(path);
    const std::string theirs = FileText(path);

    ScriptedPrompts prompts;
    prompts.answers = {Answer::No, Answer::Yes};
    testing::MarkChanged(*league);
    EXPECT_FALSE(guard.Save(path, *league, prompts));
    EXPECT_EQ(prompts.last(),
              "league.div was changed by another program after it was opened here. Save over those changes?");
    EXPECT_EQ(FileText(path), theirs);
    EXPECT_FALSE(std::filesystem::exists(BackupPathOf(path)));
    EXPECT_TRUE(league->DataChanged());

    ASSERT_TRUE(guard.Save(path, *league, prompts));
    EXPECT_EQ(FileText(BackupPathOf(path)), theirs); // their version is kept
    EXPECT_FALSE(league->DataChanged());
    EXPECT_EQ(prompts.shown.size(), 2u);
}

} // namespace
} // namespace vantorel
