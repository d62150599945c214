#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Status.h"

namespace vantorel {

// The settings file section that remembers the windows and the view of each league between runs. The
// program's own settings keys are never touched by it.
inline constexpr const char* kWindowMemorySection = "Desktop";

// A window's place on the desktop: its frame's top left corner and its client size.
struct WindowPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
    bool operator==(const WindowPlace&) const = default;
};

// An area of a screen that windows may take.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The page and maintenance tab a league was last left on.
struct LeagueView {
    int page = 0;
    int tab = 0;
    bool operator==(const LeagueView&) const = default;
};

// The remembered place of a window (named as the program names it: "Main", "Workspace", "Graph", ...);
// nothing when none is remembered or the entry is damaged.
std::optional<WindowPlace> ReadWindowPlace(const std::filesystem::path& settingsFile,
                                           std::string_view window);
Status WriteWindowPlace(const std::filesystem::path& settingsFile, std::string_view window,
                        const WindowPlace& place);

// The remembered view of a league file (known by its file name), with the page below pageCount and the tab
// below tabCount; the first page and tab when nothing usable is remembered.
LeagueView ReadLeagueView(const std::filesystem::path& settingsFile, const std::string& leagueFile,
                          int pageCount, int tabCount);
Status WriteLeagueView(const std::filesystem::path& settingsFile, const std::string& leagueFile,
                       const LeagueView& view);

// Where a remembered window goes on the screens there are now: on the screen that holds most of it, no
// larger than that screen and wholly on it. Nothing when it lies on none of them (a screen was unplugged),
// so that the window takes its usual place.
std::optional<WindowPlace> PlaceOnScreens(const WindowPlace& remembered,
                                          const std::vector<ScreenArea>& screens);

} // namespace vantorel
