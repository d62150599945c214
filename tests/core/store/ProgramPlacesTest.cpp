#include "store/ProgramPlaces.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::TempFolder;

TEST(ProgramPlaces, AnInstalledProgramWritesNothingBesideItself) {
    TempFolder prefix;
    std::filesystem::create_directories(prefix.path() / "bin");
    std::filesystem::create_directories(prefix.path() / "share" / "vantorel" / "examples");
    const ProgramPlaces places = LocateProgramPlaces(prefix.path() / "bin", "", "/home/fan");
    EXPECT_TRUE(places.installed);
    EXPECT_EQ(places.settingsFile, "/home/fan/.config/vantorel/vantorel.ini");
    EXPECT_EQ(places.helpFile, prefix.path() / "share" / "vantorel" / "vantorel.html");
    EXPECT_EQ(places.leagueFolder, "/home/fan/Documents/Vantorel/");
    EXPECT_EQ(places.sampleLeague,
              prefix.path() / "share" / "vantorel" / "examples" / "premier-league-2005-06.div");
    EXPECT_TRUE(std::filesystem::is_empty(prefix.path() / "bin"));
}

TEST(ProgramPlaces, ABuildFolderKeepsSettingsAndLeaguesOtherwiseTheUsersFoldersDo) {
    TempFolder build;
    const ProgramPlaces beside = LocateProgramPlaces(build.path(), "/xdg", "/home/fan");
    EXPECT_FALSE(beside.installed);
    EXPECT_EQ(beside.settingsFile, build.path() / "vantorel.ini");
    EXPECT_EQ(beside.helpFile, build.path() / "vantorel.html");
    EXPECT_EQ(beside.leagueFolder, build.folder());
    EXPECT_TRUE(beside.sampleLeague.empty());

    // A folder the program may not write, here one that does not exist.
    const ProgramPlaces elsewhere = LocateProgramPlaces(build.path() / "read-only", "/xdg", "/home/fan");
    EXPECT_EQ(elsewhere.settingsFile, "/xdg/vantorel/vantorel.ini");
    EXPECT_EQ(elsewhere.leagueFolder, "/home/fan/Documents/Vantorel/");
}

TEST(ProgramPlaces, TheDefaultLeagueFolderIsMadeWithTheSampleOnTheFirstStartOnly) {
    TempFolder home;
    ProgramPlaces places;
    places.leagueFolder = home.folder() + "Documents/Vantorel/";
    places.sampleLeague = home.path() / "premier-league-2005-06.div";
    std::ofstream(places.sampleLeague) << "league";

    ASSERT_TRUE(PrepareLeagueFolder(places, home.folder() + "elsewhere/"));
    EXPECT_FALSE(std::filesystem::exists(home.path() / "elsewhere"));
    ASSERT_TRUE(PrepareLeagueFolder(places, places.leagueFolder));
    const auto copied = std::filesystem::path(places.leagueFolder) / "premier-league-2005-06.div";
    EXPECT_TRUE(std::filesystem::exists(copied));

    // A sample the user deleted does not come back.
    std::filesystem::remove(copied);
    ASSERT_TRUE(PrepareLeagueFolder(places, places.leagueFolder));
    EXPECT_FALSE(std::filesystem::exists(copied));
}

TEST(ProgramPlaces, TheDocumentsFolderIsTheUsersOwn) {
    TempFolder config;
    const std::string home = "/home/fan";
    const auto dirs = config.path() / "user-dirs.dirs";
    const struct {
        const char* line;
        const char* documents;
    } cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", "/home/fan/Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"/data/papers\"", "/data/papers"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"", "/home/fan/Documents"}, // switched off
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK\"", "/home/fan/Documents"},
        {"# XDG_DOCUMENTS_DIR=\"$HOME/Docs\"", "/home/fan/Documents"},
    };
    for (const auto& each : cases) {
        { std::ofstream(dirs) << "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n" << each.line << "\n"; }
        EXPECT_EQ(DocumentsFolder(config.folder().c_str(), home.c_str()), each.documents) << each.line;
    }
    std::filesystem::remove(dirs);
    EXPECT_EQ(DocumentsFolder(config.folder().c_str(), home.c_str()), "/home/fan/Documents");
    { std::ofstream(dirs) << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"; }
    std::filesystem::create_directories(config.path() / "bin");
    std::filesystem::create_directories(config.path() / "share" / "vantorel");
    EXPECT_EQ(LocateProgramPlaces(config.path() / "bin", config.folder().c_str(), "/home/fan").leagueFolder,
              "/home/fan/Dokumente/Vantorel/");
}

} // namespace
} // namespace vantorel
