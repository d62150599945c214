#include "app/LeagueEdits.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "store/Dates.h"
#include "store/FileIo.h"
#include "store/LeagueFile.h"

namespace vantorel {
namespace {

constexpr const char* kJournalFailedMessage =
    "The change could not be written to the journal that keeps unsaved changes safe (%s). It is kept in "
    "memory: save the league to keep it.";

std::string WithText(const char* pattern, const std::string& text) {
    std::string out = pattern;
    out.replace(out.find("%s"), 2, text);
    return out;
}

// The league's file as it is on disk; empty when it cannot be read, so that no journal fits it.
std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, kLargestFileSize + 1, bytes))
        bytes.clear();
    return bytes;
}

} // namespace

void LeagueEdits::Start(Division& division, const std::string& path, bool atSavedState) {
    journal_.Close();
    division_ = &division;
    leaguePath_ = path;
    journalPath_ = JournalPathOf(path);
    history_.Start(division, atSavedState);
    fileBytes_ = FileBytes(path);
    journalFailed_ = false;
    Changed();
}

Status LeagueEdits::Journal(const std::optional<JournalEntry>& entry) {
    if (!entry || journalFailed_)
        return Status::Ok();
    Status status = journal_.isOpen() ? Status::Ok() : journal_.Create(journalPath_, leaguePath_, fileBytes_);
    // The journal is made exclusively: one at its name is another window's, open on the same league.
    if (!status && status.message() == IoErrorText(EEXIST))
        status = Status::Error("the league is open in another window, which keeps its own");
    if (status)
        status = journal_.Append(*entry);
    if (status)
        return status;
    journalFailed_ = true;
    return Status::Error(WithText(kJournalFailedMessage, status.message()));
}

Status LeagueEdits::Record(const std::string& step, StepMerge merge) {
    if (division_ == nullptr)
        return Status::Ok();
    Status status = Journal(history_.Record(*division_, step, merge));
    Changed();
    return status;
}

bool LeagueEdits::Move(bool undo, Status& journalStatus) {
    if (division_ == nullptr)
        return false;
    // An edit the window did not record would otherwise be lost by loading the step's bytes.
    journalStatus = Journal(history_.Record(*division_, "change"));
    const auto entry = undo ? history_.Undo(*division_) : history_.Redo(*division_);
    if (auto status = Journal(entry); journalStatus)
        journalStatus = std::move(status);
    Changed();
    return entry.has_value();
}

void LeagueEdits::Saved() {
    if (division_ == nullptr)
        return;
    history_.MarkSaved(*division_);
    fileBytes_.assign(history_.bytes().begin(), history_.bytes().end());
    journal_.Remove();
    journalFailed_ = false;
    Changed();
}

void LeagueEdits::Closed() {
    journal_.Remove();
    division_ = nullptr;
}

bool LeagueEdits::OfferRecovery(Prompts& prompts, const DateFormat& dateFormat) {
    if (division_ == nullptr)
        return false;
    const PendingJournal pending = FindPendingJournal(leaguePath_, fileBytes_);
    if (pending.contents.state == JournalContents::State::None)
        return false;
    if (pending.contents.state == JournalContents::State::InUse) {
        prompts.Warn(kJournalInUseText);
        return false;
    }
    if (pending.contents.state == JournalContents::State::DoesNotFit) {
        std::string keptAs;
        if (auto status = KeepJournalAside(journalPath_, keptAs); !status)
            keptAs = journalPath_ + " (" + status.message() + ")";
        prompts.Warn(JournalDoesNotFitText(keptAs));
        return false;
    }
    // Claimed before asking: a second window opening the league while the question is up leaves it alone.
    if (!journal_.Claim(journalPath_)) {
        prompts.Warn(kJournalInUseText);
        return false;
    }
    if (pending.changes == 0 || !prompts.AskChoice(UnsavedChangesText(pending, dateFormat) + " Recover them?",
                                                   kRecoverButton, kDiscardButton)) {
        std::remove(journalPath_.c_str());
        journal_.Close();
        return false;
    }
    EditHistory replayed = history_;
    for (const JournalEntry& entry : pending.contents.entries)
        if (!replayed.Replay(entry)) {
            journal_.Close();
            prompts.Warn("The unsaved changes could not be applied to this league; they were left in " +
                         journalPath_ + ".");
            return false;
        }
    if (auto status = replayed.LoadReplayed(*division_); !status) {
        journal_.Close();
        prompts.Warn(status.message());
        return false;
    }
    history_ = std::move(replayed);
    // The recovered changes are still unsaved: the journal keeps them, and the next edits follow them.
    if (auto status = journal_.Continue(journalPath_, pending.contents.wholeLength); !status)
        journalFailed_ = true;
    Changed();
    return true;
}

void LeagueEdits::Changed() const {
    if (onChanged)
        onChanged();
}

PendingJournal FindPendingJournal(const std::string& leaguePath, std::span<const std::uint8_t> fileBytes) {
    PendingJournal pending;
    pending.journalPath = JournalPathOf(leaguePath);
    pending.contents = ReadJournal(pending.journalPath, fileBytes);
    for (const JournalEntry& entry : pending.contents.entries) {
        if (!entry.joinsPrevious)
            ++pending.changes;
        pending.lastTime = entry.time;
    }
    return pending;
}

std::string ChangeTimeText(std::int64_t time, const DateFormat& dateFormat) {
    const auto seconds = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto day = DayNumberOf({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour, local.tm_min);
    return dateFormat.Format(day.value_or(0)) + " at " + clock;
}

std::string UnsavedChangesText(const PendingJournal& pending, const DateFormat& dateFormat) {
    const std::string count = pending.changes == 1
                                  ? "1 change to this league was"
                                  : std::to_string(pending.changes) + " changes to this league were";
    return count + " not saved; the last was made on " + ChangeTimeText(pending.lastTime, dateFormat) + ".";
}

std::string JournalDoesNotFitText(const std::string& keptAs) {
    return "Unsaved changes were found for this league, but the league file was changed since they were "
           "made, so they cannot be applied to it. They were kept in " +
           keptAs + ".";
}

Status ApplyJournal(const PendingJournal& pending, Division& division) {
    EditHistory history;
    history.Start(division, true);
    for (const JournalEntry& entry : pending.contents.entries)
        if (!history.Replay(entry))
            return Status::Error("The unsaved changes do not fit this league file.");
    return history.LoadReplayed(division);
}

} // namespace vantorel
