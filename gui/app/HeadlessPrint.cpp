#include "app/HeadlessPrint.h"

#include <iostream>
#include <memory>

#include <QString>

#include "app/HeadlessScreenshot.h"
#include "cmdline/LeagueArguments.h"
#include "platform/Printing.h"
#include "standings/MatchesGrid.h"
#include "standings/TablePicture.h"
#include "standings/TablePrintout.h"
#include "stats/GraphPicture.h"
#include "stats/TeamSummaryPrintout.h"
#include "store/Dates.h"

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
        throw cmdline::UsageError(pdf + ": cannot be written");
    return 0;
}

} // namespace

int PrintLeague(const StartupArguments& startup) {
    if (startup.printout == Printout::Graph)
        return PrintGraphPicture(startup);
    try {
        auto division = std::make_unique<Division>();
        cmdline::LoadLeague(startup.leagueFile, *division);
        if (startup.printout == Printout::Summary)
            return PrintTeamSummaryToPdf(*division, cmdline::TeamByName(*division, *startup.team),
                                         startup.dateFormat, startup.output);

        cmdline::Arguments tableOptions = startup.tableOptions;
        const cmdline::TableChoice choice =
            cmdline::TableOptions(tableOptions, *division, startup.dateFormat);
        tableOptions.finish();
        if (startup.printout == Printout::TablePicture) {
            const TablePrintoutInput printout =
                MakeTablePrintout(*division, FillTable(*division, choice.variant), choice.format,
                                  startup.dateFormat.Format(Today()));
            if (!TablePicture(printout).save(QString::fromStdString(startup.output), "PNG"))
                throw cmdline::UsageError(startup.output + ": cannot be written");
            return 0;
        }
        const bool table = startup.printout == Printout::Table;
        PageDrawer draw;
        TablePrintoutInput printout;
        if (table) {
            printout = MakeTablePrintout(*division, FillTable(*division, choice.variant), choice.format,
                                         startup.dateFormat.Format(Today()));
            draw = [&printout](Canvas& canvas, int width, int height) {
                PrintTable(canvas, width, height, printout);
            };
        } else {
            draw = [&division, second = startup.secondSet](Canvas& canvas, int width, int height) {
                DrawGrid(canvas, *division, width, height, true, second);
            };
        }
        const QString title =
            table ? QStringLiteral("Vantorel League Table") : QStringLiteral("Vantorel Grid");
        if (!PrintToPdf(QString::fromStdString(startup.output), title, draw))
            throw cmdline::UsageError(startup.output + ": cannot be written");
        return 0;
    } catch (const cmdline::UsageError& error) {
        std::cerr << "vantorel --print: " << error.what() << "\n";
        return 1;
    }
}

int RunWithoutWindow(const StartupArguments& startup) {
    if (!startup.error.empty()) {
        std::cerr << startup.error << "\n";
        return startup.exitCode;
    }
    return startup.action == StartupAction::Print ? PrintLeague(startup) : ScreenshotLeague(startup);
}

} // namespace vantorel
