#include "results/PredictResultsPage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "app/StepNames.h"
#include "results/Predictions.h"
#include "results/ResultEntry.h"
#include "results/ResultListModel.h"
#include "results/TfrmPredict.h"
#include "results/TfrmSchedule.h"

namespace vantorel {
namespace {

constexpr int kTickColumn = 0;
constexpr int kDateColumn = 1;
constexpr int kHomeGoalsColumn = 4;
constexpr int kAwayGoalsColumn = 5;

QToolButton* SpinHalf(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFixedWidth(14);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

PredictResultsPage::PredictResultsPage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    panPredict = new QLabel(this);
    panPredict->setAlignment(Qt::AlignCenter);
    panPredict->setFrameShape(QFrame::Panel);
    panPredict->setFrameShadow(QFrame::Raised);
    panPredict->setMinimumHeight(panPredict->fontMetrics().height() + 10);

    model = new ResultListModel(app, ResultListModel::Kind::Open, this);
    sgPredict = new QTableView(this);
    sgPredict->setModel(model);
    sgPredict->setSelectionMode(QAbstractItemView::SingleSelection);
    sgPredict->setSelectionBehavior(QAbstractItemView::SelectItems);
    sgPredict->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgPredict->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgPredict->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgPredict->verticalHeader()->hide();
    sgPredict->verticalHeader()->setDefaultSectionSize(std::max(18, sgPredict->fontMetrics().height() + 2));
    // Tab leaves the grid for Set Date and Set Score; the arrows move within it.
    sgPredict->setTabKeyNavigation(false);
    sgPredict->setToolTip(
        QStringLiteral("Space ticks the match, + and - change a score, Enter sets the score"));
    sgPredict->setIconSize(QSize(16, 16));
    hcPredict = sgPredict->horizontalHeader();
    hcPredict->setSectionsClickable(true);
    hcPredict->setSectionResizeMode(QHeaderView::Interactive);
    hcPredict->setHighlightSections(false);
    sgPredict->viewport()->installEventFilter(this);
    sgPredict->installEventFilter(this);

    sbScore = new QWidget(sgPredict->viewport());
    auto* up = SpinHalf(Qt::UpArrow, sbScore);
    auto* down = SpinHalf(Qt::DownArrow, sbScore);
    auto* spin = new QVBoxLayout(sbScore);
    spin->setContentsMargins(0, 0, 0, 0);
    spin->setSpacing(0);
    spin->addWidget(up);
    spin->addWidget(down);
    sbScore->setFixedSize(14, 16);
    sbScore->hide();
    sbScore->setToolTip(QStringLiteral("Change the predicted score (+ and - keys)"));

    btnPrDate = new QPushButton(QStringLiteral("Set Date"), this);
    btnPrDate->setToolTip(QStringLiteral("Set the date of the selected match"));
    btnPrScore = new QPushButton(QStringLiteral("Set Score"), this);
    btnPrScore->setToolTip(QStringLiteral("Set the predicted score of the selected match"));
    btnPrSchedule = new QPushButton(QStringLiteral("&Match Days..."), this);
    btnPrSchedule->setToolTip(QStringLiteral("Date every match still to play by match days"));
    Panel15 =
        new QLabel(QStringLiteral("TIP: To quickly set the date of all the matches played on the same day:\n"
                                  "1. Select the first match and set it's date by clicking Set Date\n"
                                  "2. Double Click all the other matches for the same date."),
                   this);
    Panel15->setFrameShape(QFrame::Panel);
    Panel15->setFrameShadow(QFrame::Sunken);
    for (QPushButton* button : {btnPrDate, btnPrScore, btnPrSchedule})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrDate);
    buttons->addSpacing(btnPrDate->sizeHint().width());
    buttons->addWidget(btnPrScore);
    buttons->addSpacing(btnPrDate->sizeHint().width());
    buttons->addWidget(btnPrSchedule);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(panPredict);
    left->addWidget(sgPredict, 1);
    left->addLayout(buttons);
    left->addWidget(Panel15, 0, Qt::AlignHCenter);
    auto* panel = new QVBoxLayout;
    btnExit5 = StackPageButtons(*panel, *this, WorkspacePage::PredictResults);
    btnExit5->setAutoDefault(false);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(panel);

