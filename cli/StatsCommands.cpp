// The statistics pages as plain text.

#include <memory>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "standings/PlainTable.h"
#include "stats/DivisionStats.h"
#include "stats/GoalStats.h"

namespace vantorel::cli {
namespace {

void PrintList(std::ostream& out, const char* caption, const std::vector<StatsLine>& lines) {
    out << caption << "\n";
    for (const StatsLine& line : lines)
        out << line.text << "\n";
    out << "\n";
}

// "Group Caption: value", the group without its closing colon.
void PrintFigures(std::ostream& out, const std::vector<StatsFigure>& figures) {
    for (const StatsFigure& figure : figures) {
        std::string group = figure.group;
        if (!group.empty() && group.back() == ':')
            group.pop_back();
        out << group << " " << figure.caption << " " << figure.value << "\n";
    }
}

} // namespace

int StatsCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const std::string page = args.positional("division, goals, team or player");
    if (page == "team" || page == "player")
        return TeamOrPlayerStatsCommand(args, path, page, out);
    if (page != "division" && page != "goals")
        throw UsageError("stats takes division, goals, team or player, not '" + page + "'");
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const DateFormat dateFormat = DateFormatOption(args);
    args.finish();

    if (page == "division") {
        const DivisionStatistics stats = DivisionStats(*division, dateFormat, '.');
        PrintList(out, kHighHomeCaption, stats.HighHome);
        PrintList(out, kHighAwayCaption, stats.HighAway);
        PrintFigures(out, stats.figures);
        return 0;
    }
    const GoalStatistics stats = GoalStats(*division, dateFormat);
    if (!stats.HasScorers) {
        out << kNoScorersExplanation << "\n";
        return 0;
    }
    PrintList(out, kTopScorersCaption, stats.TopScorers);
    out << kGoalsPerMatchCaption << "\n";
    if (!stats.GoalsPerMatch.empty()) {
        std::vector<std::vector<std::string>> rows;
        for (const HatTrickRow& row : stats.GoalsPerMatch)
            rows.push_back({row.goals, row.player, row.forTeam, row.against, row.date});
        out << FormatPlainTable({"Goals", "Player", "For", "Against", "Date"}, rows);
    }
    out << "\n";
    PrintFigures(out, stats.figures);
    return 0;
}

} // namespace vantorel::cli
