#include "store/ProgramPlaces.h"

#include <fstream>
#include <string_view>
#include <system_error>

#include "store/FileIo.h"
#include "store/Settings.h"

namespace vantorel {
namespace {

constexpr const char* kHelpFileName = "vantorel.html";
constexpr const char* kSampleLeagueName = "premier-league-2005-06.div";

std::filesystem::path UserFolder(const char* home) {
    return std::filesystem::path(home && *home ? home : ".");
}

std::filesystem::path ConfigFolder(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome && *xdgConfigHome)
        return xdgConfigHome;
    return UserFolder(home) / ".config";
}

} // namespace

std::filesystem::path DocumentsFolder(const char* xdgConfigHome, const char* home) {
    const std::filesystem::path homeFolder = UserFolder(home);
    std::ifstream dirs(ConfigFolder(xdgConfigHome, home) / "user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    constexpr std::string_view kHome = "$HOME";
    for (std::string line; std::getline(dirs, line);) {
        if (line.rfind(kKey, 0) != 0 || line.size() < kKey.size() + 1 || line.back() != '"')
            continue;
        std::string value = line.substr(kKey.size(), line.size() - kKey.size() - 1);
        std::filesystem::path folder;
        if (value.rfind(kHome, 0) == 0 && (value.size() == kHome.size() || value[kHome.size()] == '/'))
            folder = homeFolder / value.substr(std::min(value.size(), kHome.size() + 1));
        else if (!value.empty() && value.front() == '/')
            folder = value;
        // The home folder itself means the user switched the documents folder off.
        if (!folder.empty() && folder.lexically_normal() != homeFolder.lexically_normal() &&
            (folder / "").lexically_normal() != (homeFolder / "").lexically_normal())
            return folder;
    }
    return homeFolder / "Documents";
}

ProgramPlaces LocateProgramPlaces(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                                  const char* home) {
    ProgramPlaces places;
    const std::filesystem::path folder = programFolder.lexically_normal();
    const std::filesystem::path bin = folder.has_filename() ? folder : folder.parent_path();
    const std::filesystem::path shared = bin.parent_path() / "share" / "vantorel";
    std::error_code ignored;
    places.installed = bin.filename() == "bin" && std::filesystem::is_directory(shared, ignored);
    const std::string documents =
        WithTrailingSeparator((DocumentsFolder(xdgConfigHome, home) / "Vantorel").string());
    if (places.installed) {
        places.settingsFile = UserSettingsFile(xdgConfigHome, home);
        places.helpFile = shared / kHelpFileName;
        places.leagueFolder = documents;
        places.sampleLeague = shared / "examples" / kSampleLeagueName;
        return places;
    }
    places.settingsFile = SettingsFilePath(folder, xdgConfigHome, home);
    places.helpFile = folder / kHelpFileName;
    const bool besideProgram = places.settingsFile.parent_path() == folder;
    places.leagueFolder = besideProgram ? WithTrailingSeparator(folder.string()) : documents;
    return places;
}

Status PrepareLeagueFolder(const ProgramPlaces& places, const std::string& leagueFolder) {
    std::error_code error;
    if (leagueFolder != places.leagueFolder || std::filesystem::exists(leagueFolder, error))
        return Status::Ok();
    std::filesystem::create_directories(leagueFolder, error);
    if (error)
        return Status::Error(IoErrorText(error.value()));
    if (!places.sampleLeague.empty() && std::filesystem::exists(places.sampleLeague, error))
        std::filesystem::copy_file(
            places.sampleLeague, std::filesystem::path(leagueFolder) / places.sampleLeague.filename(), error);
    return error ? Status::Error(IoErrorText(error.value())) : Status::Ok();
}

} // namespace vantorel
