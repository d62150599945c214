#include "store/WindowMemory.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "store/Settings.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::TempFolder;

TEST(WindowMemory, PlacesAndViewsLiveInTheirOwnSectionBesideTheSettings) {
    TempFolder folder;
    const auto file = folder.path() / "vantorel.ini";
    { std::ofstream(file) << "[Options]\nShowPoss=1\nFilePath=/leagues/\n"; }
    EXPECT_FALSE(ReadWindowPlace(file, "Workspace"));
    ASSERT_TRUE(WriteWindowPlace(file, "Workspace", {10, -20, 960, 680, true}));
    ASSERT_TRUE(WriteLeagueView(file, "/leagues/premier=1.div", {5, 0}));
    ASSERT_TRUE(WriteLeagueView(file, "/elsewhere/cup.div", {6, 3}));
    EXPECT_EQ(ReadWindowPlace(file, "Workspace"), (WindowPlace{10, -20, 960, 680, true}));
    EXPECT_EQ(ReadLeagueView(file, "/leagues/premier=1.div", 7, 6), (LeagueView{5, 0}));
    EXPECT_EQ(ReadLeagueView(file, "cup.div", 7, 6), (LeagueView{6, 3}));
    // A page or tab the workspace no longer has is not shown.
    EXPECT_EQ(ReadLeagueView(file, "cup.div", 6, 3), (LeagueView{0, 0}));
    const Settings settings = ReadSettings(file, "/default/");
    EXPECT_TRUE(settings.ShowPoss);
    EXPECT_EQ(settings.LeagueFolder, "/leagues/");
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str().find("[Options]\nShowPoss=1\nFilePath=/leagues/\n"), 0u) << text.str();
}

TEST(WindowMemory, DamagedEntriesAreForgotten) {
    TempFolder folder;
    const auto file = folder.path() / "vantorel.ini";
    {
        std::ofstream(file) << "[Desktop]\nWindow Main=1,2,3\nWindow Graph=1,2,0,5,0\nWindow Grid=a,b,c,d,e\n"
                               "League x.div=2\nLeague y.div=3,4,5\n";
    }
    for (const char* window : {"Main", "Graph", "Grid"})
        EXPECT_FALSE(ReadWindowPlace(file, window)) << window;
    EXPECT_EQ(ReadLeagueView(file, "x.div", 7, 6), LeagueView{});
    EXPECT_EQ(ReadLeagueView(file, "y.div", 7, 6), LeagueView{});
}

TEST(WindowMemory, ARememberedWindowStaysOnTheScreensThereAre) {
    const std::vector<ScreenArea> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1000}};
    const struct {
        WindowPlace remembered;
        std::optional<WindowPlace> placed;
    } cases[] = {
        {{100, 50, 960, 680, false}, WindowPlace{100, 50, 960, 680, false}},
        {{2000, 100, 960, 680, true}, WindowPlace{2000, 100, 960, 680, true}},
        // Mostly on the second screen, hanging off its right edge: pulled in.
        {{2800, 500, 960, 680, false}, WindowPlace{2240, 320, 960, 680, false}},
        // Larger than the screen it was on: shrunk to it.
        {{-50, -50, 2500, 1200, false}, WindowPlace{0, 0, 1920, 1040, false}},
        // On a screen that is gone: the usual place.
        {{4000, 100, 800, 600, false}, std::nullopt},
    };
    for (const auto& each : cases)
        EXPECT_EQ(PlaceOnScreens(each.remembered, screens), each.placed) << each.remembered.left;
}

} // namespace
} // namespace vantorel
