// Saves of the largest league killed at random moments: the file is always the old league or the new one.

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::FileBytes;

using Bytes = std::vector<std::uint8_t>;

TEST(KillDuringSave, TheLeagueAlwaysLoadsAsTheOldOrTheNewLeague) {
    testing::TempFolder folder;
    const std::string path = folder.file("largest.div");
    auto first = testing::MakeLargestLeague();
    auto second = testing::MakeLargestLeague();
    testing::Edit(*second).Header().TableName.assignStored("Second");
    testing::Edit(*second).Result(kMaxResults).Attendance = 99999;
    const Bytes versions[] = {WriteDivision(*first), WriteDivision(*second)};
    ASSERT_TRUE(SaveDivision(path, *first));

    std::mt19937 random(15);
    int seen[2] = {0, 0};
    constexpr int kKills = 200;
    for (int kill = 0; kill < kKills; ++kill) {
        int saved[2];
        ASSERT_EQ(pipe(saved), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves the two leagues in turn until it is killed, telling the parent of each finished save.
            close(saved[0]);
            for (int s = 0;; ++s) {
                (void)SaveDivision(path, s % 2 == 0 ? *second : *first);
                (void)!write(saved[1], "s", 1);
            }
        }
        close(saved[1]);
        // Every other kill waits for the first save to finish, so that both leagues are seen on the
        // slowest machine too.
        char done = 0;
        const bool waited = kill % 2 == 0 || read(saved[0], &done, 1) == 1;
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        close(saved[0]);
        ASSERT_TRUE(waited) << "the saving program stopped before its first save";

        Division loaded;
        ASSERT_TRUE(LoadDivision(path, loaded)) << "after kill " << kill;
        const Bytes bytes = FileBytes(path);
        const bool isFirst = bytes == versions[0], isSecond = bytes == versions[1];
        ASSERT_TRUE(isFirst || isSecond) << "after kill " << kill;
        ++seen[isSecond ? 1 : 0];
    }
    // The kills landed at different moments of the saves.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    // No copy of the league is left behind once it is saved again.
    ASSERT_TRUE(SaveDivision(path, *first));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

} // namespace
} // namespace vantorel
