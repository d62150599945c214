#pragma once

#include <cstdint>
#include <string>

#include "platform/Prompts.h"
#include "store/Division.h"

namespace vantorel {

// The question asked before saving over a league file that another program changed; %s is the file's name.
inline constexpr const char* kChangedOnDiskQuestion =
    "%s was changed by another program after it was opened here. Save over those changes?";

// The warning when the backup cannot be written; %s is the backup's name, %r the reason. The save goes on.
inline constexpr const char* kBackupFailedWarning =
    "The backup %s could not be written (%r). The league is saved without a new backup.";

// Saves an open league over its file with the care a desktop program owes the user's data: a file that
// another program changed on disk since it was loaded (or last saved here) is not overwritten without
// asking, and the file as it was before the save is kept as NAME.div.bak (replaced at each save). The save
// holds the file's lock from the comparison to the replacement, so that a program changing the file at the
// same moment either finishes first, and is then noticed, or waits.
class SaveGuard {
public:
    // Notes the file as it is on disk now; call it just before loading it, so that a change that lands
    // while it loads is taken for another program's.
    void Remember(const std::string& path);

    // Saves the Division over the file at path. False when nothing was saved: the user declined to
    // overwrite another program's changes, or the save failed (the error is shown). A backup that cannot be
    // written is said once per league, after the save, and does not stop it.
    bool Save(const std::string& path, Division& division, Prompts& prompts);

private:
    struct FileStamp {
        bool exists = false;
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t seconds = 0, nanoseconds = 0; // last modification
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    static FileStamp StampOf(const std::string& path);
    bool MayOverwrite(const std::string& path, Prompts& prompts) const;

    FileStamp loaded_;
    bool backupWarned_ = false;
};

// Writes the backup of a league about to be saved (see WriteBackup); the warning to show when it could not
// be written, empty when it was (or when there is no file yet to back up).
std::string KeepBackup(const std::string& leaguePath);

// The backup kept of a league file before it is saved over.
std::string BackupPathOf(const std::string& leaguePath);

} // namespace vantorel
