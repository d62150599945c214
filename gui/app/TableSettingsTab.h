#pragma once

#include <QWidget>

#include "app/AppContext.h"

class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace vantorel {

// The "&Table" tab of the maintenance page: table name, own team, zone sizes and points for a win.
class TableSettingsTab : public QWidget {
public:
    TableSettingsTab(AppContext& app, QWidget* parent);

    // Shows the league's settings.
    void Setup();

    // Called after the table name changed, so the table page's title follows.
    std::function<void()> onTableNameChanged;

    QLineEdit* edtTableName;
    QListWidget* lbOwnTeam;
    QSpinBox* sePromote;
    QSpinBox* sePlayoff;
    QSpinBox* seRelegate;
    QRadioButton* rbWinTwo;
    QRadioButton* rbWinThree;

private:
    void edtTableNameChange();
    void ShowStoredTableName();
    void lbOwnTeamClick();
    void rbWinTwoClick();

    AppContext& app_;
    bool filling_ = false;
};

} // namespace vantorel
