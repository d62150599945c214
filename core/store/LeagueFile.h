#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// Size of the header of a current league file, and the size of the largest league file the capacities allow.
inline constexpr std::size_t kHeaderSize = 68;
inline constexpr std::size_t kLargestFileSize =
    kHeaderSize + 36 * kMaxTeams + 24 * kMaxResults + 10 * kMaxGoals + 23 * kMaxPlayers + 115 * kMaxSquads;

// Reads a league file's bytes into the Division, upgrading an older format (versions 6..19) in memory.
// A file that is cut short, exceeds the capacities or has records pointing outside their arrays is refused
// with a message saying what is wrong, and the Division is left exactly as it was.
Status ReadDivision(std::span<const std::uint8_t> bytes, Division& division);

// The bytes of the Division in the current file format.
std::vector<std::uint8_t> WriteDivision(const Division& division);

// Where the header and each record section (teams, results, goals, players, squads) of a current-format
// league file end, by its header's counts; none lies past the end of the bytes.
std::array<std::size_t, 6> RecordSectionEnds(std::span<const std::uint8_t> bytes);

// The header of a league file that the folder list accepts, by the loader's own test of the header: magic
// "DIVHD", version 6..20, counts within the capacities and a file of fileSize bytes long enough for them.
std::optional<DivisionHeader> IdentifyLeagueFile(std::span<const std::uint8_t> firstBytes,
                                                 std::uint64_t fileSize);

// Loads the league file at path (see ReadDivision); anything but a regular file is refused at once. Settings
// the program never writes are mended (MendSettings: zones larger than the league, unknown sort-rule codes),
// setting DataChanged. The running totals are caches of the results: any that disagree with a recount are
// recomputed, DataChanged is then set and totalsRecomputed tells the caller, which says so once; otherwise
// DataChanged is clear.
Status LoadDivision(const std::string& path, Division& division, bool* totalsRecomputed = nullptr);

// Writes the Division over the file at path (see ReplaceFile: locked, through an exclusive temporary file,
// keeping the file's mode and following links), so that a failure leaves the previous file intact. On success
// DataChanged is cleared; on failure it stays as it was.
Status SaveDivision(const std::string& path, Division& division);

// Writes a freshly built league (header, teams and fixtures; no goals, players or squads) to a new file.
Status WriteNewLeague(const std::string& path, const Division& division);

} // namespace vantorel
