#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantorel {

inline constexpr int kMaxLeagueFiles = 50;

// One league file of the league folder.
struct LeagueFileEntry {
    std::string FileName;  // within the folder, kept whole however long
    std::string TableName; // from the file's header, UTF-8
};

// The leagues of a folder, as the main window lists them.
struct LeagueFileTable {
    std::vector<LeagueFileEntry> entries; // in file-name order, at most kMaxLeagueFiles
    // The information message to show once: some ".div" files were not league files.
    std::optional<std::string> ignoredMessage;
};

inline constexpr const char* kIgnoredFilesMessage =
    "One or more .div files were found that were not created by Vantorel version 1.6 or above. They have "
    "been ignored.";

// Scans a folder for "*.div" files (the extension in any case), in file-name order compared byte by byte,
// and lists those whose header identifies a league file of version 6..20. A file that is not one, too short
// or unreadable, is left out; the message saying so is returned only while warnedInvalid is clear, which it
// then sets. A folder that does not exist lists nothing.
LeagueFileTable UpdateFileTable(const std::string& leagueFolder, bool& warnedInvalid);

} // namespace vantorel
