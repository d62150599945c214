#include "store/SaveGuard.h"

#include <system_error>

#include "store/FileIo.h"
#include "store/LeagueFile.h"

namespace vantorel {

std::string BackupPathOf(const std::string& leaguePath) {
    return leaguePath + ".bak";
}

SaveGuard::FileStamp SaveGuard::StampOf(const std::string& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    if (error)
        return {};
    stamp.modified = std::filesystem::last_write_time(path, error);
    stamp.exists = !error;
    return stamp;
}

void SaveGuard::Remember(const std::string& path) {
    loaded_ = StampOf(path);
}

bool SaveGuard::Save(const std::string& path, Division& division, Prompts& prompts) {
    const FileStamp now = StampOf(path);
    if (now.exists && now != loaded_) {
        std::string question = kChangedOnDiskQuestion;
        question.replace(question.find("%s"), 2, std::filesystem::path(path).filename().string());
        if (!prompts.AskYesNo(question))
            return false;
    }
    if (now.exists) {
        std::error_code error;
        std::filesystem::copy_file(path, BackupPathOf(path),
                                   std::filesystem::copy_options::overwrite_existing, error);
        if (error) {
            prompts.Error(IoErrorText(error.value()));
            return false;
        }
    }
    if (auto status = SaveDivision(path, division); !status) {
        prompts.Error(status.message());
        return false;
    }
    Remember(path);
    return true;
}

} // namespace vantorel