    connect(hcPredict, &QHeaderView::sectionClicked, this, &PredictResultsPage::hcPredictSectionClick);
    connect(sgPredict, &QTableView::doubleClicked, this, &PredictResultsPage::sgPredictDblClick);
    connect(sgPredict->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PredictResultsPage::KeepOffTickColumn);
    connect(sgPredict->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PredictResultsPage::PlaceSpinButton);
    connect(sgPredict->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PredictResultsPage::PlaceSpinButton);
    connect(up, &QToolButton::clicked, this, &PredictResultsPage::sbScoreUpClick);
    connect(down, &QToolButton::clicked, this, &PredictResultsPage::sbScoreDownClick);
    connect(btnPrDate, &QPushButton::clicked, this, &PredictResultsPage::btnPrDateClick);
    connect(btnPrScore, &QPushButton::clicked, this, &PredictResultsPage::btnPrScoreClick);
    connect(btnPrSchedule, &QPushButton::clicked, this, &PredictResultsPage::btnPrScheduleClick);
}

void PredictResultsPage::btnPrScheduleClick() {
    auto* dialog = new TfrmSchedule(app_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] { FillPredictList(workspace_.PredictSortColumn); });
    dialog->open();
}

void PredictResultsPage::FillPredictList(int key) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    model->Fill(key);
    const int count = model->list().count();
    panPredict->setText(QString::fromStdString(RemainingGamesText(count)));
    for (QWidget* part :
         std::initializer_list<QWidget*>{sgPredict, btnPrDate, btnPrScore, btnPrSchedule, Panel15})
        part->setVisible(count > 0);
    if (count > 0) {
        sgPredict->setCurrentIndex(model->index(0, kDateColumn));
        sgPredict->scrollToTop();
        sgPredict->setFocus();
    }
    LayOutColumns();
    PlaceSpinButton();
    QApplication::restoreOverrideCursor();
}

void PredictResultsPage::hcPredictSectionClick(int section) {
    workspace_.PredictSortColumn = PredictSortKey(section);
    FillPredictList(workspace_.PredictSortColumn);
}

int PredictResultsPage::CurrentFixture() const {
    const QModelIndex current = sgPredict->currentIndex();
    return current.isValid() ? model->list().At(current.row()) : 0;
}

int PredictResultsPage::CurrentFixtureOrBeep() const {
    const int fixture = CurrentFixture();
    if (fixture == 0)
        app_.prompts.Beep();
    return fixture;
}

void PredictResultsPage::ToggleTick(int row) {
    const int fixture = model->list().At(row);
    if (fixture == 0)
        return;
    TogglePredicted(app_.division, fixture);
    app_.RecordEdit(MatchStep(app_.division, "prediction", fixture));
    model->RowChanged(row);
}

void PredictResultsPage::SpinScore(bool up) {
    const int fixture = CurrentFixture();
    if (fixture == 0)
        return;
    const bool home = sgPredict->currentIndex().column() == kHomeGoalsColumn;
    if (!SpinPredictedScore(app_.division, fixture, home, up))
        app_.prompts.Beep();
    app_.RecordEdit(MatchStep(app_.division, "prediction", fixture), StepMerge::WithSameName);
    model->RowChanged(sgPredict->currentIndex().row());
}

void PredictResultsPage::sbScoreUpClick() {
    SpinScore(true);
}

void PredictResultsPage::sbScoreDownClick() {
    SpinScore(false);
}

