#include "store/Settings.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

#include <stdlib.h>
#include <unistd.h>

#include "store/FileIo.h"
#include "store/IniFile.h"

namespace vantorel {
namespace {

constexpr char kSeparator = std::filesystem::path::preferred_separator;

std::optional<long long> IntegerValue(const IniFile& ini, std::string_view section, std::string_view key) {
    const auto text = ini.value(section, key);
    if (!text || text->empty())
        return std::nullopt;
    long long number = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

void ReadColour(const IniFile& ini, std::string_view key, Colour& colour) {
    if (const auto value = IntegerValue(ini, "Colours", key); value && *value >= 0 && *value <= 0xFFFFFF)
        colour = static_cast<Colour>(*value);
}

void ReadFlag(const IniFile& ini, std::string_view key, bool& flag) {
    if (const auto value = IntegerValue(ini, "Options", key))
        flag = *value != 0;
}

// Tries to make a file in the folder: made exclusively under a fresh name (mkstemp), so that a file or link
// planted there is never opened, followed or truncated.
bool IsWritableFolder(const std::filesystem::path& folder) {
    std::string probe = (folder / ".vantorel-write-probe.XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

} // namespace

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kSeparator)
        folder += kSeparator;
    return folder;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                                       const char* home) {
    if (IsWritableFolder(programFolder))
        return programFolder / kSettingsFileName;
    return UserSettingsFile(xdgConfigHome, home);
}

std::filesystem::path UserSettingsFile(const char* xdgConfigHome, const char* home) {
    std::filesystem::path configFolder;
    if (xdgConfigHome && *xdgConfigHome)
        configFolder = xdgConfigHome;
    else
        configFolder = std::filesystem::path(home ? home : "") / ".config";
    return configFolder / "vantorel" / kSettingsFileName;
}

Settings ReadSettings(const std::filesystem::path& settingsFile, const std::string& defaultLeagueFolder) {
    const IniFile ini = ReadIniFile(settingsFile);
    Settings settings;
    ReadColour(ini, "Colour1", settings.Colour1);
    ReadColour(ini, "Colour2", settings.Colour2);
    ReadColour(ini, "Colour3", settings.Colour3);
    ReadColour(ini, "Colour4", settings.Colour4);
    ReadFlag(ini, "ShowPoss", settings.ShowPoss);
    ReadFlag(ini, "ShortTab", settings.ShortTab);
    ReadFlag(ini, "ShowHints", settings.ShowHints);
    // The form table needs a number of games the settings dialog can offer.
    if (const auto games = IntegerValue(ini, "Options", "FormGames"))
        settings.FormGames = static_cast<int>(std::clamp<long long>(*games, kMinFormGames, kMaxFormGames));
    const auto folder = ini.value("Options", "FilePath");
    settings.LeagueFolder = WithTrailingSeparator(folder && !folder->empty() ? *folder : defaultLeagueFolder);
    return settings;
}

Status WriteSettings(const std::filesystem::path& settingsFile, const Settings& settings) {
    IniFile ini = ReadIniFile(settingsFile);
    const std::pair<const char*, Colour> colours[] = {{"Colour1", settings.Colour1},
                                                      {"Colour2", settings.Colour2},
                                                      {"Colour3", settings.Colour3},
                                                      {"Colour4", settings.Colour4}};
    for (const auto& [key, colour] : colours)
        ini.setValue("Colours", key, std::to_string(colour));
    ini.setValue("Options", "ShowPoss", settings.ShowPoss ? "1" : "0");
    ini.setValue("Options", "ShortTab", settings.ShortTab ? "1" : "0");
    ini.setValue("Options", "ShowHints", settings.ShowHints ? "1" : "0");
    ini.setValue("Options", "FormGames", std::to_string(settings.FormGames));
    return WriteIniFile(settingsFile, ini);
}

Status WriteLeagueFolder(const std::filesystem::path& settingsFile, const std::string& leagueFolder) {
    IniFile ini = ReadIniFile(settingsFile);
    ini.setValue("Options", "FilePath", WithTrailingSeparator(leagueFolder));
    return WriteIniFile(settingsFile, ini);
}

} // namespace vantorel
