#include "store/LeagueFolder.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "store/LeagueFile.h"
#include "support/LeagueMaker.h"
#include "support/TempFolder.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::TempFolder;

void WriteLeague(const TempFolder& folder, const std::string& fileName, const std::string& tableName,
                 int version = 20) {
    auto league = testing::MakeLeague(4, 1);
    testing::Edit(*league).Header().TableName.assignStored(tableName);
    auto bytes = WriteDivision(*league);
    bytes[6] = static_cast<std::uint8_t>(version);
    std::ofstream(folder.file(fileName), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> TableNames(const LeagueFileTable& table) {
    std::vector<std::string> names;
    for (const auto& entry : table.entries)
        names.push_back(entry.TableName);
    return names;
}

TEST(LeagueFolder, ListsLeaguesInFileNameOrderComparingBytes) {
    TempFolder folder;
    WriteLeague(folder, "b.div", "Alpha");
    WriteLeague(folder, "a.div", "Zeta");
    WriteLeague(folder, "B.div", "Upper");
    WriteLeague(folder, "c.DIV", "Loud");
    WriteLeague(folder, "d.div", "Alpha"); // two files may share a table name
    WriteLeague(folder, "e.txt", "Not listed");
    WriteLeague(folder, "a league file whose name is far longer than forty characters.div", "Long");
    bool warned = false;
    const LeagueFileTable table = UpdateFileTable(folder.folder(), warned);
    EXPECT_EQ(TableNames(table),
              (std::vector<std::string>{"Upper", "Long", "Zeta", "Alpha", "Loud", "Alpha"}));
    EXPECT_EQ(table.entries[1].FileName, "a league file whose name is far longer than forty characters.div");
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
    std::filesystem::resize_file(folder.file("cut.div"), 68 + 36 * 4);
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

TEST(LeagueFolder, AnEmptyOrMissingFolderListsNothing) {
    TempFolder folder;
    bool warned = false;
    EXPECT_TRUE(UpdateFileTable(folder.folder(), warned).entries.empty());
    EXPECT_TRUE(UpdateFileTable(folder.file("missing") + "/", warned).entries.empty());
    EXPECT_FALSE(warned);
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
