#include "app/HeadlessPrint.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include <QString>

#include "Arguments.h"
#include "CommandSupport.h"
#include "platform/Printing.h"
#include "platform/Today.h"
#include "standings/MatchesGrid.h"
#include "standings/TablePrintout.h"
#include "stats/GraphPicture.h"

namespace vantorel {

int PrintLeagueToPdf(const std::vector<std::string>& words) {
    const auto printed = std::find(words.begin(), words.end(), "--print");
    if (printed != words.end() && printed + 1 != words.end() && printed[1] == "graph")
        return PrintGraphPicture(words);
    try {
        cli::Arguments args(words, {"--short", "--poss", "--second", "--print"});
        args.flag("--print");
        const std::string what = args.positional("table or grid");
        if (what != "table" && what != "grid")
            throw cli::UsageError("--print takes table or grid, not '" + what + "'");
        const std::string path = args.positional("league file");
        const auto pdf = args.value("--pdf");
        if (!pdf)
            throw cli::UsageError("missing --pdf OUT.pdf");
        auto division = std::make_unique<Division>();
        cli::LoadLeague(path, *division);
        const DateFormat dateFormat = cli::DateFormatOption(args);
        const cli::TableChoice choice = cli::TableOptions(args, *division, dateFormat);
        const bool second = args.flag("--second");
        args.finish();

        PageDrawer draw;
        TablePrintoutInput printout;
        if (what == "table") {
            printout = MakeTablePrintout(*division, FillTable(*division, choice.variant), choice.format,
                                         dateFormat.Format(Today()));
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
