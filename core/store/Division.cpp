#include "store/Division.h"

#include <optional>
#include <string>

#include "store/TextCodec.h"

namespace vantorel {

int Division::FindTeam(std::string_view name) const {
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return 0;
    for (int t = 1; t <= header_.TeamCount + 1 && t <= kTeamSlots; ++t)
        if (Teams[t].Name.stored() == *stored)
            return t;
    return 0;
}

int Division::FindPlayer(std::string_view name) const {
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return 0;
    for (int p = 1; p <= header_.PlayerCount; ++p)
        if (Players[p].Name.stored() == *stored)
            return p;
    return 0;
}

int Division::FindFixture(int homeTeam, int awayTeam) const {
    for (int r = 1; r <= header_.ResultCount; ++r) {
        const ResultRecord& fixture = Results[r];
        if (!fixture.Played && fixture.HomeTeam == homeTeam && fixture.AwayTeam == awayTeam)
            return r;
    }
    return 0;
}

} // namespace vantorel
