#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "store/IniFile.h"
#include "store/Status.h"

namespace vantorel {

inline constexpr const char* kSettingsFileName = "vantorel.ini";
inline constexpr int kMinFormGames = 2;
inline constexpr int kMaxFormGames = 30;

// A colour as 0x00BBGGRR: red in the low byte, blue in the high byte.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;

// The program-wide preferences of the settings file.
struct Settings {
    Colour Colour1 = 0x00FFFF; // promoted teams: yellow
    Colour Colour2 = 0x00FF00; // play-off teams: lime
    Colour Colour3 = 0xFFFF00; // relegated teams: aqua
    Colour Colour4 = 0x0000FF; // the user's own team: red
    bool ShowPoss = false;
    bool ShortTab = false;
    bool ShowHints = true;
    int FormGames = 10;
    std::string LeagueFolder; // ends in the platform's separator
};

// Where the settings file lives: beside the program when its folder is writable, otherwise in
// $XDG_CONFIG_HOME/vantorel/ (or ~/.config/vantorel/ when that variable is unset or empty).
std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                                       const char* home);

// The settings file in the user's configuration folder: $XDG_CONFIG_HOME/vantorel/ (or ~/.config/vantorel/
// when that variable is unset or empty).
std::filesystem::path UserSettingsFile(const char* xdgConfigHome, const char* home);

// Reads the settings file; a missing file or key, or a value that is not a number, gives the default. The
// league folder defaults to defaultLeagueFolder.
Settings ReadSettings(const std::filesystem::path& settingsFile, const std::string& defaultLeagueFolder);

// Writes the colours, the three display options and FormGames, keeping every other line of the file.
Status WriteSettings(const std::filesystem::path& settingsFile, const Settings& settings);

// Writes the league folder as "FilePath", keeping every other line of the file.
Status WriteLeagueFolder(const std::filesystem::path& settingsFile, const std::string& leagueFolder);

// The folder with the platform's separator at its end.
std::string WithTrailingSeparator(std::string folder);

} // namespace vantorel
