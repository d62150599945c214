#include "store/SaveGuard.h"

#include <filesystem>

#include <sys/stat.h>

#include "store/FileIo.h"
#include "store/LeagueFile.h"

namespace vantorel {
namespace {

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

void Fill(std::string& text, const char* marker, const std::string& value) {
    if (const auto at = text.find(marker); at != std::string::npos)
        text.replace(at, 2, value);
}

} // namespace

std::string BackupPathOf(const std::string& leaguePath) {
    return leaguePath + ".bak";
}

std::string KeepBackup(const std::string& leaguePath) {
    struct stat info {};
    if (::stat(leaguePath.c_str(), &info) != 0)
        return {}; // nothing to back up yet
    const Status status = WriteBackup(leaguePath, BackupPathOf(leaguePath));
    if (status)
        return {};
    std::string warning = kBackupFailedWarning;
    Fill(warning, "%s", FileName(BackupPathOf(leaguePath)));
    Fill(warning, "%r", status.message());
    return warning;
}

SaveGuard::FileStamp SaveGuard::StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

void SaveGuard::Remember(const std::string& path) {
    loaded_ = StampOf(path);
}

bool SaveGuard::MayOverwrite(const std::string& path, Prompts& prompts) const {
    const FileStamp now = StampOf(path);
    if (!now.exists || now == loaded_)
        return true;
    std::string question = kChangedOnDiskQuestion;
    Fill(question, "%s", FileName(path));
    return prompts.AskYesNo(question);
}

bool SaveGuard::Save(const std::string& path, Division& division, Prompts& prompts) {
    // Held from the comparison to the replacement: another program's change lands before it or after it.
    FileLock lock;
    if (auto status = FileLock::Take(path, lock); !status) {
        prompts.Error(status.message());
        return false;
    }
    if (!MayOverwrite(path, prompts))
        return false;
    const std::string backupWarning = KeepBackup(path);
    if (auto status = SaveDivision(path, division); !status) {
        prompts.Error(status.message());
        return false;
    }
    // The warning says the league is saved, so it waits for the save.
    if (!backupWarning.empty() && !backupWarned_) {
        backupWarned_ = true;
        prompts.Warn(backupWarning);
    }
    Remember(path);
    return true;
}

} // namespace vantorel
