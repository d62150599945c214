#include "players/GoalsTab.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "players/PlayerGrids.h"
#include "players/Players.h"
#include "players/TfrmUpGoal.h"

namespace vantorel {

GoalsTab::GoalsTab(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    cbGoalsTeam = new QComboBox(this);
    cbGoalsTeam->setMinimumContentsLength(24);
    sgGoals = MakeListGrid(kGoalHeadings, {90, 200, 44, 44, 190, 50}, this);
    hcGoals = sgGoals->horizontalHeader();
    panGoals = new QLabel(this);
    panGoals->setFrameShape(QFrame::Panel);
    panGoals->setFrameShadow(QFrame::Sunken);
    btnUpdGoal = new QPushButton(QStringLiteral("&Update"), this);
    frmUpGoal = new TfrmUpGoal(app, this);

    auto* top = new QHBoxLayout;
    auto* teamCaption = new QLabel(QStringLiteral("Goals for:"), this);
    teamCaption->setBuddy(cbGoalsTeam);
    top->addWidget(teamCaption);
    sgGoals->setAccessibleName(QStringLiteral("Goals"));
    top->addWidget(cbGoalsTeam);
    top->addStretch();
    KeepColumnWidths(sgGoals, [](int width) { return GoalsGridWidths(width, 0, 1); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sgGoals, 1);
    layout->addWidget(panGoals);
    layout->addWidget(btnUpdGoal, 0, Qt::AlignHCenter);

    connect(cbGoalsTeam, &QComboBox::activated, this, &GoalsTab::cbGoalsTeamChange);
    connect(hcGoals, &QHeaderView::sectionClicked, this, &GoalsTab::hcGoalsSectionClick);
    connect(sgGoals, &QTableWidget::cellActivated, this, &GoalsTab::btnUpdGoalClick);
    connect(btnUpdGoal, &QPushButton::clicked, this, &GoalsTab::btnUpdGoalClick);
    connect(frmUpGoal, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted)
            ShowRow(sgGoals->currentRow());
        SetGoalsPanel();
    });
}

void GoalsTab::Setup() {
    const Division& division = app_.division;
    cbGoalsTeam->clear();
    std::vector<int> teams;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        teams.push_back(t);
    for (int t : app_.TeamsInListOrder(teams))
        cbGoalsTeam->addItem(QString::fromStdString(TeamName(division, t)), t);
    const int own = cbGoalsTeam->findData(division.Header().OwnTeam);
    cbGoalsTeam->setCurrentIndex(own >= 0 ? own : 0);
    cbGoalsTeamChange();
}

int GoalsTab::team() const {
    return cbGoalsTeam->currentData().toInt();
}

void GoalsTab::cbGoalsTeamChange() {
    FillGoalGrid();
}

void GoalsTab::hcGoalsSectionClick(int section) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    GoalsSortKey = static_cast<GoalSortKey>(
        SortKeyOfHeading(kGoalHeadings, kGoalHeadings[static_cast<std::size_t>(section)]));
    FillGoalGrid();
    QApplication::restoreOverrideCursor();
}

void GoalsTab::FillGoalGrid() {
    GoalList = SortedGoalList(app_.division, team(), GoalsSortKey);
    sgGoals->setRowCount(static_cast<int>(GoalList.size()));
    for (int row = 0; row < static_cast<int>(GoalList.size()); ++row)
        ShowRow(row);
    if (!GoalList.empty()) {
        sgGoals->setCurrentCell(0, 0);
        sgGoals->scrollToTop();
    }
    SetGoalsPanel();
}

void GoalsTab::ShowRow(int row) {
    if (row < 0 || row >= static_cast<int>(GoalList.size()))
        return;
    SetRowCells(sgGoals, row,
                GoalRow(app_.division, GoalList[static_cast<std::size_t>(row)], team(), app_.dateFormat));
}

void GoalsTab::SetGoalsPanel() {
    panGoals->setText(QString::fromStdString(GoalsPanelText(app_.division, GoalList)));
}

void GoalsTab::btnUpdGoalClick() {
    const int row = sgGoals->currentRow();
    if (row < 0 || row >= static_cast<int>(GoalList.size())) {
        app_.prompts.Beep();
        return;
    }
    frmUpGoal->FormShow(GoalList[static_cast<std::size_t>(row)], 0);
    frmUpGoal->open();
}

} // namespace vantorel
