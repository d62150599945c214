#include "app/LeagueSettings.h"

#include <algorithm>
#include <string>

#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"
#include "store/NameRules.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

// Stores a UTF-8 name through the field the writer hands out, unless it is empty or already stored; a name
// that CheckName refuses is refused.
template <std::size_t N, typename Field>
Status StoreText(Division& division, const ShortString<N>& current, std::string_view name, NameKind kind,
                 Field field) {
    if (name.empty())
        return Status::Ok();
    if (auto status = CheckName(name, kind); !status)
        return status;
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return Status::Error(UnstorableTextMessage(name));
    const ShortString<N> updated(*stored);
    if (!(updated == current)) {
        DivisionWriter writer(division);
        field(writer) = updated;
    }
    return Status::Ok();
}

// Stores a setting of the header unless it already has the value.
void StoreSetting(Division& division, std::uint8_t DivisionHeader::*setting, int value) {
    if (division.Header().*setting != value)
        DivisionWriter(division).Header().*setting = static_cast<std::uint8_t>(value);
}

} // namespace

Status SetTableName(Division& division, std::string_view name) {
    return StoreText(
        division, division.Header().TableName, name, NameKind::League,
        [](DivisionWriter & writer) -> auto& { return writer.Header().TableName; });
}

bool SetOwnTeam(Division& division, int team) {
    if (division.Header().OwnTeam == team)
        return false;
    StoreSetting(division, &DivisionHeader::OwnTeam, team);
    return team >= 1 && team <= division.Header().TeamCount &&
           division.Teams[team].Name.stored() == "Everton";
}

int MaxZoneCount(const Division& division) {
    return std::min<int>(kMaxZoneCount, division.Header().TeamCount);
}

Status SetZoneCount(Division& division, CountedZone zone, int count) {
    if (count < 0 || count > MaxZoneCount(division))
        return Status::Error("A zone of this league holds 0 to " + std::to_string(MaxZoneCount(division)) +
                             " teams, not " + std::to_string(count) + ".");
    StoreSetting(division,
                 zone == CountedZone::Promotion ? &DivisionHeader::PromoteCount
                 : zone == CountedZone::Playoff ? &DivisionHeader::PlayoffCount
                                                : &DivisionHeader::RelegateCount,
                 count);
    return Status::Ok();
}

void SetWinPoints(Division& division, int winPoints) {
    if (winPoints != division.Header().WinPoints)
        ChangeWinPoints(division, winPoints);
}

Status SetDeduction(Division& division, int team, int deduction) {
    if (deduction < 0 || deduction > kMaxDeduction)
        return Status::Error("A deduction must be between 0 and " + std::to_string(kMaxDeduction) +
                             " points.");
    const TeamRecord& current = division.Teams[team];
    if (current.Deduction == deduction)
        return Status::Ok();
    TeamRecord& record = DivisionWriter(division).Team(team);
    record.Points = static_cast<std::int16_t>(record.Points + record.Deduction - deduction);
    record.Deduction = static_cast<std::uint16_t>(deduction);
    return Status::Ok();
}

Status RenameTeam(Division& division, int team, std::string_view name) {
    return StoreText(
        division, division.Teams[team].Name, name,
        NameKind::Team, [team](DivisionWriter & writer) -> auto& { return writer.Team(team).Name; });
}

} // namespace vantorel
