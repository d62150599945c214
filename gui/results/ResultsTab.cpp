#include "results/ResultsTab.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "results/EnterResultsPage.h"
#include "results/ResultEntry.h"
#include "results/ResultListModel.h"
#include "results/SeasonDates.h"
#include "results/TfrmChScore.h"

namespace vantorel {

ResultsTab::ResultsTab(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    model = new ResultListModel(app, ResultListModel::Kind::Played, this);
    sgResults = new QTableView(this);
    sgResults->setAccessibleName(QStringLiteral("Results"));
    sgResults->setModel(model);
    sgResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgResults->setSelectionMode(QAbstractItemView::SingleSelection);
    sgResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgResults->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgResults->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgResults->verticalHeader()->hide();
    sgResults->verticalHeader()->setDefaultSectionSize(sgResults->fontMetrics().height() + 4);
    sgResults->setTabKeyNavigation(false);
    hcResults = sgResults->horizontalHeader();
    hcResults->setSectionsClickable(true);
    hcResults->setSectionResizeMode(QHeaderView::Interactive);
    hcResults->setHighlightSections(false);

    btnChDate = new QPushButton(QStringLiteral("Set Date"), this);
    btnChScore = new QPushButton(QStringLiteral("Set Score"), this);
    btnRemove = new QPushButton(QStringLiteral("Delete"), this);
    btnSquad = new QPushButton(QStringLiteral("Squads"), this);
    btnChDate->setToolTip(QStringLiteral("Change the date of the selected result"));
    btnChScore->setToolTip(QStringLiteral("Change the score and attendance of the selected result"));
    btnRemove->setToolTip(QStringLiteral("Cancel the selected result"));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->setSpacing(8);
    buttons->addWidget(btnChDate);
    buttons->addWidget(btnChScore);
    buttons->addStretch();
    buttons->addWidget(btnSquad);
    buttons->addWidget(btnRemove);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sgResults, 1);
    layout->addLayout(buttons);

    connect(hcResults, &QHeaderView::sectionClicked, this, &ResultsTab::hcResultsSectionClick);
    connect(sgResults, &QTableView::doubleClicked, this, &ResultsTab::btnChScoreClick);
    sgResults->installEventFilter(this);
    connect(btnChDate, &QPushButton::clicked, this, &ResultsTab::btnChDateClick);
    connect(btnChScore, &QPushButton::clicked, this, &ResultsTab::btnChScoreClick);
    connect(btnRemove, &QPushButton::clicked, this, &ResultsTab::btnRemoveClick);
    connect(btnSquad, &QPushButton::clicked, this, &ResultsTab::btnSquadClick);
}

void ResultsTab::Setup() {
    // Until the squad dialog is there the button says so rather than doing nothing.
    btnSquad->setEnabled(static_cast<bool>(app_.showSquads));
    btnSquad->setToolTip(app_.showSquads ? QStringLiteral("Show the squads of the selected result")
                                         : QStringLiteral("Squads cannot be shown in this version yet"));
    model->Fill(workspace_.ResultsSortColumn);
    sgResults->setCurrentIndex(model->index(0, 0));
    LayOutColumns();
}

void ResultsTab::hcResultsSectionClick(int section) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    workspace_.ResultsSortColumn = ResultsSortKey(section);
    model->Resort(workspace_.ResultsSortColumn);
    sgResults->setCurrentIndex(model->index(0, 0));
    QApplication::restoreOverrideCursor();
}

int ResultsTab::SelectedRow() const {
    const QModelIndex current = sgResults->currentIndex();
    return current.isValid() ? current.row() : -1;
}

int ResultsTab::SelectedResult() const {
    return model->list().At(SelectedRow());
}

int ResultsTab::SelectedResultOrBeep() const {
    const int result = SelectedResult();
    if (result == 0)
        app_.prompts.Beep();
    return result;
}

void ResultsTab::btnChDateClick() {
    const int result = SelectedResultOrBeep();
    if (result == 0)
        return;
    const double picked =
        app_.pickDate(this, app_.division.Results[result].MatchDate, btnChDate->mapToGlobal(QPoint(0, 0)));
    if (picked == 0 || !MayStoreOnDate(app_.division, picked, app_.dateFormat, app_.prompts, result))
        return;
    ChangeResultDate(app_.division, result, picked);
    app_.RecordEdit(MatchStep(app_.division, "re-date", result));
    model->RowChanged(SelectedRow());
}

void ResultsTab::btnChScoreClick() {
    const int result = SelectedResultOrBeep();
    if (result == 0)
        return;
    const int row = SelectedRow();
    auto* dialog = new TfrmChScore(app_, result, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, row] {
        std::vector<int> newGoals;
        const CompoundEdit step(app_.edits);
        if (auto status = RescoreResult(app_.division, dialog->result(), dialog->udFor->value(),
                                        dialog->udAgainst->value(), dialog->attendance(), &newGoals);
            !status) {
            app_.prompts.Warn(status.message());
            return;
        }
        app_.RecordEdit(ScoredMatchStep(app_.division, "re-score", dialog->result()));
        AskGoalDetails(app_, this, newGoals);
        model->RowChanged(row);
    });
    dialog->open();
}

void ResultsTab::btnRemoveClick() {
    const int result = SelectedResultOrBeep();
    if (result == 0)
        return;
    if (!app_.prompts.AskYesNo(CancelResultQuestion(app_.division, result)))
        return;
    if (auto status = CancelResult(app_.division, result); !status) {
        app_.prompts.Warn(status.message());
        return;
    }
    model->MarkCancelled(SelectedRow());
    app_.RecordEdit(MatchStep(app_.division, "cancel", result));
}

void ResultsTab::btnSquadClick() {
    const int result = SelectedResult();
    if (result != 0 && app_.showSquads)
        app_.showSquads(this, result);
}

bool ResultsTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sgResults && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnChScoreClick();
            return true;
        }
        if (key == Qt::Key_Delete) {
            btnRemoveClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ResultsTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutColumns();
}

void ResultsTab::LayOutColumns() {
    // The scroll bar is always shown, so the viewport is the width to share; each section holds its line.
    const std::vector<int> widths =
        ResultsGridWidths(sgResults->viewport()->width(), 0, 1, DateColumnWidth(sgResults, app_.dateFormat));
    for (int c = 0; c < 6; ++c)
        hcResults->resizeSection(c, widths[static_cast<std::size_t>(c)] + 1);
}

} // namespace vantorel
