#pragma once

#include <vector>

#include <QWidget>

#include "app/AppContext.h"
#include "players/GoalList.h"

class QComboBox;
class QHeaderView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vantorel {

class TfrmUpGoal;

// The "&Goals" tab of the maintenance page: the goals credited to one team, sortable by any heading, each
// opened in the goal dialog with Update or a double click.
class GoalsTab : public QWidget {
public:
    GoalsTab(AppContext& app, QWidget* parent);

    // Sorts by the first heading again, as each opening of a league starts.
    void ResetSortKey() { GoalsSortKey = GoalSortKey::Date; }
    // Refills the team list, selects the own team or the first, and shows its goals.
    void Setup();
    void cbGoalsTeamChange();
    void hcGoalsSectionClick(int section);
    void FillGoalGrid();
    void SetGoalsPanel();
    void btnUpdGoalClick();

    QComboBox* cbGoalsTeam;
    QTableWidget* sgGoals;
    QHeaderView* hcGoals;
    QLabel* panGoals;
    QPushButton* btnUpdGoal;
    TfrmUpGoal* frmUpGoal;

private:
    void ShowRow(int row);
    int team() const;

    AppContext& app_;
    GoalSortKey GoalsSortKey = GoalSortKey::Date;
    std::vector<int> GoalList;
};

} // namespace vantorel
