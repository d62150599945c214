#pragma once

#include <optional>
#include <string>

#include "platform/Prompts.h"

namespace vantorel {

inline constexpr const char* kNoTableSelectedWarning = "You have not selected a table to open";
inline constexpr const char* kFolderCaption = "Current Folder: ";

// The entry (0-based) of the league list to open: the only one, or the selected one. With several and none
// selected, the user is warned and nothing opens; with none at all nothing opens.
std::optional<int> ChooseLeagueToOpen(int leagueCount, int selectedRow, Prompts& prompts);

// The league folder as the main window shows it: "Current Folder: " and the folder without its final
// separator (the root folder stays whole).
std::string FolderCaption(const std::string& leagueFolder);

} // namespace vantorel
