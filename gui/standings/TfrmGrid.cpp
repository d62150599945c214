#include "standings/TfrmGrid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/HelpWindow.h"
#include "platform/QtCanvas.h"
#include "standings/MatchesGrid.h"

namespace vantorel {
namespace {

// The paint box: draws the grid of the league on the screen.
class GridPaintBox : public QWidget {
public:
    GridPaintBox(const Division& division, const QCheckBox& second, QWidget* parent)
        : QWidget(parent), division_(division), second_(second) {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        QtCanvas canvas(painter);
        DrawGrid(canvas, division_, width(), height(), false, second_.isChecked());
    }

private:
    const Division& division_;
    const QCheckBox& second_;
};

} // namespace

TfrmGrid::TfrmGrid(AppContext& app, QWidget* parent) : KeptDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Matches Played"));
    cbSecond = new QCheckBox(QStringLiteral("Second set of matches"), this);
    PaintBox1 = new GridPaintBox(app.division, *cbSecond, this);
    btnPrint = new QPushButton(QStringLiteral("&Print"), this);
    btnPrint->setToolTip(QStringLiteral("Print current display"));
    btnExit = new QPushButton(QStringLiteral("Close"), this);
    btnExit->setToolTip(QStringLiteral("Close this form"));
    auto* panel = new QHBoxLayout;
    panel->addWidget(cbSecond);
    panel->addStretch();
    panel->addWidget(btnPrint);
    panel->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PaintBox1, 1);
    layout->addLayout(panel);

    connect(cbSecond, &QCheckBox::toggled, PaintBox1, qOverload<>(&QWidget::update));
    connect(btnPrint, &QPushButton::clicked, this, &TfrmGrid::btnPrintClick);
    connect(btnExit, &QPushButton::clicked, this, &QDialog::accept);
    InstallHelpKey(this, app.help, [] { return HelpContext::Grid; });
    resize(1000, 700);
    Prepare();
}

void TfrmGrid::Prepare() {
    cbSecond->setEnabled(HasSecondSet(app_.division.Header()));
    if (!cbSecond->isEnabled())
        cbSecond->setChecked(false);
    setWindowState(Qt::WindowMaximized);
    PaintBox1->update();
}

void TfrmGrid::btnPrintClick() {
    btnExit->setEnabled(false);
    const bool second = cbSecond->isChecked();
    app_.print(this, QStringLiteral("Vantorel Grid"), [this, second](Canvas& canvas, int width, int height) {
        DrawGrid(canvas, app_.division, width, height, true, second);
    });
    btnExit->setEnabled(true);
}

} // namespace vantorel
