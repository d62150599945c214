#include "store/ProgramPlaces.h"

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

} // namespace

ProgramPlaces LocateProgramPlaces(const std::filesystem::path& programFolder, const char* xdgConfigHome,
                                  const char* home) {
    ProgramPlaces places;
    const std::filesystem::path folder = programFolder.lexically_normal();
    const std::filesystem::path bin = folder.has_filename() ? folder : folder.parent_path();
    const std::filesystem::path shared = bin.parent_path() / "share" / "vantorel";
    std::error_code ignored;
    places.installed = bin.filename() == "bin" && std::filesystem::is_directory(shared, ignored);
    const std::string documents =
        WithTrailingSeparator((UserFolder(home) / "Documents" / "Vantorel").string());
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
