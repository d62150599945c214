#pragma once

#include <functional>

#include <QWidget>

#include "app/AppContext.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace vantorel {

// The "Tea&ms" tab of the maintenance page: team names and point deductions.
class TeamsTab : public QWidget {
public:
    TeamsTab(AppContext& app, QWidget* parent);

    // Shows the teams, the first selected, no name being edited.
    void Setup();

    void lbTeamsClick();
    void btnEditClick();
    void btnUpTeamClick();
    void edDeductChange(int deduction);

    // Called after a team was renamed.
    std::function<void()> onTeamRenamed;

    QListWidget* lbTeams;
    QPushButton* btnEdit;
    QLineEdit* edTeam;
    QPushButton* btnUpTeam;
    QSpinBox* edDeduct;

private:
    AppContext& app_;
    int editTeam_ = -1; // list position of the team whose name is being edited
    bool filling_ = false;
};

} // namespace vantorel
