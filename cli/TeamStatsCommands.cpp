// The statistics of one team and of one player as plain text.

#include <algorithm>
#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "stats/PlayerRecordView.h"
#include "stats/TeamStats.h"
#include "stats/TeamStatsGrids.h"
#include "store/TextCodec.h"

namespace vantorel::cli {
namespace {

// Rows of cells in columns as wide as their widest cell, two spaces apart.
void PrintColumns(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], Utf8Length(row[c]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += row[c] + (c + 1 < row.size() ? std::string(widths[c] - Utf8Length(row[c]) + 2, ' ') : "");
        out << line << "\n";
    }
}

int TeamStatsText(const Division& division, int team, const DateFormat& dateFormat, std::ostream& out) {
    TeamStatistics stats = TeamStats(division, team);
    out << TeamName(division, team) << "\n";
    for (const auto& [caption, value] : TeamStatsListing(TeamStatsLabels(division, stats)))
        out << caption << ": " << value << "\n";
    out << "\nGames:\n";
    std::vector<std::vector<std::string>> games = {kGamesHeadings};
    SortTeamGames(division, team, stats.games, 1);
    for (const int r : stats.games)
        games.push_back(TeamGameCells(division, team, r, dateFormat));
    PrintColumns(out, games);
    out << "\nPlayers:\n";
    std::vector<std::vector<std::string>> players = {kTeamPlayersHeadings};
    SortTeamPlayers(division, stats.players, 1);
    for (const TeamPlayerLine& line : stats.players)
        players.push_back(TeamPlayerCells(division, line));
    PrintColumns(out, players);
    return 0;
}

int PlayerStatsText(const Division& division, int player, const DateFormat& dateFormat, std::ostream& out) {
    const PlayerSeason season = PlayerSeasonOf(division, player);
    out << PlayerRecordCaption(division, player) << "\n";
    for (std::size_t i = 0; i < kPlayerTotalCaptions.size(); ++i)
        out << kPlayerTotalCaptions[i] << " " << season.totals[i] << "\n";
    out << "Yellow: " << CautionText(season, season.yellow) << "\n"
        << "Red: " << CautionText(season, season.red) << "\n\nMatches:\n";
    std::vector<std::vector<std::string>> rows = {{"Date", "Teams", "Goals"}};
    for (const PlayerMatch& match : season.matches)
        rows.push_back(PlayerMatchCells(division, match, dateFormat));
    PrintColumns(out, rows);
    return 0;
}

} // namespace

int TeamOrPlayerStatsCommand(Arguments& args, const std::string& path, const std::string& what,
                             std::ostream& out) {
    const std::string name = args.positional(what + " name");
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const DateFormat dateFormat = DateFormatOption(args);
    args.finish();
    if (what == "team")
        return TeamStatsText(*division, TeamByName(*division, name), dateFormat, out);
    const int player = division->FindPlayer(name);
    if (player < 1)
        throw UsageError("there is no player called '" + name + "' in this league");
    return PlayerStatsText(*division, player, dateFormat, out);
}

} // namespace vantorel::cli
