#include "app/StartupArguments.h"

#include <algorithm>
#include <filesystem>

#include "store/Settings.h"

namespace vantorel {

StartupArguments ReadStartupArguments(const std::vector<std::string>& words) {
    StartupArguments startup;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool hasValue = i + 1 < words.size();
        if (words[i] == "--folder" && hasValue)
            startup.leagueFolder = WithTrailingSeparator(std::filesystem::absolute(words[++i]).string());
        else if (words[i] == "--page" && hasValue) {
            const std::string& name = words[++i];
            const auto found = std::find(kPageNames.begin(), kPageNames.end(), name);
            if (found == kPageNames.end()) {
                startup.error = "vantorel: --page takes table, team, goals, division, enter, predict or "
                                "maintenance, not '" +
                                name + "'";
                return startup;
            }
            startup.page = static_cast<int>(found - kPageNames.begin());
        } else if (words[i] == "--screenshot" && hasValue)
            ++i;
        else if (!words[i].starts_with("-"))
            files.push_back(words[i]);
    }
    if (files.size() > 1) {
        startup.error = kOneLeagueOnly;
        return startup;
    }
    if (!files.empty()) {
        const std::filesystem::path file = std::filesystem::absolute(files.front()).lexically_normal();
        startup.leagueFile = file.string();
        startup.leagueFolder = WithTrailingSeparator(file.parent_path().string());
    }
    return startup;
}

} // namespace vantorel
