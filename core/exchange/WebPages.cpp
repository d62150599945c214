#include "exchange/WebPages.h"

#include <vector>

#include "platform/Markup.h"
#include "platform/SvgCanvas.h"
#include "standings/TablePrintout.h"
#include "stats/TeamStats.h"
#include "stats/TeamStatsGrids.h"
#include "store/Names.h"

namespace vantorel {
namespace {

constexpr const char* kStyle = "body{font-family:Arial,Helvetica,sans-serif;margin:1em}"
                               "table{border-collapse:collapse;margin-bottom:1.5em}"
                               "caption{font-weight:bold;text-align:left;padding:0.3em 0}"
                               "th,td{border:1px solid #808080;padding:0.15em 0.5em}"
                               "thead th{background:#c0c0c0}"
                               "td{text-align:right}"
                               "th[scope=row]{text-align:left;font-weight:normal}";

std::string PageStart(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           MarkupEscaped(title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
}

constexpr const char* kPageEnd = "</body>\n</html>\n";

std::string Cell(const char* tag, const std::string& text, const std::string& attributes = {}) {
    return std::string("<") + tag + attributes + ">" + MarkupEscaped(text) + "</" + tag + ">";
}

std::string HeadingRow(const std::vector<std::string>& headings) {
    std::string row = "<tr>";
    for (const std::string& heading : headings)
        row += Cell("th", heading, " scope=\"col\"");
    return row + "</tr>\n";
}

// A captioned table of headings and rows, the cell in namingColumn (the caption, the opponent, the player)
// heading its row.
std::string PlainTable(const std::string& caption, const std::vector<std::string>& headings,
                       const std::vector<std::vector<std::string>>& rows, std::size_t namingColumn) {
    std::string html = "<table>\n<caption>" + MarkupEscaped(caption) + "</caption>\n<thead>\n" +
                       HeadingRow(headings) + "</thead>\n<tbody>\n";
    for (const auto& row : rows) {
        html += "<tr>";
        for (std::size_t c = 0; c < row.size(); ++c)
            html += c == namingColumn ? Cell("th", row[c], " scope=\"row\"") : Cell("td", row[c]);
        html += "</tr>\n";
    }
    return html + "</tbody>\n</table>\n";
}

} // namespace

std::string TableWebPage(const Division& division, const LeagueTable& table, const TableFormat& format,
                         const Settings& settings, const DateFormat& dateFormat) {
    const std::string name = LeagueName(division);
    const std::vector<std::string> headings = TableHeadings(format);
    std::string html = PageStart(name) + "<table>\n<caption>" + MarkupEscaped(name) + " &#8211; " +
                       MarkupEscaped(VariantDescription(table.variant, dateFormat)) + "</caption>\n<thead>\n";
    if (!format.shortFormat) {
        // Home and away columns 3..7 and 8..12, as the printout's box puts them.
        const int rest = static_cast<int>(headings.size()) - 13;
        html += "<tr><td colspan=\"3\"></td><th colspan=\"5\" scope=\"colgroup\">Home</th>"
                "<th colspan=\"5\" scope=\"colgroup\">Away</th><td colspan=\"" +
                std::to_string(rest) + "\"></td></tr>\n";
    }
    html += HeadingRow(headings) + "</thead>\n<tbody>\n";
    bool marked = false;
    for (int position = 1; position <= table.TeamCount; ++position) {
        const std::vector<std::string> cells = TableRowCells(division, table, position, format);
        const RowColours colours = TableRowColours(division.Header(), table, position, settings);
        std::string style;
        if (colours.background != kWhite || colours.text != kBlack)
            style = " style=\"background-color:" + CssColour(colours.background) +
                    ";color:" + CssColour(colours.text) + "\"";
        html += "<tr" + style + ">";
        for (std::size_t c = 0; c < cells.size(); ++c)
            html += c == 1 ? Cell("th", cells[c], " scope=\"row\"") : Cell("td", cells[c]);
        html += "</tr>\n";
        marked = marked || cells[0] == "U" || cells[0] == "D";
    }
    html += "</tbody>\n</table>\n";
    if (const std::string note = VariantNote(table.variant.content, table.variant.games); !note.empty())
        html += "<p>" + MarkupEscaped(note) + "</p>\n";
    if (marked)
        html += "<p>U: promotion is certain. D: relegation is certain.</p>\n";
    return html + kPageEnd;
}

std::string TableSvgPicture(const TablePrintoutInput& printout) {
    SvgCanvas canvas;
    const int height = TablePictureHeight(canvas, printout);
    PrintTable(canvas, kTablePictureWidth, kTablePicturePageHeight, printout);
    return canvas.Document(kTablePictureWidth, height);
}

std::string TeamSummaryWebPage(const Division& division, int team, const Settings& settings,
                               const DateFormat& dateFormat) {
    TeamStatistics stats = TeamStats(division, team);
    const std::string name = TeamName(division, team);
    const bool ownTeam = division.Header().OwnTeam == team;
    std::string html = PageStart(name) + "<h1" +
                       (ownTeam ? " style=\"color:" + CssColour(settings.Colour4) + "\"" : std::string()) +
                       ">" + MarkupEscaped(name) + "</h1>\n<p>" + MarkupEscaped(LeagueName(division)) +
                       "</p>\n";
    std::vector<std::vector<std::string>> figures;
    for (const auto& [caption, value] : TeamStatsListing(TeamStatsLabels(division, stats)))
        figures.push_back({caption, value});
    html += PlainTable("Figures", {"Figure", "Value"}, figures, 0);

    SortTeamGames(division, team, stats.games, 1);
    std::vector<std::vector<std::string>> games;
    for (const int r : stats.games)
        games.push_back(TeamGameCells(division, team, r, dateFormat));
    html += PlainTable("Games", kGamesHeadings, games, 3);

    SortTeamPlayers(division, stats.players, 1);
    std::vector<std::vector<std::string>> players;
    for (const TeamPlayerLine& line : stats.players)
        players.push_back(TeamPlayerCells(division, line));
    html += PlainTable("Players", kTeamPlayersHeadings, players, 0);
    return html + kPageEnd;
}

} // namespace vantorel
