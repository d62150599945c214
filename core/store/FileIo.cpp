#include "store/FileIo.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorel {

std::string IoErrorText(int errorCode) {
    switch (errorCode) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
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

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

Status IoFailure(int errorCode) {
    return Status::Error(IoErrorText(errorCode != 0 ? errorCode : EIO));
}

// Links followed before a path is taken to be a loop.
constexpr int kMaxLinkHops = 40;
constexpr auto kLockWait = std::chrono::seconds(5);
constexpr auto kLockPoll = std::chrono::milliseconds(20);

// The locks this process holds, by file identity, with the descriptor that carries each and how many
// holders share it.
struct HeldLock {
    int descriptor = -1;
    int holders = 0;
};
std::mutex heldLocksMutex;
std::map<std::pair<std::uint64_t, std::uint64_t>, HeldLock> heldLocks;

std::pair<std::uint64_t, std::uint64_t> Identity(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// Closes a descriptor when it goes out of scope unless it was released.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Writes every byte, resuming after interruptions and short writes.
bool WriteAll(int fd, std::span<const std::uint8_t> contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file whose mode grants nobody writing is read-only even for the superuser; otherwise the system decides
// for the effective user.
bool MayWrite(const std::string& path, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Gives a new file the mode of the file it stands beside (or, with none, the mode a new file gets) and,
// where the user may, its owner and group.
bool TakeModeOf(int fd, const struct stat* previous) {
    if (::fchmod(fd, previous != nullptr ? previous->st_mode & 07777 : NewFileMode()) != 0)
        return false;
    if (previous != nullptr && ::fchown(fd, previous->st_uid, previous->st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), previous->st_gid);
    return true;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// A temporary name beside the target that stays short whatever the target's name: a name the system
// accepts for loading can then always be saved.
std::string TemporaryTemplate(const fs::path& target) {
    const std::string name = target.filename().string();
    return (target.parent_path() / ("." + name.substr(0, 24) + ".XXXXXX")).string();
}

} // namespace

Status ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    if (std::error_code ec; fs::is_directory(path, ec))
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

std::string ResolveLinks(const std::string& path) {
    fs::path current = path;
    std::error_code ec;
    for (int hop = 0; hop < kMaxLinkHops && fs::is_symlink(current, ec); ++hop) {
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current.string();
}

FileLock::FileLock(FileLock&& other) noexcept
    : held_(std::exchange(other.held_, false)), device_(other.device_), inode_(other.inode_) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        held_ = std::exchange(other.held_, false);
        device_ = other.device_;
        inode_ = other.inode_;
    }
    return *this;
}

void FileLock::Release() {
    if (!held_)
        return;
    held_ = false;
    const std::lock_guard guard(heldLocksMutex);
    const auto found = heldLocks.find({device_, inode_});
    if (found != heldLocks.end() && --found->second.holders == 0) {
        ::close(found->second.descriptor); // closing the last descriptor drops the lock
        heldLocks.erase(found);
    }
}

Status FileLock::Take(const std::string& path, FileLock& lock) {
    lock.Release();
    const std::string target = ResolveLinks(path);
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        Descriptor fd(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (fd.get() < 0)
            return errno == ENOENT ? Status::Ok() : IoFailure(errno);
        struct stat opened {};
        if (::fstat(fd.get(), &opened) != 0)
            return IoFailure(errno);
        const auto key = Identity(opened);
        {
            const std::lock_guard guard(heldLocksMutex);
            if (const auto found = heldLocks.find(key); found != heldLocks.end()) {
                ++found->second.holders;
                lock.held_ = true;
                std::tie(lock.device_, lock.inode_) = key;
                return Status::Ok();
            }
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // The holder before us may have replaced the file: the lock counts only on the file the path
            // names now.
            struct stat current {};
            if (::stat(target.c_str(), &current) == 0 && Identity(current) == key) {
                const std::lock_guard guard(heldLocksMutex);
                heldLocks[key] = {fd.release(), 1};
                lock.held_ = true;
                std::tie(lock.device_, lock.inode_) = key;
                return Status::Ok();
            }
            continue;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return IoFailure(errno);
        if (std::chrono::steady_clock::now() >= deadline)
            return Status::Error(kFileBusyMessage);
        std::this_thread::sleep_for(kLockPoll);
    }
}

Status ReplaceFile(const std::string& path, std::span<const std::uint8_t> contents) {
    const fs::path target = ResolveLinks(path);
    FileLock lock;
    if (auto status = FileLock::Take(target.string(), lock); !status)
        return status;

    struct stat previous {};
    const bool replacing = ::stat(target.c_str(), &previous) == 0;
    if (!replacing && errno != ENOENT)
        return IoFailure(errno);
    if (replacing && S_ISDIR(previous.st_mode))
        return IoFailure(EISDIR);
    if (replacing && !MayWrite(target.string(), previous))
        return IoFailure(EACCES);

    // mkstemp creates the file exclusively: it never opens an existing file or follows a planted link.
    std::string temporary = TemporaryTemplate(target);
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return IoFailure(errno);
    auto fail = [&temporary](int errorCode) {
        ::unlink(temporary.c_str());
        return IoFailure(errorCode);
    };
    if (!WriteAll(fd.get(), contents) || ::fsync(fd.get()) != 0)
        return fail(errno);
    if (!TakeModeOf(fd.get(), replacing ? &previous : nullptr))
        return fail(errno);
    if (::close(fd.release()) != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(errno);
    SyncFolder(target.parent_path());
    return Status::Ok();
}

Status CreateFileBeside(const std::string& path, const std::string& besidePath, int& descriptor) {
    struct stat beside {};
    const bool hasBeside = ::stat(ResolveLinks(besidePath).c_str(), &beside) == 0;
    // O_EXCL with O_CREAT never opens an existing file and never follows a link at the name.
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return IoFailure(errno);
    if (!TakeModeOf(fd.get(), hasBeside ? &beside : nullptr)) {
        const int error = errno;
        ::unlink(path.c_str());
        return IoFailure(error);
    }
    SyncFolder(fs::path(path).parent_path());
    descriptor = fd.release();
    return Status::Ok();
}

} // namespace vantorel
