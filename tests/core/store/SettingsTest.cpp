#include "store/Settings.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "store/IniFile.h"
#include "support/TempFolder.h"

namespace vantorel {
namespace {

using testing::FileText;
using testing::TempFolder;

TEST(Settings, AMissingFileGivesEveryDefault) {
    TempFolder folder;
    const Settings settings = ReadSettings(folder.path() / "vantorel.ini", "/opt/vantorel");
    EXPECT_EQ(settings.Colour1, 65535u);
    EXPECT_EQ(settings.Colour2, 65280u);
    EXPECT_EQ(settings.Colour3, 16776960u);
    EXPECT_EQ(settings.Colour4, 255u);
    EXPECT_FALSE(settings.ShowPoss);
    EXPECT_FALSE(settings.ShortTab);
    EXPECT_TRUE(settings.ShowHints);
    EXPECT_EQ(settings.FormGames, 10);
    EXPECT_EQ(settings.LeagueFolder, "/opt/vantorel/");
}

TEST(Settings, ValuesThatAreNotNumbersGiveTheDefaultAndAnyNonZeroIsTrue) {
    TempFolder folder;
    const auto path = folder.path() / "vantorel.ini";
    std::ofstream(path)
        << "[colours]\r\nColour1 = 128\r\nColour2=lime\r\nColour3=-5\r\n"
           "[Options]\nShowPoss=7\nShortTab=x\nShowHints=0\nFormGames=99\nFilePath=/data/leagues\n";
    const Settings settings = ReadSettings(path, "/opt/vantorel/");
    EXPECT_EQ(settings.Colour1, 128u);
    EXPECT_EQ(settings.Colour2, 65280u);
    EXPECT_EQ(settings.Colour3, 16776960u);
    EXPECT_TRUE(settings.ShowPoss);
    EXPECT_FALSE(settings.ShortTab);
    EXPECT_FALSE(settings.ShowHints);
    EXPECT_EQ(settings.FormGames, 30); // the most the form table offers
    EXPECT_EQ(settings.LeagueFolder, "/data/leagues/");
}

TEST(Settings, WritingKeepsEveryLineItDoesNotOwn) {
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
    const IniFile ini(FileText(path));
    EXPECT_EQ(ini.value("Colours", "Colour4"), "8388608");
    EXPECT_EQ(ini.value("Colours", "Colour1"), "65535");
    EXPECT_EQ(ini.value("Options", "ShowPoss"), "0");
    EXPECT_EQ(ini.value("Options", "ShortTab"), "1");
    EXPECT_EQ(ini.value("Options", "FormGames"), "6");
    EXPECT_EQ(ini.value("Options", "FilePath"), "/data/leagues/");
    EXPECT_EQ(ini.value("Window", "Left"), "10");
    EXPECT_EQ(FileText(path).rfind("; my notes\n", 0), 0u);

    ASSERT_TRUE(WriteLeagueFolder(path, "/srv/football"));
    const Settings reread = ReadSettings(path, "/opt/vantorel/");
    EXPECT_EQ(reread.LeagueFolder, "/srv/football/");
    EXPECT_EQ(reread.Colour4, 0x800000u);
    EXPECT_TRUE(reread.ShortTab);
}

TEST(Settings, LiveBesideTheProgramOrInTheUsersConfigurationFolder) {
    TempFolder folder;
    EXPECT_EQ(SettingsFilePath(folder.path(), "/xdg", "/home/u"), folder.path() / "vantorel.ini");
    const auto unwritable = folder.path() / "no-such-folder";
    EXPECT_EQ(SettingsFilePath(unwritable, "/xdg", "/home/u"), "/xdg/vantorel/vantorel.ini");
    EXPECT_EQ(SettingsFilePath(unwritable, "", "/home/u"), "/home/u/.config/vantorel/vantorel.ini");
    EXPECT_EQ(SettingsFilePath(unwritable, nullptr, "/home/u"), "/home/u/.config/vantorel/vantorel.ini");
}

TEST(Settings, WritingCreatesTheConfigurationFolder) {
    TempFolder folder;
    const auto path = folder.path() / "config" / "vantorel" / "vantorel.ini";
    ASSERT_TRUE(WriteSettings(path, Settings{}));
    EXPECT_EQ(ReadSettings(path, "/x/").Colour3, 16776960u);
}

} // namespace
} // namespace vantorel
