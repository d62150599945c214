#include "stats/GraphPicture.h"

#include <iostream>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "Arguments.h"
#include "CommandSupport.h"
#include "platform/QtCanvas.h"
#include "platform/Today.h"
#include "stats/ProgressGraph.h"
#include "store/Settings.h"

namespace vantorel {
namespace {

constexpr int kDefaultWidth = 760, kDefaultHeight = 440;

GraphType TypeOption(cli::Arguments& args) {
    const std::string type = args.value("--type").value_or("progress");
    if (type == "progress")
        return GraphType::PointsProgress;
    if (type == "top")
        return GraphType::TopComparison;
    if (type == "bottom")
        return GraphType::BottomComparison;
    throw cli::UsageError("--type takes progress, top or bottom, not '" + type + "'");
}

std::pair<int, int> SizeOption(cli::Arguments& args) {
    const auto size = args.value("--size");
    if (!size)
        return {kDefaultWidth, kDefaultHeight};
    const std::size_t x = size->find('x');
    if (x == std::string::npos)
        throw cli::UsageError("--size takes WIDTHxHEIGHT, not '" + *size + "'");
    return {cli::ParseNumber(size->substr(0, x), 100, 8000, "the width"),
            cli::ParseNumber(size->substr(x + 1), 100, 8000, "the height")};
}

} // namespace

int PrintGraphPicture(const std::vector<std::string>& words) {
    try {
        cli::Arguments args(words, {"--print"});
        args.flag("--print");
        args.positional("graph");
        const std::string path = args.positional("league file");
        const auto teamName = args.value("--team");
        if (!teamName)
            throw cli::UsageError("missing --team NAME");
        const auto png = args.value("--png");
        if (!png)
            throw cli::UsageError("missing --png OUT.png");
        const GraphType type = TypeOption(args);
        const std::string style = args.value("--style").value_or("bars");
        if (style != "bars" && style != "lines")
            throw cli::UsageError("--style takes bars or lines, not '" + style + "'");
        const auto [width, height] = SizeOption(args);
        args.finish();

        auto division = std::make_unique<Division>();
        cli::LoadLeague(path, *division);
        const int team = cli::TeamByName(*division, *teamName);
        const LeagueTable table =
            type == GraphType::PointsProgress ? LeagueTable{} : ComparisonTable(*division, team, Today());
        const Settings settings;

        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QApplication::palette().color(QPalette::Window));
        {
            QPainter painter(&picture);
            QtCanvas canvas(painter);
            canvas.UseScreenColours(QApplication::palette());
            DrawProgressGraph(canvas, *division, TeamsForGraph(type, team, table),
                              type != GraphType::PointsProgress && style == "lines", settings.Colour4, width,
                              height);
        }
        if (!picture.save(QString::fromStdString(*png), "PNG"))
            throw cli::UsageError(*png + ": cannot be written");
        return 0;
    } catch (const cli::UsageError& error) {
        std::cerr << "vantorel --print: " << error.what() << "\n";
        return 1;
    }
}

} // namespace vantorel
