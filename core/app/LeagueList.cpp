#include "app/LeagueList.h"

#include <filesystem>

namespace vantorel {

std::optional<int> ChooseLeagueToOpen(int leagueCount, int selectedRow, Prompts& prompts) {
    if (leagueCount <= 0)
        return std::nullopt;
    if (leagueCount == 1)
        return 0;
    if (selectedRow < 0 || selectedRow >= leagueCount) {
        prompts.Warn(kNoTableSelectedWarning);
        return std::nullopt;
    }
    return selectedRow;
}

std::string FolderCaption(const std::string& leagueFolder) {
    std::string shown = leagueFolder;
    if (shown.size() > 1 && shown.back() == std::filesystem::path::preferred_separator)
        shown.pop_back();
    return kFolderCaption + shown;
}

} // namespace vantorel
