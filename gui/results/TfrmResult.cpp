#include "results/TfrmResult.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "platform/WindowPlaces.h"
#include "players/TfrmSquad.h"
#include "results/ResultDetails.h"

namespace vantorel {
namespace {

constexpr int kLineIndent = 4;
constexpr int kReportWidth = 460;

} // namespace

TfrmResult::TfrmResult(AppContext& app, int ShownResult, QWidget* parent)
    : KeptDialog(parent), app_(app), shownResult_(ShownResult) {
    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    lbHome = new QLabel(Panel1);
    lbResult = new QLabel(Panel1);
    lbAway = new QLabel(Panel1);
    lbHalfTime = new QLabel(Panel1);
    lbAttend = new QLabel(Panel1);
    QFont bold = lbHome->font();
    bold.setBold(true);
    for (QLabel* label : {lbHome, lbResult, lbAway})
        label->setFont(bold);
    lbResult->setAlignment(Qt::AlignCenter);
    lbHalfTime->setAlignment(Qt::AlignCenter);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    btnSquads = new QPushButton(QStringLiteral("&Squads"), this);

    auto* buttons = ButtonRow({btnSquads, BitBtn1});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1, 1);
    layout->addLayout(buttons);
    setMinimumWidth(kReportWidth);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnSquads, &QPushButton::clicked, this, &TfrmResult::btnSquadsClick);
    InstallHelpKey(this, app.help, [] { return HelpContext::ResultDetails; });
    RememberPlace(this, QStringLiteral("Details"), app.settingsFile);
    FormShow();
}

void TfrmResult::FormShow() {
    const MatchReport report = BuildMatchReport(app_.division, shownResult_, app_.dateFormat);
    setWindowTitle(QString::fromStdString(report.caption));
    lbHome->setText(QString::fromStdString(report.home));
    lbResult->setText(QString::fromStdString(report.score));
    lbAway->setText(QString::fromStdString(report.away));
    lbHalfTime->setText(QString::fromStdString(report.halfTime));
    lbAttend->setText(QString::fromStdString(report.attendance));
    for (QLabel* line : scorerLines)
        delete line;
    scorerLines.clear();

    // Two columns under the team names, one line per scorer, then the half-time score and the attendance.
    delete Panel1->layout();
    auto* grid = new QGridLayout(Panel1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);
    grid->addWidget(lbHome, 0, 0);
    grid->addWidget(lbResult, 0, 1);
    grid->addWidget(lbAway, 0, 2);
    // Scorer lines are blue, a light blue on a dark window, where the pure blue could not be read. A
    // palette, not a style sheet: a style sheet on each line costs more than the whole report.
    QPalette blue = Panel1->palette();
    const bool darkWindow = blue.color(QPalette::Window).lightness() < 128;
    blue.setColor(QPalette::WindowText, darkWindow ? QColor(120, 170, 255) : QColor(Qt::blue));
    const std::vector<std::string>* sides[] = {&report.homeLines, &report.awayLines};
    std::size_t rows = std::max(report.homeLines.size(), report.awayLines.size());
    for (int side = 0; side < 2; ++side) {
        int row = 1;
        for (const std::string& text : *sides[side]) {
            auto* line = new QLabel(QString::fromStdString(text), Panel1);
            line->setPalette(blue);
            line->setIndent(kLineIndent);
            grid->addWidget(line, row++, side * 2);
            scorerLines.push_back(line);
        }
    }
    const int below = static_cast<int>(rows) + 1;
    grid->setRowStretch(below, 1);
    grid->addWidget(lbHalfTime, below + 1, 0, 1, 3);
    grid->addWidget(lbAttend, below + 2, 0, 1, 3);
}

void TfrmResult::ShowResult(int ShownResult) {
    shownResult_ = ShownResult;
    FormShow();
}

void TfrmResult::btnSquadsClick() {
    ShowSquads(app_, this, shownResult_);
}

} // namespace vantorel
