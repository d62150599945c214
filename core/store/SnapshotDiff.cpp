#include "store/SnapshotDiff.h"

#include <algorithm>

#include "store/LeagueFile.h"

namespace vantorel {
namespace {

// The stretch [oldStart, oldEnd) of before against [newStart, newEnd) of after, trimmed of what both begin
// and end with; nothing when they are equal.
void DiffSection(std::span<const std::uint8_t> before, std::size_t oldStart, std::size_t oldEnd,
                 std::span<const std::uint8_t> after, std::size_t newStart, std::size_t newEnd,
                 SnapshotDiff& diff) {
    std::size_t oldLength = oldEnd - oldStart;
    std::size_t newLength = newEnd - newStart;
    std::size_t prefix = 0;
    while (prefix < oldLength && prefix < newLength && before[oldStart + prefix] == after[newStart + prefix])
        ++prefix;
    if (prefix == oldLength && prefix == newLength)
        return;
    while (oldLength > prefix && newLength > prefix &&
           before[oldStart + oldLength - 1] == after[newStart + newLength - 1]) {
        --oldLength;
        --newLength;
    }
    ChangedBytes change;
    change.oldOffset = static_cast<std::uint32_t>(oldStart + prefix);
    change.newOffset = static_cast<std::uint32_t>(newStart + prefix);
    change.before.assign(before.begin() + static_cast<std::ptrdiff_t>(oldStart + prefix),
                         before.begin() + static_cast<std::ptrdiff_t>(oldStart + oldLength));
    change.after.assign(after.begin() + static_cast<std::ptrdiff_t>(newStart + prefix),
                        after.begin() + static_cast<std::ptrdiff_t>(newStart + newLength));
    diff.push_back(std::move(change));
}

} // namespace

SnapshotDiff DiffSnapshots(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
    const auto oldEnds = RecordSectionEnds(before);
    const auto newEnds = RecordSectionEnds(after);
    SnapshotDiff diff;
    std::size_t oldStart = 0;
    std::size_t newStart = 0;
    for (std::size_t section = 0; section <= oldEnds.size(); ++section) {
        // The last stretch is whatever follows the squads, which a written file never has.
        const std::size_t oldEnd = section < oldEnds.size() ? oldEnds[section] : before.size();
        const std::size_t newEnd = section < newEnds.size() ? newEnds[section] : after.size();
        DiffSection(before, oldStart, oldEnd, after, newStart, newEnd, diff);
        oldStart = oldEnd;
        newStart = newEnd;
    }
    return diff;
}

bool ApplyDiff(std::span<const std::uint8_t> from, const SnapshotDiff& diff, bool forward,
               std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    bytes.reserve(kLargestFileSize);
    std::size_t position = 0;
    for (const ChangedBytes& change : diff) {
        const std::size_t offset = forward ? change.oldOffset : change.newOffset;
        const std::vector<std::uint8_t>& expected = forward ? change.before : change.after;
        const std::vector<std::uint8_t>& replacement = forward ? change.after : change.before;
        if (offset < position || offset + expected.size() > from.size() ||
            !std::equal(expected.begin(), expected.end(), from.begin() + static_cast<std::ptrdiff_t>(offset)))
            return false;
        bytes.insert(bytes.end(), from.begin() + static_cast<std::ptrdiff_t>(position),
                     from.begin() + static_cast<std::ptrdiff_t>(offset));
        bytes.insert(bytes.end(), replacement.begin(), replacement.end());
        position = offset + expected.size();
    }
    bytes.insert(bytes.end(), from.begin() + static_cast<std::ptrdiff_t>(position), from.end());
    return true;
}

std::size_t DiffSize(const SnapshotDiff& diff) {
    std::size_t size = 0;
    for (const ChangedBytes& change : diff)
        size += change.before.size() + change.after.size() + sizeof(ChangedBytes);
    return size;
}

} // namespace vantorel
