#include "store/Settings.h"
#include "store/ProgramPlaces.h"
#include "store/WindowMemory.h"

#include <fstream>
#include <tuple>

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;
using testing::FileText;
using testing::TempFolder;

TEST(Settings, AMissingFileOrValueGivesTheDefaultAndAnyNonZeroIsTrue) {
    TempFolder folder;
    const auto path = folder.path() / "vantorel.ini";
    Settings s = ReadSettings(path, "/opt/vantorel");
    EXPECT_EQ(std::tuple(s.Colour1, s.Colour2, s.Colour3, s.Colour4, s.ShowPoss, s.ShortTab, s.ShowHints,
                         s.FormGames, s.LeagueFolder),
              std::tuple(65535u, 65280u, 16776960u, 255u, false, false, true, 10, "/opt/vantorel/"));
    std::ofstream(path)
        << "[colours]\r\nColour1 = 128\r\nColour2=lime\r\nColour3=-5\r\n"
           "[Options]\nShowPoss=7\nShortTab=x\nShowHints=0\nFormGames=99\nFilePath=/data/leagues\n";
    s = ReadSettings(path, "/opt/vantorel/");
    // 30 form games are the most the form table offers.
    EXPECT_EQ(std::tuple(s.Colour1, s.Colour2, s.Colour3, s.ShowPoss, s.ShortTab, s.ShowHints, s.FormGames,
                         s.LeagueFolder),
              std::tuple(128u, 65280u, 16776960u, true, false, false, 30, "/data/leagues/"));
}

TEST(Settings, WritingKeepsEveryLineItDoesNotOwnAndCreatesTheConfigurationFolder) {
    TempFolder folder;
    const auto path = folder.path() / "vantorel.ini";
    std::ofstream(path)
        << "; my notes\n[Options]\nFilePath=/data/leagues/\nShowPoss=1\n\n[Window]\nLeft=10\n";
    Settings settings;
    settings.Colour4 = 0x800000;
    settings.ShowPoss = false;
    settings.ShortTab = true;
    settings.FormGames = 6;
    ASSERT_TRUE(WriteSettings(path, settings));
    EXPECT_EQ(FileText(path),
              "; my notes\n[Options]\nFilePath=/data/leagues/\nShowPoss=0\nShortTab=1\nShowHints=1\n"
              "FormGames=6\n\n[Window]\nLeft=10\n\n[Colours]\nColour1=65535\nColour2=65280\n"
              "Colour3=16776960\nColour4=8388608\n");

    ASSERT_TRUE(WriteLeagueFolder(path, "/srv/football"));
    const Settings reread = ReadSettings(path, "/opt/vantorel/");
    EXPECT_EQ(std::tuple(reread.LeagueFolder, reread.Colour4, reread.ShortTab),
              std::tuple("/srv/football/", 0x800000u, true));

    const auto nested = folder.path() / "config" / "vantorel" / "vantorel.ini";
    ASSERT_TRUE(WriteSettings(nested, Settings{}));
    EXPECT_TRUE(fs::exists(nested));
}

TEST(Settings, LiveBesideTheProgramOrInTheUsersConfigurationFolderAndTheProbeNeverFollowsALink) {
    TempFolder folder;
    EXPECT_EQ(SettingsFilePath(folder.path() / "no-such-folder", nullptr, "/home/u"),
              "/home/u/.config/vantorel/vantorel.ini");

    const std::string victim = folder.file("victim.txt");
    std::ofstream(victim) << "precious";
    fs::create_symlink(victim, folder.file(".vantorel-write-probe"));
    EXPECT_EQ(SettingsFilePath(folder.path(), "/xdg", "/home/u"), folder.path() / "vantorel.ini");
    EXPECT_EQ(FileText(victim), "precious");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
}

TEST(WindowMemory, PlacesAndViewsLiveInTheirOwnSectionBesideTheSettings) {
    TempFolder folder;
    const auto file = folder.path() / "vantorel.ini";
    std::ofstream(file) << "[Options]\nShowPoss=1\nFilePath=/leagues/\n";
    EXPECT_FALSE(ReadWindowPlace(file, "Workspace"));
    ASSERT_TRUE(WriteWindowPlace(file, "Workspace", {10, -20, 960, 680, true}));
    ASSERT_TRUE(WriteLeagueView(file, "/leagues/premier=1.div", {5, 0}));
    ASSERT_TRUE(WriteLeagueView(file, "/elsewhere/cup.div", {6, 3}));
    EXPECT_EQ(ReadWindowPlace(file, "Workspace"), (WindowPlace{10, -20, 960, 680, true}));
    EXPECT_EQ(ReadLeagueView(file, "/leagues/premier=1.div", 7, 6), (LeagueView{5, 0}));
    EXPECT_EQ(ReadLeagueView(file, "cup.div", 7, 6), (LeagueView{6, 3}));
    // A page or tab the workspace no longer has is not shown.
    EXPECT_EQ(ReadLeagueView(file, "cup.div", 6, 3), (LeagueView{0, 0}));
    EXPECT_EQ(FileText(file),
              "[Options]\nShowPoss=1\nFilePath=/leagues/\n\n[Desktop]\nWindow Workspace=10,-20,960,680,1\n"
              "League premier_1.div=5,0\nLeague cup.div=6,3\n");

    // Damaged entries are forgotten.
    std::ofstream(file)
        << "[Desktop]\nWindow Main=1,2,3\nWindow Graph=1,2,0,5,0\nWindow Grid=a,b,c,d,e\n"
           "Window Team=1/2/3/4/5\nWindow Cal=1,2,3,0,1\nLeague x.div=2\nLeague y.div=3,4,5\n";
    for (const char* window : {"Main", "Graph", "Grid", "Team", "Cal"})
        EXPECT_FALSE(ReadWindowPlace(file, window)) << window;
    EXPECT_EQ(ReadLeagueView(file, "x.div", 7, 6), LeagueView{});
    EXPECT_EQ(ReadLeagueView(file, "y.div", 7, 6), LeagueView{});
}

