#include "store/FileIo.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <random>
#include <string_view>
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

// Gives the new file the previous file's owner and group where the user may, else at least its group.
void KeepOwnership(int fd, const struct stat& previous) {
    if (::fchown(fd, previous.st_uid, previous.st_gid) == 0)
        return;
    if (::fchown(fd, static_cast<uid_t>(-1), previous.st_gid) != 0) {
        // Neither can be kept: the file stays the user's own, as any new file would be.
    }
}

// Gives a new file the mode of the file it stands beside (or, with none, the mode a new file gets) and,
// where the user may, its owner and group.
bool TakeModeOf(int fd, const struct stat* previous) {
    if (::fchmod(fd, previous != nullptr ? previous->st_mode & 07777 : NewFileMode()) != 0)
        return false;
    if (previous != nullptr)
        KeepOwnership(fd, *previous);
    return true;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// Names of up to this many characters are kept whole in their temporary names.
constexpr std::size_t kWholeNameLength = 24;
// The characters mkstemp puts in place of XXXXXX.
constexpr std::string_view kSuffixCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;

fs::path FolderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// The part of a target's temporary names that says whose they are: the name itself when it is short, else its
// first characters and a hash of the whole name. The temporary names of two targets never look alike, so
// that the stale ones of one target can be removed without touching another's, and they stay short whatever
// the target's name: a name the system accepts for loading can always be saved.
std::string TemporaryStem(const fs::path& target) {
    const std::string name = target.filename().string();
    if (name.size() <= kWholeNameLength)
        return name;
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    return name.substr(0, 16) + "~" + hex; // longer than any whole name, so never one of theirs
}

// A temporary name is this prefix followed by kSuffixLength characters of kSuffixCharacters.
std::string TemporaryPrefix(const fs::path& target) {
    return (FolderOf(target) / ("." + TemporaryStem(target) + ".")).string();
}

bool IsTemporaryOf(const std::string& name, const std::string& stem) {
    const std::size_t prefixLength = stem.size() + 2;
    if (name.size() != prefixLength + kSuffixLength || name[0] != '.' ||
        name.compare(1, stem.size(), stem) != 0 || name[prefixLength - 1] != '.')
        return false;
    return name.find_first_not_of(kSuffixCharacters, prefixLength) == std::string::npos;
}

// Removes the temporary files that saves of target killed before they finished left behind. Only called
// while holding target's lock: every live save of target holds it too, so none of these is still in use.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string stem = TemporaryStem(target);
    std::error_code error;
    for (fs::directory_iterator it(FolderOf(target), error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (IsTemporaryOf(it->path().filename().string(), stem) && it->is_regular_file(typeError) &&
            !it->is_symlink(typeError))
            ::unlink(it->path().c_str());
    }
}

std::string RandomSuffix() {
    static std::mutex mutex;
    static std::mt19937_64 random{std::random_device{}()};
    const std::lock_guard guard(mutex);
    std::string suffix(kSuffixLength, ' ');
    for (char& c : suffix)
        c = kSuffixCharacters[random() % kSuffixCharacters.size()];
    return suffix;
}

// Gives an unnamed file (O_TMPFILE) a fresh temporary name; false when the system cannot.
bool LinkUnnamed(int fd, const std::string& prefix, std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix + RandomSuffix();
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Writes the contents to an open new file and flushes them to disk, with its final mode and owner.
Status FillFile(int fd, std::span<const std::uint8_t> contents, mode_t mode, const struct stat* owner) {
    if (!WriteAll(fd, contents) || ::fsync(fd) != 0 || ::fchmod(fd, mode) != 0)
        return IoFailure(errno);
    if (owner)
        KeepOwnership(fd, *owner);
    return Status::Ok();
}

Status RenameOver(const std::string& temporary, const fs::path& target) {
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return IoFailure(error);
    }
    SyncFolder(FolderOf(target));
    return Status::Ok();
}

// Writes a new file beside target and renames it over the name target (a link there is replaced, never
// followed). The file is written unnamed where the file system allows it and linked in only when it is whole,
// so that a kill leaves no copy behind; elsewhere it is a temporary made exclusively with mkstemp, which
// never opens an existing file or follows a planted link. Every failure removes the temporary file.
Status WriteBeside(const fs::path& target, std::span<const std::uint8_t> contents, mode_t mode,
                   const struct stat* owner) {
    const std::string prefix = TemporaryPrefix(target);
    if (Descriptor unnamed(::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        unnamed.get() >= 0) {
        if (auto status = FillFile(unnamed.get(), contents, mode, owner); !status)
            return status;
        if (std::string temporary; LinkUnnamed(unnamed.get(), prefix, temporary)) {
            if (::close(unnamed.release()) != 0) {
                const int error = errno;
                ::unlink(temporary.c_str());
                return IoFailure(error);
            }
            return RenameOver(temporary, target);
        }
    }
    std::string temporary = prefix + std::string(kSuffixLength, 'X');
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0)
        return IoFailure(errno);
    Status status = FillFile(fd.get(), contents, mode, owner);
    if (status && ::close(fd.release()) != 0)
        status = IoFailure(errno);
    if (!status) {
        ::unlink(temporary.c_str());
        return status;
    }
    return RenameOver(temporary, target);
}

// Opens a file for reading without waiting on a pipe or device; refuses anything but a regular file.
Status OpenRegularFile(const std::string& path, int& fd, struct stat& info) {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return IoFailure(errno);
    const bool known = ::fstat(fd, &info) == 0;
    if (known && S_ISREG(info.st_mode))
        return Status::Ok();
    // Said by what the file is, not by an errno left over from an earlier call.
    const int error = known ? (S_ISDIR(info.st_mode) ? EISDIR : 0) : errno;
    ::close(fd);
    fd = -1;
    return error != 0 ? IoFailure(error) : Status::Error(kNotAFileMessage);
}

// Reads at most maxBytes from an open file.
bool ReadUpTo(int fd, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    bytes.resize(maxBytes);
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(fd, bytes.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
}

} // namespace

Status ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    int opened = -1;
    struct stat info {};
    if (auto status = OpenRegularFile(path, opened, info); !status)
        return status;
    const Descriptor fd(opened);
    if (!ReadUpTo(fd.get(), maxBytes, bytes))
        return IoFailure(errno);
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
    if (replacing && !S_ISREG(previous.st_mode))
        return Status::Error(kNotAFileMessage);
    if (replacing && !MayWrite(target.string(), previous))
        return IoFailure(EACCES);

    if (lock.held())
        RemoveStaleTemporaries(target);
    return WriteBeside(target, contents, replacing ? previous.st_mode & 07777 : NewFileMode(),
                       replacing ? &previous : nullptr);
}

Status WriteBackup(const std::string& path, const std::string& backupPath) {
    const fs::path source = ResolveLinks(path);
    int opened = -1;
    struct stat info {};
    if (auto status = OpenRegularFile(source.string(), opened, info); !status)
        return status;
    const Descriptor fd(opened);
    std::vector<std::uint8_t> bytes;
    if (!ReadUpTo(fd.get(), static_cast<std::size_t>(info.st_size), bytes))
        return IoFailure(errno);
    RemoveStaleTemporaries(backupPath);
    return WriteBeside(backupPath, bytes, info.st_mode & 07777, &info);
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
