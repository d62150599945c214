#include "stats/GraphPicture.h"

#include <iostream>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "cmdline/LeagueArguments.h"
#include "platform/QtCanvas.h"
#include "stats/ProgressGraph.h"
#include "store/Dates.h"
#include "store/Settings.h"

namespace vantorel {

int PrintGraphPicture(const StartupArguments& startup) {
    try {
        auto division = std::make_unique<Division>();
        cmdline::LoadLeague(startup.leagueFile, *division);
        const int team = cmdline::TeamByName(*division, *startup.team);
        const GraphType type = startup.graphType;
        const LeagueTable table =
            type == GraphType::PointsProgress ? LeagueTable{} : ComparisonTable(*division, team, Today());
        const Settings settings;

        QImage picture(startup.width, startup.height, QImage::Format_RGB32);
        picture.fill(QApplication::palette().color(QPalette::Window));
        {
            QPainter painter(&picture);
            QtCanvas canvas(painter);
            DrawProgressGraph(canvas, *division, TeamsForGraph(type, team, table),
                              type != GraphType::PointsProgress && startup.graphLines, settings.Colour4,
                              startup.width, startup.height);
        }
        if (!picture.save(QString::fromStdString(startup.output), "PNG"))
            throw cmdline::UsageError(startup.output + ": cannot be written");
        return 0;
    } catch (const cmdline::UsageError& error) {
        std::cerr << "vantorel --print: " << error.what() << "\n";
        return 1;
    }
}

} // namespace vantorel
