#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Prompts.h"
#include "store/Division.h"

namespace vantorel {

// The question asked before saving over a league file that another program changed; %s is the file's name.
inline constexpr const char* kChangedOnDiskQuestion =
    "%s was changed by another program after it was opened here. Save over those changes?";

// Saves an open league over its file with the care a desktop program owes the user's data: a file that
// another program changed on disk since it was loaded (or last saved here) is not overwritten without
// asking, and the file as it was before the save is kept as NAME.div.bak (replaced at each save).
class SaveGuard {
public:
    // Notes the file as it is on disk now, just after loading it.
    void Remember(const std::string& path);

    // Saves the Division over the file at path. False when nothing was saved: the user declined to
    // overwrite another program's changes, or the backup or the save failed (the error is shown).
    bool Save(const std::string& path, Division& division, Prompts& prompts);

private:
    struct FileStamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    static FileStamp StampOf(const std::string& path);

    FileStamp loaded_;
};

// The backup kept of a league file before it is saved over.
std::string BackupPathOf(const std::string& leaguePath);

} // namespace vantorel
