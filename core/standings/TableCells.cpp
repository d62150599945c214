#include "standings/TableCells.h"

#include "store/Names.h"

namespace vantorel {

std::vector<std::string> TableHeadings(const TableFormat& format) {
    std::vector<std::string> headings = {"Pos", "Team", "P", "W", "D", "L", "F", "A"};
    if (!format.shortFormat)
        headings.insert(headings.end(), {"W", "D", "L", "F", "A"});
    headings.insert(headings.end(), {"GD", "Pts"});
    if (format.showPoss)
        headings.push_back("PP");
    return headings;
}

std::vector<std::string> TableRowCells(const Division& division, const LeagueTable& table, int position,
                                       const TableFormat& format) {
    const int team = table.TableOrder[position];
    const StandingsRow& row = table.Standings[team];
    std::vector<std::string> cells = {PositionMark(division.Header(), table, position),
                                      TeamName(division, team)};
    std::vector<int> numbers = {row.Played};
    if (format.shortFormat)
        numbers.insert(numbers.end(),
                       {row.Won(), row.Drawn(), row.Lost(), row.GoalsFor(), row.GoalsAgainst()});
    else
        numbers.insert(numbers.end(),
                       {row.HomeWon, row.HomeDrawn, row.HomeLost, row.HomeFor, row.HomeAgainst, row.AwayWon,
                        row.AwayDrawn, row.AwayLost, row.AwayFor, row.AwayAgainst});
    numbers.insert(numbers.end(), {row.GoalDiff, row.Points});
    if (format.showPoss)
        numbers.push_back(row.PossiblePoints);
    for (int number : numbers)
        cells.push_back(std::to_string(number));
    return cells;
}

std::vector<std::vector<std::string>> TableRows(const Division& division, const LeagueTable& table,
                                                const TableFormat& format) {
    std::vector<std::vector<std::string>> rows;
    for (int position = 1; position <= table.TeamCount; ++position)
        rows.push_back(TableRowCells(division, table, position, format));
    return rows;
}

RowColours TableRowColours(const DivisionHeader& header, const LeagueTable& table, int position,
                           const Settings& settings) {
    RowColours colours;
    if (position > table.TeamCount - header.RelegateCount)
        colours.background = settings.Colour3;
    else if (position <= header.PromoteCount)
        colours.background = settings.Colour1;
    else if (position <= header.PromoteCount + header.PlayoffCount)
        colours.background = settings.Colour2;
    if (header.OwnTeam != 0 && table.TableOrder[position] == header.OwnTeam)
        colours.text = settings.Colour4;
    return colours;
}

} // namespace vantorel
