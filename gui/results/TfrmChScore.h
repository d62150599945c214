#pragma once

#include <QDialog>

#include "app/AppContext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vantorel {

// "Update Result": the score and the crowd of a played result. OK is refused, with a warning, while the
// attendance is not a whole number of 0 or more; the caller applies what an accepted dialog holds.
class TfrmChScore : public QDialog {
public:
    TfrmChScore(AppContext& app, int result, QWidget* parent);

    void BitBtn2Click();
    int result() const { return result_; }
    int attendance() const { return attendance_; }

    QLabel* lblTeams;
    QSpinBox* udFor;
    QSpinBox* udAgainst;
    QLineEdit* edAttend;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;

private:
    AppContext& app_;
    int result_;
    int attendance_ = 0;
};

} // namespace vantorel
