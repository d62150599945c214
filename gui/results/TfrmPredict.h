#pragma once

#include <QDialog>

#include "app/AppContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vantorel {

// "Predict Score": the forecast score and date of an open fixture. The caller applies what an accepted
// dialog holds.
class TfrmPredict : public QDialog {
public:
    // predictDate is the date last set on the predictions page, offered for an undated fixture.
    TfrmPredict(AppContext& app, int fixture, double predictDate, QWidget* parent);

    void btnDateClick();
    int fixture() const { return fixture_; }
    // The date in the dialog; 0 when it is empty.
    double date() const;

    QLabel* lblTeams;
    QSpinBox* udFor;
    QSpinBox* udAgainst;
    QLineEdit* edDate;
    QPushButton* btnDate;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    AppContext& app_;
    int fixture_;
};

} // namespace vantorel
