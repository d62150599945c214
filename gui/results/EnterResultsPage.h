#pragma once

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"
#include "results/EntrySession.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace vantorel {

// The "Enter Results" page: one match day at a time, pick the home team, one of its open opponents, the
// score and the crowd, and Update. Teams that got a result on the date are withheld until it changes.
class EnterResultsPage : public QWidget {
public:
    EnterResultsPage(AppContext& app, Workspace& workspace, QWidget* parent);

    // Entering the page: today's date, every team offered again, nothing pending.
    void SetupResultsPage();
    void HomeListChange();
    void AwayListChange();
    void btnUpdateClick();
    void btnCancelClick();
    void btnCalClick();
    void cbTrackGoalsClick();

    QComboBox* HomeList;
    QComboBox* AwayList;
    QSpinBox* Score1;
    QSpinBox* Score2;
    QLineEdit* edAttend;
    QLabel* Date1;
    QToolButton* btnCal;
    QLabel* panResults;
    QCheckBox* cbTrackGoals;
    QPushButton* btnUpdate;
    QPushButton* btnCancel;
    QPushButton* btnExit4;

    const EntrySession& session() const { return session_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillHomeList();
    void ResetEntry();
    int SelectedTeam(const QComboBox* list) const;
    void ShowTrackGoals();

    AppContext& app_;
    Workspace& workspace_;
    EntrySession session_;
};

// Asks for the details of each new goal, in order, when the league tracks goals and the goal dialog is there.
void AskGoalDetails(AppContext& app, QWidget* parent, const std::vector<int>& newGoals);

} // namespace vantorel
