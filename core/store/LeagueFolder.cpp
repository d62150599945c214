#include "store/LeagueFolder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "store/FileIo.h"
#include "store/LeagueFile.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

bool HasLeagueExtension(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".div";
}

std::vector<std::string> LeagueFileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (HasLeagueExtension(name) && !it->is_directory(error))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end()); // std::string compares bytes as unsigned: upper case first
    return names;
}

} // namespace

LeagueFileTable UpdateFileTable(const std::string& leagueFolder, bool& warnedInvalid) {
    LeagueFileTable table;
    bool ignored = false;
    for (const std::string& name : LeagueFileNames(leagueFolder)) {
        std::vector<std::uint8_t> firstBytes;
        const std::filesystem::path path = std::filesystem::path(leagueFolder) / name;
        std::error_code sizeError;
        const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
        const auto header = !sizeError && ReadFileBytes(path.string(), kHeaderSize, firstBytes).ok()
                                ? IdentifyLeagueFile(firstBytes, size)
                                : std::nullopt;
        if (!header) {
            ignored = true;
            continue;
        }
        if (static_cast<int>(table.entries.size()) < kMaxLeagueFiles)
            table.entries.push_back({name, Windows1252ToUtf8(header->TableName.stored())});
    }
    if (ignored && !warnedInvalid) {
        table.ignoredMessage = kIgnoredFilesMessage;
        warnedInvalid = true;
    }
    return table;
}

} // namespace vantorel
