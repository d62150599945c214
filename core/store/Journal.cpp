#include "store/Journal.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/FileIo.h"
#include "store/LeagueFile.h"

namespace vantorel {
namespace {

namespace fs = std::filesystem;

// "VNTJRNL" and the journal format's version.
constexpr std::uint8_t kJournalMagic[8] = {'V', 'N', 'T', 'J', 'R', 'N', 'L', 1};
// Magic, the league file's size and its hash.
constexpr std::size_t kJournalHeaderSize = 8 + 8 + 8;
// Each entry's frame: the length of its contents and their hash.
constexpr std::size_t kFrameSize = 4 + 8;
// No entry holds more than two whole league files; a longer length is damage.
constexpr std::size_t kLargestEntry = 2 * kLargestFileSize + 64 * 1024;

// FNV-1a, 64 bits: enough to tell a torn or foreign write from a whole one.
std::uint64_t Hash(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

void Put(std::vector<std::uint8_t>& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutBytes(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes) {
    Put(out, bytes.size(), 4);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// Reads little-endian fields, failing once for good when the bytes run out.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    std::uint64_t take(int width) {
        std::uint64_t value = 0;
        if (!has(static_cast<std::size_t>(width)))
            return 0;
        for (int i = 0; i < width; ++i)
            value |= std::uint64_t{bytes_[position_++]} << (8 * i);
        return value;
    }
    std::span<const std::uint8_t> bytes(std::size_t count) {
        if (!has(count))
            return {};
        const auto part = bytes_.subspan(position_, count);
        position_ += count;
        return part;
    }
    std::vector<std::uint8_t> block() {
        const auto part = bytes(static_cast<std::size_t>(take(4)));
        return {part.begin(), part.end()};
    }

private:
    bool has(std::size_t count) {
        if (ok_ && bytes_.size() - position_ >= count)
            return true;
        ok_ = false;
        return false;
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

std::vector<std::uint8_t> EncodeHeader(std::span<const std::uint8_t> leagueBytes) {
    std::vector<std::uint8_t> out(std::begin(kJournalMagic), std::end(kJournalMagic));
    Put(out, leagueBytes.size(), 8);
    Put(out, Hash(leagueBytes), 8);
    return out;
}

std::vector<std::uint8_t> EncodeEntry(const JournalEntry& entry) {
    std::vector<std::uint8_t> contents;
    Put(contents, static_cast<std::uint8_t>(entry.kind), 1);
    Put(contents, entry.joinsPrevious ? 1 : 0, 1);
    Put(contents, static_cast<std::uint64_t>(entry.time), 8);
    PutBytes(contents, {reinterpret_cast<const std::uint8_t*>(entry.name.data()), entry.name.size()});
    Put(contents, entry.diff.size(), 4);
    for (const ChangedBytes& change : entry.diff) {
        Put(contents, change.oldOffset, 4);
        Put(contents, change.newOffset, 4);
        PutBytes(contents, change.before);
        PutBytes(contents, change.after);
    }
    std::vector<std::uint8_t> framed;
    framed.reserve(kFrameSize + contents.size());
    Put(framed, contents.size(), 4);
    Put(framed, Hash(contents), 8);
    framed.insert(framed.end(), contents.begin(), contents.end());
    return framed;
}

bool DecodeEntry(std::span<const std::uint8_t> contents, JournalEntry& entry) {
    Reader in(contents);
    const auto kind = in.take(1);
    if (kind < 1 || kind > 3)
        return false;
    entry.kind = static_cast<JournalEntry::Kind>(kind);
    entry.joinsPrevious = in.take(1) != 0;
    entry.time = static_cast<std::int64_t>(in.take(8));
    const auto name = in.block();
    entry.name.assign(name.begin(), name.end());
    const auto changes = in.take(4);
    for (std::uint64_t i = 0; i < changes && in.ok(); ++i) {
        ChangedBytes change;
        change.oldOffset = static_cast<std::uint32_t>(in.take(4));
        change.newOffset = static_cast<std::uint32_t>(in.take(4));
        change.before = in.block();
        change.after = in.block();
        entry.diff.push_back(std::move(change));
    }
    return in.ok() && in.position() == contents.size();
}

Status IoFailure(int errorCode) {
    return Status::Error(IoErrorText(errorCode != 0 ? errorCode : EIO));
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string JournalPathOf(const std::string& leaguePath) {
    const fs::path league = ResolveLinks(leaguePath);
    return (league.parent_path() / ("." + league.filename().string() + ".journal")).string();
}

JournalContents DecodeJournal(std::span<const std::uint8_t> journal,
                              std::span<const std::uint8_t> leagueBytes) {
    JournalContents contents;
    contents.state = JournalContents::State::Fits;
    // A header cut short was being made when the program stopped: nothing was journalled yet.
    if (journal.size() < kJournalHeaderSize)
        return contents;
    const std::vector<std::uint8_t> expected = EncodeHeader(leagueBytes);
    if (!std::equal(expected.begin(), expected.end(), journal.begin())) {
        contents.state = JournalContents::State::DoesNotFit;
        return contents;
    }
    Reader in(journal.subspan(kJournalHeaderSize));
    contents.wholeLength = kJournalHeaderSize;
    for (;;) {
        const auto length = static_cast<std::size_t>(in.take(4));
        const auto hash = in.take(8);
        if (!in.ok() || length > kLargestEntry)
            break;
        const auto body = in.bytes(length);
        JournalEntry entry;
        if (!in.ok() || Hash(body) != hash || !DecodeEntry(body, entry))
            break;
        contents.entries.push_back(std::move(entry));
        contents.wholeLength = kJournalHeaderSize + in.position();
    }
    return contents;
}

// Whether another open journal writer holds the journal's lock.
static bool InUse(const std::string& journalPath) {
    const int fd = ::open(journalPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

JournalContents ReadJournal(const std::string& journalPath, std::span<const std::uint8_t> leagueBytes) {
    std::error_code ec;
    const auto status = fs::symlink_status(journalPath, ec);
    if (ec || !fs::exists(status))
        return {};
    if (!fs::is_regular_file(status))
        return {JournalContents::State::DoesNotFit, {}, 0};
    if (InUse(journalPath))
        return {JournalContents::State::InUse, {}, 0};
    const auto size = fs::file_size(journalPath, ec);
    std::vector<std::uint8_t> bytes;
    if (ec || !ReadFileBytes(journalPath, static_cast<std::size_t>(size), bytes))
        return {JournalContents::State::DoesNotFit, {}, 0};
    return DecodeJournal(bytes, leagueBytes);
}

Status KeepJournalAside(const std::string& journalPath, std::string& keptAs) {
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = journalPath + ".kept-" + std::to_string(n);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(candidate, ec)))
            continue;
        if (::rename(journalPath.c_str(), candidate.c_str()) != 0)
            return IoFailure(errno);
        keptAs = candidate;
        return Status::Ok();
    }
    return IoFailure(EEXIST);
}

Status JournalWriter::Create(const std::string& journalPath, const std::string& leaguePath,
                             std::span<const std::uint8_t> leagueBytes) {
    Close();
    int fd = -1;
    if (auto status = CreateFileBeside(journalPath, leaguePath, fd); !status)
        return status;
    fd_ = fd;
    path_ = journalPath;
    length_ = kJournalHeaderSize;
    // Held while the journal is written, so that nobody else recovers or discards it meanwhile.
    (void)::flock(fd_, LOCK_EX | LOCK_NB);
    if (!WriteAll(fd_, EncodeHeader(leagueBytes)) || ::fdatasync(fd_) != 0) {
        const int error = errno;
        Remove();
        return IoFailure(error);
    }
    return Status::Ok();
}

bool JournalWriter::Claim(const std::string& journalPath) {
    Close();
    const int fd = ::open(journalPath.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;
    }
    fd_ = fd;
    path_ = journalPath;
    return true;
}

Status JournalWriter::Continue(const std::string& journalPath, std::size_t wholeLength) {
    // The journal claimed before its changes were offered goes on; one not claimed is opened now.
    if (fd_ < 0 || path_ != journalPath) {
        Close();
        fd_ = ::open(journalPath.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd_ < 0)
            return IoFailure(errno);
        path_ = journalPath;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::ftruncate(fd_, static_cast<off_t>(wholeLength)) != 0 ||
        ::lseek(fd_, static_cast<off_t>(wholeLength), SEEK_SET) < 0) {
        const int error = errno;
        Close();
        return IoFailure(error);
    }
    length_ = wholeLength;
    (void)::flock(fd_, LOCK_EX | LOCK_NB);
    return Status::Ok();
}

Status JournalWriter::Append(const JournalEntry& entry) {
    if (fd_ < 0)
        return IoFailure(EBADF);
    const std::vector<std::uint8_t> framed = EncodeEntry(entry);
    if (!WriteAll(fd_, framed) || ::fdatasync(fd_) != 0) {
        // A torn entry would hide every later one from the reader: cut it off again.
        const int error = errno;
        if (::ftruncate(fd_, static_cast<off_t>(length_)) == 0)
            (void)::lseek(fd_, static_cast<off_t>(length_), SEEK_SET);
        return IoFailure(error);
    }
    length_ += framed.size();
    return Status::Ok();
}

void JournalWriter::Close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void JournalWriter::Remove() {
    Close();
    if (!path_.empty())
        ::unlink(path_.c_str());
    path_.clear();
}

} // namespace vantorel
