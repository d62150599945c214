#include "exchange/CsvImport.h"

#include <algorithm>

#include "exchange/MatchDetailImport.h"
#include "players/GoalRecords.h"
#include "results/ResultEntry.h"
#include "store/DivisionEdits.h"
#include "store/TextCodec.h"
#include "store/TextLines.h"

namespace vantorel {
namespace {

// Records why a line was refused when the only reason is a full array.
bool RefusedFull(const Status& status, std::string* fullReason) {
    if (fullReason)
        *fullReason = status.message();
    return false;
}

bool ImportResult(Division& division, const std::vector<std::string>& fields, int count,
                  const DateFormat& format, std::string* fullReason) {
    if (count != 5 && count != 6)
        return false;
    const auto date = format.Parse(fields[0]);
    const auto homeGoals = FieldInteger(fields[3]);
    const auto awayGoals = FieldInteger(fields[4]);
    const auto attendance = count == 6 ? FieldInteger(fields[5]) : std::optional<int>(0);
    // Day 0 would be stored as "no date".
    if (!date || *date == 0 || !homeGoals || !awayGoals || !attendance)
        return false;
    // Only real teams play matches: "Transferred-Out" is not one.
    const int home = division.FindTeam(fields[1]);
    const int away = division.FindTeam(fields[2]);
    if (home == 0 || away == 0 || home > division.Header().TeamCount || away > division.Header().TeamCount)
        return false;
    const ResultEntry entry{home, away, *homeGoals, *awayGoals, *date, *attendance};
    const Status status = EnterResult(division, entry);
    if (status)
        return true;
    // A refusal for want of goal records is told apart from a bad line by its message.
    const bool soundScore = std::clamp(entry.homeGoals, 0, kMaxGoalsInAMatch) == entry.homeGoals &&
                            std::clamp(entry.awayGoals, 0, kMaxGoalsInAMatch) == entry.awayGoals;
    if (soundScore &&
        status.message() == CheckRoomForGoals(division, entry.homeGoals + entry.awayGoals).message())
        return RefusedFull(status, fullReason);
    return false;
}

bool ImportPlayer(Division& division, const std::vector<std::string>& fields, int count,
                  std::string* fullReason) {
    if (count != 2 || fields[0].empty())
        return false;
    const int team = division.FindTeam(fields[1]);
    const auto stored = Utf8ToWindows1252(fields[0]);
    if (team == 0 || !stored)
        return false;
    // The name is compared as it will be stored, so that importing the same list twice adds nobody twice.
    PlayerRecord player;
    player.Name.assignStored(*stored);
    player.Team = static_cast<std::uint8_t>(team);
    if (division.FindPlayer(Windows1252ToUtf8(player.Name.stored())) != 0)
        return false;
    if (auto status = AddPlayer(division, player); !status)
        return RefusedFull(status, fullReason);
    return true;
}

} // namespace

std::vector<std::string> ImportTextLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    // Each line on its own, so that one stray byte changes only the line it is in.
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(bytes))
        lines.push_back(IsValidUtf8(line) ? std::string(line) : Windows1252ToUtf8(line));
    return lines;
}

bool ProcessImport(Division& division, ImportKind kind, std::string_view line, const DateFormat& dateFormat,
                   std::string* fullReason) {
    int count = 0;
    const std::vector<std::string> fields =
        SplitImportLine(line, &count, kind == ImportKind::Squads ? kSquadLineFields : kMaxImportFields);
    switch (kind) {
    case ImportKind::Results:
        return ImportResult(division, fields, count, dateFormat, fullReason);
    case ImportKind::Players:
        return ImportPlayer(division, fields, count, fullReason);
    case ImportKind::Scorers:
        return ImportScorer(division, fields, count, dateFormat);
    case ImportKind::Squads:
        return ImportSquadLine(division, fields, count, dateFormat);
    case ImportKind::Fixtures:
        return ImportFixtureDate(division, fields, count, dateFormat);
    }
    return false;
}

} // namespace vantorel