void PredictResultsPage::sgPredictDblClick() {
    const int fixture = CurrentFixtureOrBeep();
    if (fixture == 0)
        return;
    if (!ApplyQuickDate(app_.division, fixture, workspace_.PredictDate, app_.today()))
        return;
    app_.RecordEdit(MatchStep(app_.division, "prediction date", fixture));
    model->RowChanged(sgPredict->currentIndex().row());
}

void PredictResultsPage::btnPrDateClick() {
    const int fixture = CurrentFixtureOrBeep();
    if (fixture == 0)
        return;
    const QPoint topLeft = btnPrDate->mapToGlobal(QPoint(0, -btnPrDate->height()));
    const double picked =
        app_.pickDate(this, PredictCalendarStart(app_.division, fixture, workspace_.PredictDate), topLeft);
    if (picked == 0)
        return;
    ChangeResultDate(app_.division, fixture, picked);
    app_.RecordEdit(MatchStep(app_.division, "prediction date", fixture));
    workspace_.PredictDate = picked;
    model->RowChanged(sgPredict->currentIndex().row());
}

void PredictResultsPage::btnPrScoreClick() {
    const int fixture = CurrentFixtureOrBeep();
    if (fixture == 0)
        return;
    const int row = sgPredict->currentIndex().row();
    auto* dialog = new TfrmPredict(app_, fixture, workspace_.PredictDate, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, row] {
        if (auto status = SetPrediction(app_.division, dialog->fixture(), dialog->udFor->value(),
                                        dialog->udAgainst->value(), dialog->date());
            !status) {
            app_.prompts.Warn(status.message());
            return;
        }
        app_.RecordEdit(ScoredMatchStep(app_.division, "prediction", dialog->fixture()));
        model->RowChanged(row);
    });
    dialog->open();
}

bool PredictResultsPage::eventFilter(QObject* watched, QEvent* event) {
    // A quick second click on a tick arrives as a double click rather than a press: it toggles too.
    if (watched == sgPredict->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const QModelIndex pressed =
            sgPredict->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (pressed.isValid() && pressed.column() == kTickColumn)
            ToggleTick(pressed.row());
    }
    if (watched == sgPredict && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int column = sgPredict->currentIndex().column();
        const bool onScore = column == kHomeGoalsColumn || column == kAwayGoalsColumn;
        if (key->key() == Qt::Key_Space && sgPredict->currentIndex().isValid()) {
            ToggleTick(sgPredict->currentIndex().row());
            return true;
        }
        if (onScore && (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus)) {
            SpinScore(key->key() == Qt::Key_Plus);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnPrScoreClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PredictResultsPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutColumns();
    PlaceSpinButton();
}

void PredictResultsPage::KeepOffTickColumn(const QModelIndex& current) {
    // The tick column is clicked or ticked with Space, never stood on.
    if (current.isValid() && current.column() == kTickColumn)
        sgPredict->setCurrentIndex(model->index(current.row(), kDateColumn));
}

void PredictResultsPage::PlaceSpinButton() {
    const QModelIndex current = sgPredict->currentIndex();
    if (!current.isValid() ||
        (current.column() != kHomeGoalsColumn && current.column() != kAwayGoalsColumn)) {
        sbScore->hide();
        return;
    }
    const QRect cell = sgPredict->visualRect(current);
    if (!sgPredict->viewport()->rect().intersects(cell)) {
        sbScore->hide();
        return;
    }
    sbScore->setFixedHeight(cell.height());
    sbScore->move(cell.right() + 1 - sbScore->width(), cell.top());
    sbScore->show();
}

void PredictResultsPage::LayOutColumns() {
    const std::vector<int> widths =
        PredictGridWidths(sgPredict->viewport()->width(), 0, 1, DateColumnWidth(sgPredict, app_.dateFormat));
    for (int c = 0; c < 6; ++c)
        hcPredict->resizeSection(c, widths[static_cast<std::size_t>(c)] + 1);
}

} // namespace vantorel
