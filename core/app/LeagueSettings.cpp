#include "app/LeagueSettings.h"

#include <algorithm>
#include <string>

#include "store/NameRules.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

template <std::size_t N>
Status StoreText(Division& division, ShortString<N>& field, std::string_view name, NameKind kind) {
    if (name.empty())
        return Status::Ok();
    if (auto status = CheckName(name, kind); !status)
        return status;
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return Status::Error(UnstorableTextMessage(name));
    const ShortString<N> updated(*stored);
    if (!(updated == field)) {
        field = updated;
        division.DataChanged = true;
    }
    return Status::Ok();
}

void StoreCount(Division& division, std::uint8_t& field, int value) {
    if (field != value) {
        field = static_cast<std::uint8_t>(value);
        division.DataChanged = true;
    }
}

} // namespace

Status SetTableName(Division& division, std::string_view name) {
    return StoreText(division, division.Header.TableName, name, NameKind::League);
}

bool SetOwnTeam(Division& division, int team) {
    if (division.Header.OwnTeam == team)
        return false;
    StoreCount(division, division.Header.OwnTeam, team);
    return team >= 1 && team <= division.Header.TeamCount && division.Teams[team].Name.stored() == "Everton";
}

int MaxZoneCount(const Division& division) {
    return std::min<int>(kMaxZoneCount, division.Header.TeamCount);
}

Status SetZoneCount(Division& division, Zone zone, int count) {
    if (count < 0 || count > MaxZoneCount(division))
        return Status::Error("A zone of this league holds 0 to " + std::to_string(MaxZoneCount(division)) +
                             " teams, not " + std::to_string(count) + ".");
    DivisionHeader& header = division.Header;
    std::uint8_t& field = zone == Zone::Promotion ? header.PromoteCount
                          : zone == Zone::Playoff ? header.PlayoffCount
                                                  : header.RelegateCount;
    StoreCount(division, field, count);
    return Status::Ok();
}

void SetWinPoints(Division& division, int winPoints) {
    if (winPoints != division.Header.WinPoints)
        division.ChangeWinPoints(winPoints);
}

Status RenameTeam(Division& division, int team, std::string_view name) {
    return StoreText(division, division.Teams[team].Name, name, NameKind::Team);
}

} // namespace vantorel
