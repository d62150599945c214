#include "stats/TfrmGraph.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/HelpWindow.h"
#include "platform/QtCanvas.h"
#include "platform/RadioGroupBox.h"
#include "platform/WindowPlaces.h"
#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

constexpr int kGraphHelpContext = 1300;

QGroupBox* RadioGroup(const QString& caption, const std::vector<const char*>& items, QButtonGroup* group,
                      QWidget* parent) {
    QGroupBox* box = RadioGroupBox(caption, items, group, parent);
    box->layout()->setSpacing(2);
    return box;
}

} // namespace

ProgressGraphBox::ProgressGraphBox(TfrmGraph& graph) : QWidget(&graph), graph_(graph) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    setMinimumSize(400, 250);
}

void ProgressGraphBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter);
    canvas.UseScreenColours(palette());
    graph_.pbGraphPaint(canvas, width(), height());
}

void ProgressGraphBox::mouseMoveEvent(QMouseEvent* event) {
    graph_.pbGraphMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void ProgressGraphBox::mouseDoubleClickEvent(QMouseEvent*) {
    graph_.pbGraphDblClick();
}

void ProgressGraphBox::leaveEvent(QEvent*) {
    graph_.pbGraphMouseMove(-1, -1);
}

TfrmGraph::TfrmGraph(AppContext& app, int selectedTeam, double today, QWidget* parent)
    : KeptDialog(parent), app_(app) {
    pbGraph = new ProgressGraphBox(*this);
    Panel1 = new QWidget(this);
    edMatch = new QLabel(Panel1);
    // The read-out has the yellow of a hint.
    edMatch->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid gray; "
                       "padding: 2px; }"));
    // The read-out takes the room beside the choices and never more, so that the window and the graph keep
    // their size as it comes and goes; a long read-out wraps.
    QSizePolicy keepPlace(QSizePolicy::Ignored, QSizePolicy::Fixed);
    keepPlace.setRetainSizeWhenHidden(true);
    edMatch->setSizePolicy(keepPlace);
    edMatch->setWordWrap(true);
    edMatch->setFixedHeight(3 * edMatch->fontMetrics().lineSpacing() + 8);
    edMatch->hide();
    btnExit = new QPushButton(QStringLiteral("Close"), Panel1);
    btnExit->setToolTip(QStringLiteral("Close graph display"));
    btnSave = new QPushButton(QStringLiteral("Save Picture..."), Panel1);
    btnSave->setToolTip(QStringLiteral("Save the graph as a PNG picture"));
    RadioGroup1 = new QButtonGroup(this);
    RadioGroup2 = new QButtonGroup(this);
    RadioGroup1Box =
        RadioGroup(QStringLiteral("Graph Type"),
                   {"Points Progress", "Top team comparison", "Bottom team comparison"}, RadioGroup1, Panel1);
    RadioGroup2Box =
        RadioGroup(QStringLiteral("Graph Style"), {"Bar graph", "Line graph"}, RadioGroup2, Panel1);

    auto* readOut = new QVBoxLayout;
    readOut->addStretch();
    readOut->addWidget(edMatch);
    readOut->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnSave);
    buttons->addWidget(btnExit);
    auto* panel = new QHBoxLayout(Panel1);
    panel->addLayout(readOut, 1);
    panel->addWidget(RadioGroup1Box);
    panel->addWidget(RadioGroup2Box);
    panel->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pbGraph, 1);
    layout->addWidget(Panel1);

    ShowTeam(selectedTeam, today);
    resize(760, 520);
    RememberPlace(this, QStringLiteral("Graph"), app.settingsFile);

    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TfrmGraph::RadioGroup1Click);
    connect(RadioGroup2, &QButtonGroup::idClicked, this, &TfrmGraph::RadioGroup2Click);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnSave, &QPushButton::clicked, this, &TfrmGraph::btnSaveClick);
    InstallHelpKey(this, app.help, [] { return kGraphHelpContext; });
}

void TfrmGraph::ShowTeam(int selectedTeam, double today) {
    selectedTeam_ = selectedTeam;
    today_ = today;
    // Showing the window: the selected team's points progress, as bars.
    teams_ = {selectedTeam, 0, 0, 0};
    RadioGroup1->button(0)->setChecked(true);
    RadioGroup2->button(1)->setChecked(true);
    RadioGroup2Box->setEnabled(false);
    lineStyle_ = false;
    const std::string name = selectedTeam > 0 && selectedTeam <= app_.division.Header().TeamCount
                                 ? TeamName(app_.division, selectedTeam)
                                 : std::string();
    setWindowTitle(QString::fromUtf8(kGraphCaptionFor) + QString::fromStdString(name));
    pbGraph->update();
}

void TfrmGraph::RadioGroup1Click() {
    const auto type = static_cast<GraphType>(RadioGroup1->checkedId());
    RadioGroup2Box->setEnabled(type != GraphType::PointsProgress);
    lineStyle_ = type != GraphType::PointsProgress && RadioGroup2->checkedId() == 1;
    const LeagueTable table = type == GraphType::PointsProgress
                                  ? LeagueTable{}
                                  : ComparisonTable(app_.division, selectedTeam_, today_);
    teams_ = TeamsForGraph(type, selectedTeam_, table);
    pbGraph->update();
}

void TfrmGraph::RadioGroup2Click() {
    lineStyle_ = RadioGroup2->checkedId() == 1;
    pbGraph->update();
}

void TfrmGraph::pbGraphPaint(Canvas& canvas, int width, int height) {
    hoverGame_ = 0;
    edMatch->hide();
    layout_ =
        DrawProgressGraph(canvas, app_.division, teams_, lineStyle_, app_.settings.Colour4, width, height);
}

void TfrmGraph::pbGraphMouseMove(int x, int y) {
    const int game = layout_.HoverGameAt(x, y);
    if (game == 0) {
        edMatch->hide();
        hoverGame_ = 0;
        return;
    }
    if (game == hoverGame_)
        return;
    hoverGame_ = game;
    edMatch->setText(QString::fromStdString(
        HoverText(app_.division, layout_.hover[static_cast<std::size_t>(game - 1)], app_.dateFormat)));
    edMatch->show();
}

void TfrmGraph::pbGraphDblClick() {
    if (!layout_.hoverValid || hoverGame_ <= 0)
        return;
    if (onShowResult)
        onShowResult(layout_.hover[static_cast<std::size_t>(hoverGame_ - 1)].Result);
}

bool TfrmGraph::btnSaveClick() {
    QImage picture(pbGraph->size(), QImage::Format_RGB32);
    picture.fill(pbGraph->palette().color(QPalette::Window));
    {
        QPainter painter(&picture);
        painter.setFont(pbGraph->font());
        QtCanvas canvas(painter);
        canvas.UseScreenColours(pbGraph->palette());
        DrawProgressGraph(canvas, app_.division, teams_, lineStyle_, app_.settings.Colour4, picture.width(),
                          picture.height());
    }
    return app_.SavePicture(this, app_.leagueFolder + GraphPictureName(app_.division, selectedTeam_),
                            picture);
}

} // namespace vantorel
