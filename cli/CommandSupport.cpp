#include "CommandSupport.h"

#include <filesystem>
#include <iostream>

#include "app/LeagueEdits.h"
#include "exchange/CsvImport.h"
#include "results/ResultEntry.h"
#include "store/Dates.h"
#include "store/LeagueFile.h"
#include "store/Names.h"
#include "store/SaveGuard.h"
#include "store/TextCodec.h"

namespace vantorel::cli {

FileLock TakeLeagueLock(const std::string& path) {
    FileLock lock;
    if (auto status = FileLock::Take(path, lock); !status)
        throw UsageError(path + ": " + status.message());
    return lock;
}

FileLock LockLeague(const std::string& path) {
    FileLock lock = TakeLeagueLock(path);
    // Saving over a league with changes journalled but not saved would leave them unrecoverable, as their
    // journal would no longer fit the file.
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, kLargestFileSize + 1, bytes))
        return lock;
    const PendingJournal pending = FindPendingJournal(path, bytes);
    if (pending.contents.state == JournalContents::State::InUse)
        throw UsageError(path + ": the league is open in Vantorel with unsaved changes; save or close it "
                                "there first");
    if (pending.contents.state == JournalContents::State::DoesNotFit || pending.changes > 0)
        throw UsageError(path +
                         ": the league has changes made in Vantorel that were not saved; recover or "
                         "discard them first with vantorel-cli recover " +
                         path + " [--discard]");
    return lock;
}

Status SaveWithBackup(const std::string& path, Division& division) {
    const std::string warning = KeepBackup(path);
    Status status = SaveDivision(path, division);
    // The warning says the league is saved, so it waits for the save.
    if (status && !warning.empty())
        std::cerr << path << ": " << warning << "\n";
    return status;
}

void SaveLeague(const std::string& path, Division& division) {
    if (auto status = SaveWithBackup(path, division); !status)
        throw UsageError(path + ": " + status.message());
}

std::vector<std::string> ReadDataLines(const std::string& path) {
    // An empty file has no lines; only a file that cannot be read is an error.
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    std::vector<std::uint8_t> bytes;
    if (sizeError || !ReadFileBytes(path, static_cast<std::size_t>(size), bytes))
        throw UsageError(path + ": " + kImportFileUnreadable);
    return ImportTextLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

int PickMatch(Arguments& args, const Division& division, bool played) {
    int result = 0;
    if (const auto number = args.value("--match")) {
        result = FindMatch(division, ParseNumber(*number, 1, kMaxResults, "--match"));
        if (result == 0)
            throw UsageError("there is no match number " + *number);
    } else {
        const int home = TeamByName(division, args.positional("home team"));
        const int away = TeamByName(division, args.positional("away team"));
        result = played ? FindPlayedResult(division, home, away) : division.FindFixture(home, away);
        if (result == 0) {
            const std::string pair = TeamName(division, home) + " v " + TeamName(division, away);
            throw UsageError(played ? "no result of " + pair + " has been played"
                                    : "every match of " + pair + " has already been played");
        }
    }
    if (division.Results[result].Played != played)
        throw UsageError("match " + std::to_string(division.Results[result].MatchNo) +
                         (played ? " has not been played" : " has already been played"));
    return result;
}

int PlayerByName(const Division& division, const std::string& name) {
    const int player = division.FindPlayer(name);
    if (player == 0)
        throw UsageError("there is no player called '" + name + "' in this league");
    return player;
}

} // namespace vantorel::cli
