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
using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& path) {
    Bytes bytes;
    EXPECT_TRUE(ReadFileBytes(path, 1 << 24, bytes));
    return bytes;
}

TEST(Journal, CutAtAnyByteReplaysUpToItsLastWholeChange) {
    testing::TempFolder folder;
    const std::string league = folder.file("cut.div"), journal = JournalPathOf(league);
    auto division = testing::MakeLeague(8, 2);
    ASSERT_TRUE(WriteNewLeague(league, *division));
    const Bytes file = BytesOf(league);
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
    const Bytes whole = BytesOf(journal);
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
        auto fresh = testing::MakeLeague(8, 2);
        replay.Start(*fresh, true);
        for (const JournalEntry& entry : contents.entries)
            ASSERT_TRUE(replay.Replay(entry));
        ASSERT_TRUE(std::ranges::equal(replay.bytes(), states[expected])) << "cut at " << length;
    }
}

TEST(Journal, IsMadeExclusivelyNeverThroughALinkWithTheLeaguesModeAndNeverFitsAChangedLeague) {
    testing::TempFolder folder;
    const std::string league = folder.file("mode.div"), journal = JournalPathOf(league);
    ASSERT_TRUE(WriteNewLeague(league, *testing::MakeLeague(4, 2)));
    ASSERT_EQ(::chmod(league.c_str(), 0640), 0);
    EXPECT_EQ(fs::path(journal).filename(), ".mode.div.journal");
    Bytes file = BytesOf(league);
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
