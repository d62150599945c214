#include "store/WindowMemory.h"

#include <algorithm>
#include <charconv>

#include "store/IniFile.h"

namespace vantorel {
namespace {

// Whole numbers separated by commas; nothing unless there are exactly count of them.
std::optional<std::vector<int>> Numbers(std::string_view text, std::size_t count) {
    std::vector<int> numbers;
    while (numbers.size() < count) {
        int number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error != std::errc())
            return std::nullopt;
        numbers.push_back(number);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (numbers.size() < count) {
            if (text.empty() || text.front() != ',')
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    return text.empty() ? std::optional(numbers) : std::nullopt;
}

// A league's key: its file name, with the characters a settings line cannot hold in a key replaced.
std::string LeagueKey(const std::string& leagueFile) {
    std::string key = "League " + std::filesystem::path(leagueFile).filename().string();
    std::replace_if(
        key.begin(), key.end(), [](char c) { return c == '=' || c == '[' || c == ']' || c == ';'; }, '_');
    return key;
}

std::string WindowKey(std::string_view window) {
    return "Window " + std::string(window);
}

int Overlap(int start, int length, int areaStart, int areaLength) {
    return std::max(0, std::min(start + length, areaStart + areaLength) - std::max(start, areaStart));
}

} // namespace

std::optional<WindowPlace> ReadWindowPlace(const std::filesystem::path& settingsFile,
                                           std::string_view window) {
    const auto text = ReadIniFile(settingsFile).value(kWindowMemorySection, WindowKey(window));
    if (!text)
        return std::nullopt;
    const auto numbers = Numbers(*text, 5);
    if (!numbers || (*numbers)[2] <= 0 || (*numbers)[3] <= 0)
        return std::nullopt;
    const auto& n = *numbers;
    return WindowPlace{n[0], n[1], n[2], n[3], n[4] != 0};
}

Status WriteWindowPlace(const std::filesystem::path& settingsFile, std::string_view window,
                        const WindowPlace& place) {
    IniFile ini = ReadIniFile(settingsFile);
    ini.setValue(kWindowMemorySection, WindowKey(window),
                 std::to_string(place.left) + "," + std::to_string(place.top) + "," +
                     std::to_string(place.width) + "," + std::to_string(place.height) + "," +
                     (place.maximised ? "1" : "0"));
    return WriteIniFile(settingsFile, ini);
}

LeagueView ReadLeagueView(const std::filesystem::path& settingsFile, const std::string& leagueFile,
                          int pageCount, int tabCount) {
    const auto text = ReadIniFile(settingsFile).value(kWindowMemorySection, LeagueKey(leagueFile));
    const auto numbers = text ? Numbers(*text, 2) : std::nullopt;
    if (!numbers)
        return {};
    const int page = (*numbers)[0];
    const int tab = (*numbers)[1];
    return {page >= 0 && page < pageCount ? page : 0, tab >= 0 && tab < tabCount ? tab : 0};
}

Status WriteLeagueView(const std::filesystem::path& settingsFile, const std::string& leagueFile,
                       const LeagueView& view) {
    IniFile ini = ReadIniFile(settingsFile);
    ini.setValue(kWindowMemorySection, LeagueKey(leagueFile),
                 std::to_string(view.page) + "," + std::to_string(view.tab));
    return WriteIniFile(settingsFile, ini);
}

std::optional<WindowPlace> PlaceOnScreens(const WindowPlace& remembered,
                                          const std::vector<ScreenArea>& screens) {
    const ScreenArea* best = nullptr;
    long long bestArea = 0;
    for (const ScreenArea& screen : screens) {
        const long long area =
            static_cast<long long>(Overlap(remembered.left, remembered.width, screen.left, screen.width)) *
            Overlap(remembered.top, remembered.height, screen.top, screen.height);
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    if (best == nullptr)
        return std::nullopt;
    WindowPlace placed = remembered;
    placed.width = std::min(placed.width, best->width);
    placed.height = std::min(placed.height, best->height);
    placed.left = std::clamp(placed.left, best->left, best->left + best->width - placed.width);
    placed.top = std::clamp(placed.top, best->top, best->top + best->height - placed.height);
    return placed;
}

} // namespace vantorel
