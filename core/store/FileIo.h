#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "store/Status.h"

namespace vantorel {

// The error code of a file shorter than its contents say; the others are the operating system's.
inline constexpr int kReadBeyondEnd = 100;

// The message when another program holds a file's lock for longer than a save waits.
inline constexpr const char* kFileBusyMessage =
    "Another program is changing this file at the moment; try again shortly.";

// The message for a pipe, device or socket where a file was expected.
inline constexpr const char* kNotAFileMessage = "This is not a regular file.";

// The text the user sees for a failed file operation: "File not found", "File access denied",
// "Read beyond end of file", "Disk full", ... or "I/O error n".
std::string IoErrorText(int errorCode);

// Reads at most maxBytes from the start of a regular file; a pipe or device is refused without waiting on it.
Status ReadFileBytes(const std::string& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);

// The file a path names, following symbolic links to their end (the path itself when it is not a link).
std::string ResolveLinks(const std::string& path);

// An exclusive advisory lock on an existing file, held while the object lives. Programs that change a file
// take it first, so that two of them never replace the same file at once. The lock belongs to the process:
// taking it again while it is held (a save during a command that holds it) succeeds at once.
class FileLock {
public:
    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Locks the file a path names (after its links), waiting up to about five seconds for another holder.
    // A file that does not exist yet needs no lock: the lock then holds nothing and succeeds.
    static Status Take(const std::string& path, FileLock& lock);

    void Release();
    // False when the file did not exist, so that there was nothing to lock.
    bool held() const { return held_; }

private:
    bool held_ = false;
    std::uint64_t device_ = 0;
    std::uint64_t inode_ = 0;
};

// Replaces a file with new contents, under its lock. The contents go to a new file beside the real file
// (links followed): unnamed until it is whole where the file system allows it, else a temporary made
// exclusively. It is flushed to disk, given the previous file's mode, owner and group, and renamed over the
// real file; every failure removes it and leaves the previous file as it was. Temporaries that killed saves
// of the same file left behind are removed first. A file that the user may not write is refused with
// "File access denied", anything but a regular file with kNotAFileMessage.
Status ReplaceFile(const std::string& path, std::span<const std::uint8_t> contents);

// Creates a new file at path for writing, exclusively: never an existing file and never through a link at
// that name, with the mode, owner and group of the file besidePath names (as a save gives its new file).
// The folder is synced so that the new name survives a power cut. The caller closes the descriptor.
Status CreateFileBeside(const std::string& path, const std::string& besidePath, int& descriptor);

// Copies the file at path (links followed) to backupPath as ReplaceFile writes, so that whatever sits at
// backupPath (a link of any kind, even to the file itself) is replaced and never written through. Call it
// while holding the lock of path.
Status WriteBackup(const std::string& path, const std::string& backupPath);

} // namespace vantorel
