#include "exchange/CsvImport.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "players/GoalRecords.h"
#include "results/ResultEntry.h"
#include "store/TextCodec.h"
#include "store/TextLines.h"

namespace vantorel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string CleanField(std::string_view field) {
    while (!field.empty() && IsBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && IsBlank(field.back()))
        field.remove_suffix(1);
    if (field.size() > 2 && (field.front() == '"' || field.front() == '\'')) {
        field.remove_prefix(1);
        field.remove_suffix(1);
    }
    return std::string(field);
}

std::optional<int> Integer(const std::string& text) {
    long long value = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || begin == end || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// What became of one line; a line refused because an array is full carries the reason.
struct LineOutcome {
    bool imported = false;
    std::string fullReason;
};

LineOutcome Imported() {
    return {true, {}};
}
LineOutcome Refused() {
    return {false, {}};
}
LineOutcome Full(const Status& status) {
    return {false, status.message()};
}

LineOutcome ImportResult(Division& division, const std::vector<std::string>& fields, int count,
                         const DateFormat& format) {
    if (count != 5 && count != 6)
        return Refused();
    const auto date = format.Parse(fields[0]);
    const auto homeGoals = Integer(fields[3]);
    const auto awayGoals = Integer(fields[4]);
    const auto attendance = count == 6 ? Integer(fields[5]) : std::optional<int>(0);
    // Day 0 would be stored as "no date".
    if (!date || *date == 0 || !homeGoals || !awayGoals || !attendance)
        return Refused();
    // Only real teams play matches: "Transferred-Out" is not one.
    const int home = division.FindTeam(fields[1]);
    const int away = division.FindTeam(fields[2]);
    if (home == 0 || away == 0 || home > division.Header.TeamCount || away > division.Header.TeamCount)
        return Refused();
    const ResultEntry entry{home, away, *homeGoals, *awayGoals, *date, *attendance};
    const Status status = EnterResult(division, entry);
    if (status)
        return Imported();
    // A refusal for want of goal records is told apart from a bad line by its message.
    const bool soundScore = std::clamp(entry.homeGoals, 0, kMaxGoalsInAMatch) == entry.homeGoals &&
                            std::clamp(entry.awayGoals, 0, kMaxGoalsInAMatch) == entry.awayGoals;
    const bool full =
        soundScore &&
        status.message() == CheckRoomForGoals(division, entry.homeGoals + entry.awayGoals).message();
    return full ? Full(status) : Refused();
}

LineOutcome ImportPlayer(Division& division, const std::vector<std::string>& fields, int count) {
    if (count != 2 || fields[0].empty())
        return Refused();
    const int team = division.FindTeam(fields[1]);
    const auto stored = Utf8ToWindows1252(fields[0]);
    if (team == 0 || !stored)
        return Refused();
    // The name is compared as it will be stored, so that importing the same list twice adds nobody twice.
    PlayerRecord player;
    player.Name.assignStored(*stored);
    player.Team = static_cast<std::uint8_t>(team);
    if (division.FindPlayer(Windows1252ToUtf8(player.Name.stored())) != 0)
        return Refused();
    if (auto status = division.AddPlayer(player); !status)
        return Full(status);
    return Imported();
}

LineOutcome ImportLine(Division& division, ImportKind kind, std::string_view line,
                       const DateFormat& dateFormat) {
    int count = 0;
    const std::vector<std::string> fields = SplitImportLine(line, &count);
    return kind == ImportKind::Results ? ImportResult(division, fields, count, dateFormat)
                                       : ImportPlayer(division, fields, count);
}

} // namespace

std::vector<std::string> SplitImportLine(std::string_view line, int* fieldCount) {
    std::vector<std::string> fields;
    int count = 0;
    bool quoted = false;
    std::size_t start = 0;
    auto endField = [&](std::size_t end) {
        ++count;
        if (count <= kMaxImportFields)
            fields.push_back(CleanField(line.substr(start, end - start)));
        start = end + 1;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"' || line[i] == '\'')
            quoted = !quoted;
        else if (line[i] == ',' && !quoted)
            endField(i);
    }
    if (start < line.size())
        endField(line.size());
    if (fieldCount)
        *fieldCount = count;
    return fields;
}

std::vector<std::string> ImportTextLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    // Each line on its own, so that one stray byte changes only the line it is in.
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(bytes))
        lines.push_back(IsValidUtf8(line) ? std::string(line) : Windows1252ToUtf8(line));
    return lines;
}

bool ProcessImport(Division& division, ImportKind kind, std::string_view line, const DateFormat& dateFormat) {
    return ImportLine(division, kind, line, dateFormat).imported;
}

ImportCounters ImportLines(Division& division, ImportKind kind, const std::vector<std::string>& lines,
                           const DateFormat& dateFormat) {
    ImportCounters counters;
    for (const std::string& line : lines) {
        ++counters.read;
        const LineOutcome outcome = ImportLine(division, kind, line, dateFormat);
        if (outcome.imported) {
            ++counters.imported;
            continue;
        }
        ++counters.errors;
        if (!outcome.fullReason.empty()) {
            ++counters.refusedFull;
            counters.fullReason = outcome.fullReason;
        }
    }
    return counters;
}

} // namespace vantorel
