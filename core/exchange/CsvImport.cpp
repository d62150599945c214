#include "exchange/CsvImport.h"

#include "exchange/MatchDetailImport.h"
#include "results/ResultEntry.h"
#include "store/TextCodec.h"
#include "store/TextLines.h"

namespace vantorel {
namespace {

bool ImportResult(Division& division, const std::vector<std::string>& fields, int count,
                  const DateFormat& format) {
    if (count != 5 && count != 6)
        return false;
    const auto date = format.Parse(fields[0]);
    const auto homeGoals = FieldInteger(fields[3]);
    const auto awayGoals = FieldInteger(fields[4]);
    const auto attendance = count == 6 ? FieldInteger(fields[5]) : std::optional<int>(0);
    if (!date || !homeGoals || !awayGoals || !attendance)
        return false;
    // Only real teams play matches: "Transferred-Out" is not one.
    const int home = division.FindTeam(fields[1]);
    const int away = division.FindTeam(fields[2]);
    if (home == 0 || away == 0 || home > division.Header.TeamCount || away > division.Header.TeamCount)
        return false;
    return EnterResult(division, {home, away, *homeGoals, *awayGoals, *date, *attendance}).ok();
}

bool ImportPlayer(Division& division, const std::vector<std::string>& fields, int count) {
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
    return division.AddPlayer(player).ok();
}

} // namespace

std::vector<std::string> ImportTextLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return lines;
}

bool ProcessImport(Division& division, ImportKind kind, std::string_view line, const DateFormat& dateFormat) {
    int count = 0;
    const std::vector<std::string> fields =
        SplitImportLine(line, &count, kind == ImportKind::Squads ? kSquadLineFields : kMaxImportFields);
    switch (kind) {
    case ImportKind::Results:
        return ImportResult(division, fields, count, dateFormat);
    case ImportKind::Players:
        return ImportPlayer(division, fields, count);
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
