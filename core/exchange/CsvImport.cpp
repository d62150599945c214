#include "exchange/CsvImport.h"

#include <algorithm>
#include <sstream>

#include "exchange/ImportSource.h"
#include "exchange/MatchDetailImport.h"
#include "players/GoalRecords.h"
#include "results/ResultEntry.h"
#include "store/DivisionEdits.h"
#include "store/NameRules.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

// Records why a line was refused when the only reason is a full array.
bool RefusedFull(const Status& status, std::string* fullReason) {
    if (fullReason)
        *fullReason = status.message();
    return false;
}

// Whether the home team already beat, drew or lost to the away team at home on that day. Two meetings at one
// ground are never played on one day, so such a line is the same match listed again (a file imported twice,
// or a line repeated) and must not fill another fixture of the pairing.
bool PlayedOnThatDay(const Division& division, int home, int away, double date) {
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (match.Played && match.HomeTeam == home && match.AwayTeam == away && match.MatchDate == date)
            return true;
    }
    return false;
}

bool ImportPlainResult(Division& division, std::string_view line, const DateFormat& format,
                       std::string* fullReason) {
    ResultFields fields;
    if (ReadPlainResult(line, fields) != ResultLineShape::Result)
        return false;
    return ImportResultFields(division, fields, division.FindTeam(fields.home),
                              division.FindTeam(fields.away), format, fullReason);
}

bool ImportPlayer(Division& division, const std::vector<std::string>& fields, int count,
                  std::string* fullReason) {
    if (count != 2 || fields[0].empty() || !CheckName(fields[0], NameKind::Player))
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

bool ImportResultFields(Division& division, const ResultFields& fields, int home, int away,
                        const DateFormat& format, std::string* fullReason) {
    const auto date = format.Parse(fields.date);
    const auto homeGoals = FieldInteger(fields.homeGoals);
    const auto awayGoals = FieldInteger(fields.awayGoals);
    const auto attendance = fields.attendance ? FieldInteger(*fields.attendance) : std::optional<int>(0);
    // Day 0 would be stored as "no date".
    if (!date || *date == 0 || !homeGoals || !awayGoals || !attendance)
        return false;
    // Only real teams play matches: "Transferred-Out" is not one.
    if (home == 0 || away == 0 || home > division.Header().TeamCount || away > division.Header().TeamCount)
        return false;
    if (PlayedOnThatDay(division, home, away, *date))
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

std::vector<std::string> ImportTextLines(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    StreamLineSource source(in);
    std::vector<std::string> lines;
    for (std::string line; source.NextLine(line);)
        lines.push_back(line);
    return lines;
}

bool ProcessImport(Division& division, ImportKind kind, std::string_view line, const DateFormat& dateFormat,
                   std::string* fullReason) {
    int count = 0;
    const std::vector<std::string> fields =
        SplitImportLine(line, &count, kind == ImportKind::Squads ? kSquadLineFields : kMaxImportFields);
    switch (kind) {
    case ImportKind::Results:
        return ImportPlainResult(division, line, dateFormat, fullReason);
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
