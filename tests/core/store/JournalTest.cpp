// The journal of unsaved changes as a file: cut anywhere it still gives its whole changes, it is refused
// for a league file it was not made for, and it is made as a save makes its temporary file.

#include <filesystem>
#include <random>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/EditHistory.h"
#include "app/LeagueSettings.h"
#include "store/FileIo.h"
#include "store/Journal.h"
#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, 1 << 24, bytes));
    return bytes;
}

TEST(Journal, CutAtAnyByteReplaysUpToItsLastWholeChange) {
    testing::TempFolder folder;
    const std::string league = folder.file("cut.div");
    auto division = testing::MakeLeague(8, 2);
    ASSERT_TRUE(WriteNewLeague(league, *division));
    const std::vector<std::uint8_t> file = Bytes(league);

    EditHistory history;
    history.Start(*division, true);
    JournalWriter writer;
    const std::string journal = JournalPathOf(league);
    ASSERT_TRUE(writer.Create(journal, league, file));
    std::vector<std::vector<std::uint8_t>> states = {WriteDivision(*division)};
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
    const std::vector<std::uint8_t> whole = Bytes(journal);

    std::mt19937 random(77);
    for (int cut = 0; cut < 200; ++cut) {
        const std::size_t length = random() % (whole.size() + 1);
        const JournalContents contents =
            DecodeJournal(std::span(whole).first(length), std::span<const std::uint8_t>(file));
        ASSERT_EQ(contents.state, JournalContents::State::Fits);
        std::size_t expected = 0;
        while (expected + 1 < ends.size() && ends[expected + 1] <= length)
            ++expected;
        ASSERT_EQ(contents.entries.size(), expected) << "cut at " << length;
        EditHistory replay;
        auto fresh = testing::MakeLeague(8, 2);
        replay.Start(*fresh, true);
        for (const JournalEntry& entry : contents.entries)
            ASSERT_TRUE(replay.Replay(entry));
        ASSERT_TRUE(std::ranges::equal(replay.bytes(), states[expected])) << "cut at " << length;
    }
}

TEST(Journal, DoesNotFitALeagueFileChangedSinceAndIsKeptAside) {
    testing::TempFolder folder;
    const std::string league = folder.file("moved.div");
    auto division = testing::MakeLeague(4, 2);
    ASSERT_TRUE(WriteNewLeague(league, *division));
    std::vector<std::uint8_t> file = Bytes(league);
    const std::string journal = JournalPathOf(league);
    {
        JournalWriter writer;
        ASSERT_TRUE(writer.Create(journal, league, file));
    }
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
}

TEST(Journal, IsMadeExclusivelyNeverThroughALinkWithTheLeaguesMode) {
    testing::TempFolder folder;
    const std::string league = folder.file("mode.div");
    ASSERT_TRUE(WriteNewLeague(league, *testing::MakeLeague(4, 2)));
    ASSERT_EQ(::chmod(league.c_str(), 0640), 0);
    const std::string journal = JournalPathOf(league);
    EXPECT_EQ(fs::path(journal).filename(), ".mode.div.journal");

    // A link planted at the journal's name is never followed, and what it points at is not touched.
    const std::string target = folder.file("target");
    fs::create_symlink(target, journal);
    JournalWriter writer;
    EXPECT_FALSE(writer.Create(journal, league, Bytes(league)));
    EXPECT_FALSE(fs::exists(target));
    fs::remove(journal);

    ASSERT_TRUE(writer.Create(journal, league, Bytes(league)));
    EXPECT_FALSE(JournalWriter().Create(journal, league, Bytes(league))) << "made exclusively";
    struct stat info {};
    ASSERT_EQ(::stat(journal.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    writer.Remove();
    EXPECT_FALSE(fs::exists(journal));
}

} // namespace
} // namespace vantorel
