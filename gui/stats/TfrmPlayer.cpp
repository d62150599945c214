#include "stats/TfrmPlayer.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/HelpWindow.h"
#include "platform/QtCanvas.h"
#include "platform/RepaintOnce.h"
#include "platform/WindowPlaces.h"
#include "stats/TeamGridDelegate.h"

namespace vantorel {

TfrmPlayer::TfrmPlayer(AppContext& app, int player, QWidget* parent)
    : KeptDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), app_(app) {
    RememberPlace(this, QStringLiteral("Player"), app.settingsFile);
    setModal(true);

    auto* totals = new QGroupBox(QStringLiteral("Goal Totals"), this);
    auto* totalsGrid = new QGridLayout(totals);
    totalsGrid->setVerticalSpacing(2);
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        Labels[i] = new QLabel(QString::fromUtf8(kPlayerTotalCaptions[i]), totals);
        totalsGrid->addWidget(Labels[i], static_cast<int>(i), 0);
    }
    pbGoals = new QWidget(totals);
    pbGoals->setMinimumWidth(180);
    pbGoals->installEventFilter(this);
    totalsGrid->addWidget(pbGoals, 0, 1, static_cast<int>(Labels.size()), 1);
    totalsGrid->setColumnStretch(1, 1);

    auto* cautions = new QGroupBox(QStringLiteral("Cautions"), this);
    auto* cautionGrid = new QGridLayout(cautions);
    lbYellow = new QLabel(cautions);
    lbRed = new QLabel(cautions);
    cautionGrid->addWidget(new QLabel(QStringLiteral("Yellow:"), cautions), 0, 0);
    cautionGrid->addWidget(lbYellow, 0, 1);
    cautionGrid->addWidget(new QLabel(QStringLiteral("Red:"), cautions), 1, 0);
    cautionGrid->addWidget(lbRed, 1, 1);
    cautionGrid->setRowStretch(2, 1);

    auto* matches = new QGroupBox(QStringLiteral("Matches"), this);
    sgGoals = new QTableWidget(0, 3, matches);
    sgGoals->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Teams"), QStringLiteral("Goals")});
    sgGoals->verticalHeader()->hide();
    sgGoals->verticalHeader()->setDefaultSectionSize(sgGoals->fontMetrics().height() + 4);
    sgGoals->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgGoals->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgGoals->setSelectionMode(QAbstractItemView::SingleSelection);
    sgGoals->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgGoals->setItemDelegate(new TeamGridDelegate(
        [](int column) { return column == 2 ? CellAlignment::Right : CellAlignment::Left; }, {}, sgGoals));
    sgGoals->viewport()->installEventFilter(this);
    sgGoals->installEventFilter(this);
    auto* matchesLayout = new QVBoxLayout(matches);
    matchesLayout->addWidget(sgGoals);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(sgGoals, &QTableWidget::cellDoubleClicked, this, &TfrmPlayer::sgGoalsDblClick);

    auto* top = new QHBoxLayout;
    top->addWidget(totals, 1);
    top->addWidget(cautions);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(matches, 1);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    // The player record has no help of its own: F1 shows the team statistics help, which describes it.
    InstallHelpKey(this, app.help, [] { return HelpContext::Workspace + 100; });
    setFixedSize(520, 520);
    ShowPlayer(player);
}

void TfrmPlayer::ShowPlayer(int player) {
    season_ = PlayerSeasonOf(app_.division, player);
    setWindowTitle(QString::fromStdString(PlayerRecordCaption(app_.division, player)));
    FormShow();
    LayOutGrid();
    sgGoals->setCurrentCell(-1, -1);
    sgGoals->scrollToTop();
    pbGoals->update();
}

void TfrmPlayer::FormShow() {
    lbYellow->setText(QString::fromStdString(CautionText(season_, season_.yellow)));
    lbRed->setText(QString::fromStdString(CautionText(season_, season_.red)));
    // The heading row is the grid's header; an empty list keeps one blank row.
    const RepaintOnce once(*sgGoals);
    sgGoals->clearContents();
    sgGoals->setRowCount(std::max<int>(1, static_cast<int>(season_.matches.size())));
    for (std::size_t r = 0; r < season_.matches.size(); ++r) {
        const std::vector<std::string> cells =
            PlayerMatchCells(app_.division, season_.matches[r], app_.dateFormat);
        for (std::size_t c = 0; c < cells.size(); ++c)
            sgGoals->setItem(static_cast<int>(r), static_cast<int>(c),
                             new QTableWidgetItem(QString::fromStdString(cells[c])));
    }
}

void TfrmPlayer::LayOutGrid() {
    int widestDate = 0;
    for (int row = 0; row < sgGoals->rowCount(); ++row)
        if (const QTableWidgetItem* item = sgGoals->item(row, 0))
            widestDate = std::max(widestDate, sgGoals->fontMetrics().horizontalAdvance(item->text()) + 8);
    const std::vector<int> widths =
        PlayerMatchColumnWidths(sgGoals->viewport()->width(), 0, 0, true, widestDate);
    for (std::size_t c = 0; c < widths.size(); ++c)
        sgGoals->setColumnWidth(static_cast<int>(c), widths[c]);
}

void TfrmPlayer::pbGoalsPaint() {
    QPainter painter(pbGoals);
    painter.setFont(font());
    QtCanvas canvas(painter);
    canvas.UseScreenColours(palette());
    std::array<BarPlace, 9> places;
    for (std::size_t i = 0; i < Labels.size(); ++i)
        places[i] = {Labels[i]->y() - pbGoals->y(), Labels[i]->height()};
    DrawPlayerGoalBars(canvas, pbGoals->width(), places, season_);
}

void TfrmPlayer::sgGoalsDblClick() {
    const int row = sgGoals->currentRow();
    if (row < 0 || row >= static_cast<int>(season_.matches.size()) || !onShowResult)
        return;
    onShowResult(season_.matches[static_cast<std::size_t>(row)].Result);
}

bool TfrmPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pbGoals && event->type() == QEvent::Paint) {
        pbGoalsPaint();
        return true;
    }
    if (watched == sgGoals->viewport() && event->type() == QEvent::Resize)
        LayOutGrid();
    if (watched == sgGoals && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sgGoalsDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vantorel
