#include "app/HeadlessPrint.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

#include <QString>

#include "Arguments.h"
#include "CommandSupport.h"
#include "platform/Printing.h"
#include "platform/Today.h"
#include "standings/MatchesGrid.h"
#include "standings/TablePicture.h"
#include "standings/TablePrintout.h"
#include "stats/GraphPicture.h"
#include "stats/TeamSummaryPrintout.h"

namespace vantorel {
namespace {

int PrintTeamSummaryToPdf(const Division& division, int team, const DateFormat& dateFormat,
                          const std::string& pdf) {
    const TeamStatistics stats = TeamStats(division, team);
    const std::string today = dateFormat.Format(Today());
    const bool written = PrintPagesToPdf(QString::fromStdString(pdf), QStringLiteral("Vantorel Team Summary"),
                                         [&](Canvas& canvas, int width, int height, int page) {
                                             return PrintTeamSummary(canvas, width, height, division, stats,
                                                                     dateFormat, today, page);
                                         });
    if (!written)
        throw cli::UsageError(pdf + ": cannot be written");
    return 0;
}

} // namespace

int PrintLeagueToPdf(const std::vector<std::string>& words) {
    const auto printed = std::find(words.begin(), words.end(), "--print");
    if (printed != words.end() && printed + 1 != words.end() && printed[1] == "graph")
        return PrintGraphPicture(words);
    try {
        cli::Arguments args(words, {"--short", "--poss", "--second", "--print"});
        args.flag("--print");
        const std::string what = args.positional("table, grid or summary");
        if (what != "table" && what != "grid" && what != "summary")
            throw cli::UsageError("--print takes table, grid or summary, not '" + what + "'");
        const std::string path = args.positional("league file");
        const auto pdf = args.value("--pdf");
        const auto png = what == "table" ? args.value("--png") : std::nullopt;
        if (!pdf && !png)
            throw cli::UsageError(what == "table" ? "missing --pdf OUT.pdf or --png OUT.png"
                                                  : "missing --pdf OUT.pdf");
        auto division = std::make_unique<Division>();
        cli::LoadLeague(path, *division);
        const DateFormat dateFormat = cli::DateFormatOption(args);
        const cli::TableChoice choice = cli::TableOptions(args, *division, dateFormat);
        const bool second = args.flag("--second");
        const auto teamName = args.value("--team");
        if (what == "summary" && !teamName)
            throw cli::UsageError("missing --team NAME");
        args.finish();
        if (what == "summary")
            return PrintTeamSummaryToPdf(*division, cli::TeamByName(*division, *teamName), dateFormat, *pdf);

        PageDrawer draw;
        TablePrintoutInput printout;
        if (what == "table") {
            printout = MakeTablePrintout(*division, FillTable(*division, choice.variant), choice.format,
                                         dateFormat.Format(Today()));
            if (png) {
                if (!TablePicture(printout).save(QString::fromStdString(*png), "PNG"))
                    throw cli::UsageError(*png + ": cannot be written");
                return 0;
            }
            draw = [&printout](Canvas& canvas, int width, int height) {
                PrintTable(canvas, width, height, printout);
            };
        } else {
            draw = [&division, second](Canvas& canvas, int width, int height) {
                DrawGrid(canvas, *division, width, height, true, second);
            };
        }
        const QString title =
            what == "table" ? QStringLiteral("Vantorel League Table") : QStringLiteral("Vantorel Grid");
        if (!PrintToPdf(QString::fromStdString(*pdf), title, draw))
            throw cli::UsageError(*pdf + ": cannot be written");
        return 0;
    } catch (const cli::UsageError& error) {
        std::cerr << "vantorel --print: " << error.what() << "\n";
        return 1;
    }
}

} // namespace vantorel
