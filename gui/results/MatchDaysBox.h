#pragma once

#include <QGroupBox>

#include "app/AppContext.h"
#include "app/MatchDays.h"

class QLineEdit;
class QSpinBox;
class QToolButton;

namespace vantorel {

// The choices of a match-day plan: the first match day (picked with the calendar, today to start with),
// every how many days the next one follows, and the dates to pass over, typed in the short date format.
class MatchDaysBox : public QGroupBox {
public:
    MatchDaysBox(AppContext& app, const QString& title, QWidget* parent);

    void btnFirstDateClick();
    // The plan as chosen; refused, naming it, when a date to pass over is not a date.
    Status Plan(MatchDayPlan& plan) const;

    QLineEdit* edFirstDate;
    QToolButton* btnFirstDate;
    QSpinBox* seEvery;
    QLineEdit* edSkip;

private:
    AppContext& app_;
    double firstDate_ = 0;
};

} // namespace vantorel
