#include "stats/TeamStatsGrids.h"

#include <algorithm>

#include "standings/TableLayout.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

struct GameView {
    double date;
    int attendance;
    bool atHome;
    std::string_view opponent; // Windows-1252, compared by character code
    int goalsFor, goalsAgainst;
};

GameView ViewOf(const Division& division, int team, int result) {
    const ResultRecord& m = division.Results[result];
    const bool atHome = m.HomeTeam == team;
    return {m.MatchDate,
            m.Attendance,
            atHome,
            division.Teams[atHome ? m.AwayTeam : m.HomeTeam].Name.stored(),
            atHome ? m.HomeGoals : m.AwayGoals,
            atHome ? m.AwayGoals : m.HomeGoals};
}

// Whether game a goes before game b under a key; games for which neither goes first keep their order.
bool GoesBefore(const GameView& a, const GameView& b, int key) {
    auto bytes = [](std::string_view s) {
        return std::basic_string_view<unsigned char>(reinterpret_cast<const unsigned char*>(s.data()),
                                                     s.size());
    };
    switch (key) {
    case 1:
        return a.date > b.date;
    case 7:
        return a.date < b.date;
    case 2:
        return a.attendance < b.attendance;
    case 8:
        return a.attendance > b.attendance;
    case 3:
    case 9: {
        const bool first = key == 3;
        if (a.atHome != b.atHome)
            return a.atHome == first;
        return a.date > b.date;
    }
    case 4:
    case 10:
        if (a.opponent != b.opponent)
            return bytes(a.opponent) < bytes(b.opponent);
        return a.atHome && !b.atHome;
    case 5:
    case 11:
        if (a.goalsFor != b.goalsFor)
            return key == 5 ? a.goalsFor > b.goalsFor : a.goalsFor < b.goalsFor;
        return a.date < b.date;
    case 6:
    case 12:
        if (a.goalsAgainst != b.goalsAgainst)
            return key == 6 ? a.goalsAgainst > b.goalsAgainst : a.goalsAgainst < b.goalsAgainst;
        return a.date < b.date;
    default:
        return false;
    }
}

} // namespace

int NextGamesSortKey(int currentKey, int column) {
    return column != currentKey ? column : column + 6;
}

void SortTeamGames(const Division& division, int team, std::vector<int>& games, int key) {
    std::vector<std::pair<int, GameView>> views;
    views.reserve(games.size());
    for (const int r : games)
        views.emplace_back(r, ViewOf(division, team, r));
    std::stable_sort(views.begin(), views.end(),
                     [key](const auto& a, const auto& b) { return GoesBefore(a.second, b.second, key); });
    for (std::size_t i = 0; i < games.size(); ++i)
        games[i] = views[i].first;
}

std::vector<std::string> TeamGameCells(const Division& division, int team, int result,
                                       const DateFormat& dateFormat) {
    const ResultRecord& m = division.Results[result];
    const bool atHome = m.HomeTeam == team;
    return {dateFormat.Format(m.MatchDate),
            FormatAttendance(m.Attendance),
            atHome ? "H" : "A",
            TeamName(division, atHome ? m.AwayTeam : m.HomeTeam),
            std::to_string(atHome ? m.HomeGoals : m.AwayGoals),
            std::to_string(atHome ? m.AwayGoals : m.HomeGoals)};
}

void SortTeamPlayers(const Division& division, std::vector<TeamPlayerLine>& players, int key) {
    auto value = [key](const TeamPlayerLine& line) {
        return key == 2   ? line.Appearances
               : key == 3 ? line.Goals
               : key == 4 ? line.Penalties
                          : line.OwnGoals;
    };
    std::stable_sort(players.begin(), players.end(), [&](const TeamPlayerLine& a, const TeamPlayerLine& b) {
        if (key == 1) {
            const std::string_view x = division.Players[a.Player].Name.stored();
            const std::string_view y = division.Players[b.Player].Name.stored();
            return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char c, char d) {
                return static_cast<unsigned char>(c) < static_cast<unsigned char>(d);
            });
        }
        return value(a) > value(b);
    });
}

std::vector<std::string> TeamPlayerCells(const Division& division, const TeamPlayerLine& line) {
    return {PlayerName(division, line.Player),
            line.Appearances == 0 ? std::string() : std::to_string(line.Appearances),
            std::to_string(line.Goals), std::to_string(line.Penalties), std::to_string(line.OwnGoals)};
}

CellAlignment GamesColumnAlignment(int column) {
    switch (column) {
    case 0:
    case 3:
        return CellAlignment::Left;
    case 2:
        return CellAlignment::Centre;
    default:
        return CellAlignment::Right;
    }
}

CellAlignment TeamPlayersColumnAlignment(int column) {
    return column == 0 ? CellAlignment::Left : CellAlignment::Right;
}

int AlignedTextX(CellAlignment alignment, int left, int right, int textWidth) {
    switch (alignment) {
    case CellAlignment::Left:
        return left;
    case CellAlignment::Centre:
        return left + (right - left - textWidth) / 2;
    default:
        return right - textWidth - 4;
    }
}

Colour OppositionColour(const Division& division, const Settings& settings, const std::string& text) {
    const int own = division.Header().OwnTeam;
    return own > 0 && text == TeamName(division, own) ? settings.Colour4 : kBlack;
}

std::vector<int> GamesColumnWidths(int gridWidth, int lineWidth, int scrollBar) {
    return ShareWidthByUnits(gridWidth - scrollBar - 10 * lineWidth, {3, 3, 2, 9, 1, 1}, 3);
}

std::vector<int> TeamPlayersColumnWidths(int gridWidth, int lineWidth, int scrollBar) {
    return ShareWidthByUnits(gridWidth - scrollBar - 10 * lineWidth, {2, 1, 1, 1, 1}, 0);
}

} // namespace vantorel
