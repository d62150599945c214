#include "players/Players.h"

#include <algorithm>

#include "standings/TableLayout.h"
#include "store/DivisionEdits.h"
#include "store/DivisionWriter.h"
#include "store/NameRules.h"
#include "store/TextCodec.h"

namespace vantorel {

bool MayPlayFor(const Division& division, int player, int team) {
    const int playerTeam = division.Players[player].Team;
    return playerTeam == team || playerTeam == division.Header().TeamCount + 1;
}

std::string DuplicatePlayerMessage(std::string_view name) {
    return "A player with the name \"" + std::string(name) + "\" already exists";
}

Status SavePlayer(Division& division, int player, std::string_view name, int team, int* saved) {
    if (name.empty() || team < 1 || team > division.Header().TeamCount + 1)
        return Status::Error(kNameAndTeamWarning);
    if (auto status = CheckName(name, NameKind::Player); !status)
        return status;
    const auto stored = Utf8ToWindows1252(name);
    if (!stored)
        return Status::Error(UnstorableTextMessage(name));
    if (stored->size() > static_cast<std::size_t>(kPlayerNameLength))
        return Status::Error("A player's name may have at most " + std::to_string(kPlayerNameLength) +
                             " characters.");
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        if (p != player && SameTextIgnoringCase(division.Players[p].Name.stored(), *stored))
            return Status::Error(DuplicatePlayerMessage(name));

    PlayerRecord record = player != 0 ? division.Players[player] : PlayerRecord{};
    record.Name.assignStored(*stored);
    record.Team = static_cast<std::uint8_t>(team);
    if (player == 0) {
        if (auto status = AddPlayer(division, record); !status)
            return status;
        player = division.Header().PlayerCount;
    } else {
        DivisionWriter(division).Player(player) = record;
    }
    if (saved)
        *saved = player;
    return Status::Ok();
}

bool PlayerIsReferenced(const Division& division, int player) {
    for (int g = 1; g <= division.Header().GoalCount; ++g)
        if (division.Goals[g].Player == player)
            return true;
    for (int s = 1; s <= division.Header().SquadCount; ++s)
        for (const SquadEntry& line : division.Squads[s].Entries)
            if (line.Player == player)
                return true;
    return false;
}

Status DeletePlayer(Division& division, int player) {
    const DivisionHeader& header = division.Header();
    if (player < 1 || player > header.PlayerCount)
        return Status::Error("There is no such player to delete.");
    if (PlayerIsReferenced(division, player))
        return Status::Error(kPlayerInUseError);
    DivisionWriter writer(division);
    for (int p = player; p < header.PlayerCount; ++p)
        writer.Player(p) = division.Players[p + 1];
    for (int g = 1; g <= header.GoalCount; ++g)
        if (division.Goals[g].Player > player)
            --writer.Goal(g).Player;
    for (int s = 1; s <= header.SquadCount; ++s)
        for (std::size_t k = 0; k < kSquadLines; ++k)
            if (division.Squads[s].Entries[k].Player > player)
                --writer.Squad(s).Entries[k].Player;
    --writer.Header().PlayerCount;
    return Status::Ok();
}

std::string DeletePlayerQuestion(const Division& division, int player) {
    return "Are you sure you want to delete " + PlayerName(division, player) + " of " +
           TeamName(division, division.Players[player].Team);
}

std::vector<int> SortedPlayerList(const Division& division, int team, PlayerSortKey key) {
    std::vector<int> list;
    for (int p = 1; p <= division.Header().PlayerCount; ++p)
        if (team == 0 || division.Players[p].Team == team)
            list.push_back(p);
    auto name = [&](int p) { return division.Players[p].Name.stored(); };
    auto teamName = [&](int p) { return division.Teams[division.Players[p].Team].Name.stored(); };
    auto before = [&](int a, int b) {
        switch (key) {
        case PlayerSortKey::Team:
            if (teamName(a) != teamName(b))
                return teamName(a) < teamName(b);
            break;
        case PlayerSortKey::Goals:
            if (division.Players[a].Goals != division.Players[b].Goals)
                return division.Players[a].Goals > division.Players[b].Goals;
            break;
        case PlayerSortKey::Player:
            break;
        }
        return name(a) < name(b);
    };
    // A stable sort keeps players that compare equal in record order, as the list always has.
    std::stable_sort(list.begin(), list.end(), before);
    return list;
}

std::vector<int> PlayersGridWidths(int width, int scrollBarWidth, int lineWidth) {
    return ShareWidthByUnits(width - scrollBarWidth - 2 * lineWidth, {3, 3, 1}, 1);
}

std::vector<std::string> NamesInOrder(const Division& division, const std::vector<int>& players) {
    std::vector<std::string> stored;
    stored.reserve(players.size());
    for (const int p : players)
        stored.emplace_back(division.Players[p].Name.stored());
    std::sort(stored.begin(), stored.end());
    std::vector<std::string> names;
    names.reserve(stored.size());
    for (const std::string& name : stored)
        names.push_back(Windows1252ToUtf8(name));
    return names;
}

} // namespace vantorel
