#include "CommandSupport.h"

#include <filesystem>

#include "exchange/CsvImport.h"
#include "results/ResultEntry.h"
#include "store/Dates.h"
#include "store/LeagueFile.h"
#include "store/Names.h"

namespace vantorel::cli {

FileLock LockLeague(const std::string& path) {
    FileLock lock;
    if (auto status = FileLock::Take(path, lock); !status)
        throw UsageError(path + ": " + status.message());
    return lock;
}

void SaveLeague(const std::string& path, Division& division) {
    if (auto status = SaveDivision(path, division); !status)
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
