#include "store/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace vantorel {

std::string IoErrorText(int errorCode) {
    switch (errorCode) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR:
        return "File access denied";
    case kReadBeyondEnd:
        return "Read beyond end of file";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

Status IoFailure(int errorCode) {
    return Status::Error(IoErrorText(errorCode != 0 ? errorCode : EIO));
}

} // namespace

Status ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    if (std::error_code ec; std::filesystem::is_directory(path, ec))
        return IoFailure(EISDIR);
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return IoFailure(errno);
    bytes.resize(maxBytes);
    const std::size_t got = std::fread(bytes.data(), 1, maxBytes, file.get());
    if (got < maxBytes && std::ferror(file.get()))
        return IoFailure(errno);
    bytes.resize(got);
    return Status::Ok();
}

Status ReplaceFile(const std::string& path, std::span<const std::uint8_t> contents) {
    const std::string temporary = path + ".saving";
    errno = 0;
    FileHandle file(std::fopen(temporary.c_str(), "wb"));
    if (!file)
        return IoFailure(errno);
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file.get()) == contents.size() &&
                         std::fflush(file.get()) == 0 && ::fsync(::fileno(file.get())) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        const int closeError = errno;
        std::remove(temporary.c_str());
        return IoFailure(!written ? writeError : closeError);
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        std::remove(temporary.c_str());
        return IoFailure(renameError.value());
    }
    return Status::Ok();
}

} // namespace vantorel
