// The commands that list, add, change and delete players.

#include <iomanip>
#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "players/Players.h"
#include "store/TextCodec.h"

namespace vantorel::cli {
namespace {

PlayerSortKey SortOption(Arguments& args) {
    const std::string sort = args.value("--sort").value_or("player");
    if (sort == "player")
        return PlayerSortKey::Player;
    if (sort == "team")
        return PlayerSortKey::Team;
    if (sort == "goals")
        return PlayerSortKey::Goals;
    throw UsageError("--sort must be player, team or goals");
}

// A team a player may belong to, Transferred-Out included.
int PlayerTeamByName(const Division& division, const std::string& name) {
    const int team = division.FindTeam(name);
    if (team == 0)
        throw UsageError("there is no team called '" + name + "' in this league");
    return team;
}

// Pads a UTF-8 text with blanks to a width in characters.
std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    return text + std::string(length < width ? width - length : 1, ' ');
}

} // namespace

int PlayersCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const auto teamName = args.value("--team");
    const PlayerSortKey key = SortOption(args);
    args.finish();
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const int team = teamName ? PlayerTeamByName(*division, *teamName) : 0;
    for (int p : SortedPlayerList(*division, team, key))
        out << Padded(PlayerName(*division, p), kPlayerNameLength + 2)
            << Padded(TeamName(*division, division->Players[p].Team), 32) << int{division->Players[p].Goals}
            << "\n";
    return 0;
}

int PlayerCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const std::string action = args.positional("add, change or delete");
    const std::string name = args.positional("player name");
    const auto newName = action == "change" ? args.value("--name") : std::nullopt;
    const auto teamName = action != "delete" ? args.value("--team") : std::nullopt;
    args.finish();
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);

    std::string done; // printed once the change is saved
    if (action == "add") {
        if (!teamName)
            throw UsageError("missing --team TEAM");
        if (auto status = SavePlayer(*division, 0, name, PlayerTeamByName(*division, *teamName)); !status)
            throw UsageError(status.message());
        done = "Added " + name + "\n";
    } else if (action == "change") {
        const int player = PlayerByName(*division, name);
        const int team = teamName ? PlayerTeamByName(*division, *teamName) : division->Players[player].Team;
        if (auto status = SavePlayer(*division, player, newName.value_or(name), team); !status)
            throw UsageError(status.message());
        done = "Changed " + PlayerName(*division, player) + "\n";
    } else if (action == "delete") {
        if (auto status = DeletePlayer(*division, PlayerByName(*division, name)); !status)
            throw UsageError(status.message());
        done = "Deleted " + name + "\n";
    } else {
        throw UsageError("the action must be add, change or delete");
    }
    SaveLeague(path, *division);
    out << done;
    return 0;
}

} // namespace vantorel::cli