TEST(WindowMemory, ARememberedWindowStaysOnTheScreensThereAre) {
    const std::vector<ScreenArea> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1000}};
    const std::pair<WindowPlace, std::optional<WindowPlace>> cases[] = {
        {{100, 50, 960, 680, false}, WindowPlace{100, 50, 960, 680, false}},
        {{2000, 100, 960, 680, true}, WindowPlace{2000, 100, 960, 680, true}},
        // Mostly on the second screen, hanging off its right edge: pulled in.
        {{2800, 500, 960, 680, false}, WindowPlace{2240, 320, 960, 680, false}},
        // Larger than the screen it was on: shrunk to it.
        {{-50, -50, 2500, 1200, false}, WindowPlace{0, 0, 1920, 1040, false}},
        // On a screen that is gone: the usual place.
        {{4000, 100, 800, 600, false}, std::nullopt}};
    for (const auto& [remembered, placed] : cases)
        EXPECT_EQ(PlaceOnScreens(remembered, screens), placed) << remembered.left;
}

TEST(ProgramPlaces, AnInstalledProgramWritesNothingBesideItselfABuildFolderKeepsItsOwn) {
    TempFolder prefix;
    fs::create_directories(prefix.path() / "bin");
    fs::create_directories(prefix.path() / "share" / "vantorel" / "examples");
    const ProgramPlaces places = LocateProgramPlaces(prefix.path() / "bin", "", "/home/fan");
    const fs::path share = prefix.path() / "share" / "vantorel";
    EXPECT_EQ(std::tuple(places.installed, places.settingsFile, places.helpFile, places.leagueFolder,
                         places.sampleLeague),
              std::tuple(true, fs::path("/home/fan/.config/vantorel/vantorel.ini"), share / "vantorel.html",
                         "/home/fan/Documents/Vantorel/", share / "examples" / "premier-league-2005-06.div"));
    EXPECT_TRUE(fs::is_empty(prefix.path() / "bin"));

    const TempFolder buildFolder;
    const fs::path& build = buildFolder.path();
    const ProgramPlaces beside = LocateProgramPlaces(build, "/xdg", "/home/fan");
    EXPECT_FALSE(beside.installed);
    EXPECT_EQ(std::tuple(beside.settingsFile, beside.helpFile, beside.leagueFolder, beside.sampleLeague),
              std::tuple(build / "vantorel.ini", build / "vantorel.html", build.string() + "/", fs::path()));
    // A folder the program may not write, here one that does not exist.
    const ProgramPlaces elsewhere = LocateProgramPlaces(build / "read-only", "/xdg", "/home/fan");
    EXPECT_EQ(std::tuple(elsewhere.settingsFile, elsewhere.leagueFolder),
              std::tuple(fs::path("/xdg/vantorel/vantorel.ini"), "/home/fan/Documents/Vantorel/"));
}

TEST(ProgramPlaces, TheDefaultLeagueFolderIsMadeWithTheSampleOnTheFirstStartOnly) {
    TempFolder home;
    ProgramPlaces places;
    places.leagueFolder = home.folder() + "Documents/Vantorel/";
    places.sampleLeague = home.path() / "premier-league-2005-06.div";
    std::ofstream(places.sampleLeague) << "league";
    ASSERT_TRUE(PrepareLeagueFolder(places, home.folder() + "elsewhere/"));
    EXPECT_FALSE(fs::exists(home.path() / "elsewhere"));
    ASSERT_TRUE(PrepareLeagueFolder(places, places.leagueFolder));
    const auto copied = fs::path(places.leagueFolder) / "premier-league-2005-06.div";
    EXPECT_TRUE(fs::exists(copied));
    // A sample the user deleted does not come back.
    fs::remove(copied);
    ASSERT_TRUE(PrepareLeagueFolder(places, places.leagueFolder));
    EXPECT_FALSE(fs::exists(copied));
}

TEST(ProgramPlaces, TheDocumentsFolderIsTheUsersOwn) {
    TempFolder config;
    const auto dirs = config.path() / "user-dirs.dirs";
    const auto documents = [&] { return DocumentsFolder(config.folder().c_str(), "/home/fan"); };
    const std::pair<const char*, const char*> cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", "/home/fan/Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"/data/papers\"", "/data/papers"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"", "/home/fan/Documents"}, // switched off
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK\"", "/home/fan/Documents"},
        {"# XDG_DOCUMENTS_DIR=\"$HOME/Docs\"", "/home/fan/Documents"}};
    for (const auto& [line, folder] : cases) {
        std::ofstream(dirs) << "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n" << line << "\n";
        EXPECT_EQ(documents(), folder) << line;
    }
    fs::remove(dirs);
    EXPECT_EQ(documents(), "/home/fan/Documents");
    std::ofstream(dirs) << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    fs::create_directories(config.path() / "bin");
    fs::create_directories(config.path() / "share" / "vantorel");
    EXPECT_EQ(LocateProgramPlaces(config.path() / "bin", config.folder().c_str(), "/home/fan").leagueFolder,
              "/home/fan/Dokumente/Vantorel/");
}

} // namespace
} // namespace vantorel
