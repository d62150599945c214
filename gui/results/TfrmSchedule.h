#pragma once

#include <QDialog>

#include "app/AppContext.h"

class QPushButton;

namespace vantorel {

class MatchDaysBox;

// The dialog "Match Days": lays the league's open fixtures on match days (ScheduleOpenFixtures). OK
// changes the league and closes; a refusal is shown and the dialog stays.
class TfrmSchedule : public QDialog {
public:
    TfrmSchedule(AppContext& app, QWidget* parent);

    void btnOKClick();

    MatchDaysBox* gbMatchDays;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    AppContext& app_;
};

} // namespace vantorel
