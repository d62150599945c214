#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "store/SnapshotDiff.h"
#include "store/Status.h"

namespace vantorel {

// One change written to a league's journal: an edit (or one part of a compound edit, which joins the part
// before it into one undo step), an undo or a redo, with the difference it made to the league file's bytes.
struct JournalEntry {
    enum class Kind : std::uint8_t { Edit = 1, Undo = 2, Redo = 3 };
    Kind kind = Kind::Edit;
    bool joinsPrevious = false;
    std::int64_t time = 0; // seconds since 1970, UTC
    std::string name;      // the undo step's name
    SnapshotDiff diff;
};

// The journal of a league file: a hidden file beside it (links followed), named after it.
std::string JournalPathOf(const std::string& leaguePath);

// What a journal holds for the league file whose bytes are given. A journal cut short by a kill holds the
// changes up to its last whole one; one made for other bytes than the league file holds now does not fit;
// one that a running program is writing (it holds the journal's lock) is in use.
struct JournalContents {
    enum class State { None, Fits, DoesNotFit, InUse };
    State state = State::None;
    std::vector<JournalEntry> entries;
    std::size_t wholeLength = 0; // the bytes of the header and the whole entries
};
JournalContents ReadJournal(const std::string& journalPath, std::span<const std::uint8_t> leagueBytes);

// The same, from a journal's bytes in memory.
JournalContents DecodeJournal(std::span<const std::uint8_t> journal,
                              std::span<const std::uint8_t> leagueBytes);

// Renames a journal that does not fit its league out of the way, keeping it beside the league as
// JOURNAL.kept-N; the name it was given, or an error.
Status KeepJournalAside(const std::string& journalPath, std::string& keptAs);

// Appends entries to a journal file, each written and flushed to disk before Append returns.
class JournalWriter {
public:
    JournalWriter() = default;
    ~JournalWriter() { Close(); }
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Creates the journal of the league file whose bytes are given, as a save makes its temporary file:
    // exclusively, never through a link, with the league file's mode.
    Status Create(const std::string& journalPath, const std::string& leaguePath,
                  std::span<const std::uint8_t> leagueBytes);
    // Takes the lock of a journal that was read, before its changes are offered, so that a second program
    // opening the league meanwhile finds it in use and neither recovers nor discards it. False when another
    // program holds it; a journal that cannot be opened for writing is not claimed, and Continue says why.
    bool Claim(const std::string& journalPath);
    // Goes on appending to a journal that was read (and claimed), cutting off a tail that was not whole.
    Status Continue(const std::string& journalPath, std::size_t wholeLength);
    Status Append(const JournalEntry& entry);
    bool isOpen() const { return fd_ >= 0; }
    void Close();
    // Closes and removes the journal (when there was one).
    void Remove();

private:
    int fd_ = -1;
    std::string path_;
    std::size_t length_ = 0; // the bytes of whole entries written so far
};

} // namespace vantorel
