// Any bytes as a league file, loaded as the program loads one (mends and recounts included), then every read
// operation run over it: each table variant with its cells and explanations, the statistics pages, every
// export section, the results and fixture lists in each order, the players list, each team's page, each
// player's record and the report of each played match. None may crash or read outside the records.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "exchange/CsvExport.h"
#include "platform/DateFormat.h"
#include "players/Players.h"
#include "results/ResultDetails.h"
#include "results/ResultList.h"
#include "standings/DateList.h"
#include "standings/Standings.h"
#include "standings/TableCells.h"
#include "standings/TableExplanation.h"
#include "stats/DivisionStats.h"
#include "stats/GoalStats.h"
#include "stats/PlayerRecordView.h"
#include "stats/ProgressPositions.h"
#include "stats/TeamStats.h"
#include "stats/TeamStatsGrids.h"
#include "store/DivisionCheck.h"
#include "store/LeagueFile.h"
#include "support/ExportLines.h"

namespace {

using namespace vantorel;

void ReadTables(const Division& division) {
    for (const TableContent content :
         {TableContent::PlayedGames, TableContent::PlayedPredicted, TableContent::CurrentForm})
        for (const GameSelection games :
             {GameSelection::HomeAndAway, GameSelection::HomeOnly, GameSelection::AwayOnly}) {
            const DateList dates = DateList::Build(division, content);
            const LeagueTable table =
                FillTable(division, {content, games, dates.AsAtDate(), kDefaultFormGames});
            for (const TableFormat format : {TableFormat{false, false}, TableFormat{true, true}})
                (void)TableRows(division, table, format);
            for (int position = 1; position <= table.TeamCount; ++position)
                (void)ExplainPosition(division, table, position);
        }
}

void ReadPagesAndExports(const Division& division, const DateFormat& format) {
    (void)DivisionStats(division, format, '.');
    (void)GoalStats(division, format);
    (void)GoalsPerMatch(division);
    const LeagueTable table = FillTable(
        division, {TableContent::PlayedGames, GameSelection::HomeAndAway,
                   DateList::Build(division, TableContent::PlayedGames).AsAtDate(), kDefaultFormGames});
    ExportRequest request;
    request.table = &table;
    request.to = 3e6;
    testing::CountingSink sink;
    ExportSections(division, request, format, sink);
}

void ReadLists(const Division& division, const DateFormat& format) {
    for (bool played : {true, false}) {
        ResultList list = played ? ResultList::Played(division) : ResultList::Open(division);
        for (int key = 1; key <= 7; ++key) {
            list.Sort(division, key);
            for (int row = 0; row < list.count(); ++row)
                (void)(played ? ResultCells(division, list.At(row), false, format)
                              : PredictCells(division, list.At(row), format));
        }
    }
    for (const PlayerSortKey key : {PlayerSortKey::Player, PlayerSortKey::Team, PlayerSortKey::Goals})
        for (int team = 0; team <= division.Header().TeamCount + 1; ++team)
            (void)SortedPlayerList(division, team, key);
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (division.Results[r].Played)
            (void)BuildMatchReport(division, r, format);
}

void ReadTeamsAndPlayers(const Division& division, const DateFormat& format) {
    for (int team = 1; team <= division.Header().TeamCount; ++team) {
        TeamStatistics stats = TeamStats(division, team);
        (void)TeamStatsListing(TeamStatsLabels(division, stats));
        for (int key = 1; key <= 12; ++key)
            SortTeamGames(division, team, stats.games, key);
        for (int result : stats.games)
            (void)TeamGameCells(division, team, result, format);
        for (int key = 1; key <= 5; ++key)
            SortTeamPlayers(division, stats.players, key);
        for (const TeamPlayerLine& line : stats.players)
            (void)TeamPlayerCells(division, line);
        (void)PositionsAfterGames(division, team, TeamGamesByDate(division, team));
    }
    for (int player = 1; player <= division.Header().PlayerCount; ++player) {
        const PlayerSeason season = PlayerSeasonOf(division, player);
        (void)PlayerRecordCaption(division, player);
        for (const PlayerMatch& match : season.matches)
            (void)PlayerMatchCells(division, match, format);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto division = std::make_unique<Division>();
    if (!ReadDivision(std::span(data, size), *division))
        return 0;
    // As LoadDivision does after reading: what it mends, and the running totals recounted.
    MendSettings(*division);
    RecomputeRunningTotals(*division);
    const DateFormat format = DateFormat::Default();
    ReadTables(*division);
    ReadPagesAndExports(*division, format);
    ReadLists(*division, format);
    ReadTeamsAndPlayers(*division, format);
    return 0;
}
