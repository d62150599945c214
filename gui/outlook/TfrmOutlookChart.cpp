#include "outlook/TfrmOutlookChart.h"

#include <QPainter>

#include "outlook/OutlookPrintout.h"
#include "platform/HelpWindow.h"
#include "platform/QtCanvas.h"
#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {

TfrmOutlookChart::TfrmOutlookChart(AppContext& app, std::shared_ptr<const Outlook> outlook, int team,
                                   QWidget* parent)
    : QDialog(parent), app_(app), outlook_(std::move(outlook)), team_(team) {
    setWindowTitle(QString::fromStdString(TeamName(app.division, team)) + QStringLiteral(" - Outlook"));
    resize(720, 480);
    setMinimumSize(360, 240);
    InstallHelpKey(this, app.help, [] { return 1600; });
}

void TfrmOutlookChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.translate(12, 12);
    QtCanvas canvas(painter);
    DrawTeamOutlookChart(canvas, app_.division, *outlook_, team_, width() - 24, height() - 24);
}

} // namespace vantorel
