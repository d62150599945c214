#pragma once

#include "app/AppContext.h"
#include "platform/KeptDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace vantorel {

// "Update Squad Member": the times on and off and the cards of one squad line.
class TfrmUpSquad : public KeptDialog {
    Q_OBJECT

public:
    TfrmUpSquad(AppContext& app, QWidget* parent);

    // Shows the line of `team`'s squad for a fixture; the caller then opens the dialog.
    void FormShow(int result, int team, const SquadEntry& line);
    // The line as the dialog leaves it.
    SquadEntry line() const;
    void cbYellow2Click(bool ticked);

    QLabel* lbGame;
    QLabel* lbTeam;
    QLabel* lbPlayer;
    QSpinBox* edTimeOn;
    QSpinBox* edTimeOff;
    QCheckBox* cbYellow1;
    QCheckBox* cbYellow2;
    QCheckBox* cbRed;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    AppContext& app_;
    SquadEntry line_;
};

} // namespace vantorel
