#include "store/Names.h"

#include "store/TextCodec.h"

namespace vantorel {

std::string LeagueName(const Division& division) {
    return Windows1252ToUtf8(division.Header().TableName.stored());
}

std::string TeamName(const Division& division, int team) {
    if (team < 1 || team > kTeamSlots)
        return {};
    return Windows1252ToUtf8(division.Teams[team].Name.stored());
}

std::string PlayerName(const Division& division, int player) {
    return Windows1252ToUtf8(division.Players[player].Name.stored());
}

} // namespace vantorel
