#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantorel {

// One changed stretch of a league file's bytes: the bytes it held before and after, at its offset in the
// file before and in the file after.
struct ChangedBytes {
    std::uint32_t oldOffset = 0;
    std::uint32_t newOffset = 0;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
    friend bool operator==(const ChangedBytes&, const ChangedBytes&) = default;
};

// The difference between two states of a league file, one stretch per record section that changed (header,
// teams, results, goals, players, squads), each trimmed of the bytes it begins and ends with in both states.
// A whole-file trim would be no smaller than the sections in between: a new goal changes the header's counts
// and shifts every later section.
using SnapshotDiff = std::vector<ChangedBytes>;

// The difference from the bytes of one current-format league file to another's.
SnapshotDiff DiffSnapshots(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);

// The state after a difference from the state before it (forward), or before it from the state after it
// (backward). False, with bytes left unspecified, when the bytes given are not the state the difference
// starts from.
bool ApplyDiff(std::span<const std::uint8_t> from, const SnapshotDiff& diff, bool forward,
               std::vector<std::uint8_t>& bytes);

// The bytes a difference keeps, to size the history.
std::size_t DiffSize(const SnapshotDiff& diff);

} // namespace vantorel
