#pragma once

#include <QDialog>

#include "app/AppContext.h"
#include "app/SetupChoices.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace vantorel {

// The settings dialog: the four highlight colours, the display defaults and the form-table length. The
// program's settings change, and the settings file is written, only on "&Ok".
class TfrmSetup : public QDialog {
public:
    TfrmSetup(AppContext& app, QWidget* parent);

    void btnApplyClick();

    QButtonGroup* RadioGroup1;
    QComboBox* ColourBox;
    QCheckBox* cbShowPoss;
    QCheckBox* cbShortTab;
    QCheckBox* cbShowHints;
    QSpinBox* udForm;
    QPushButton* btnApply;
    QPushButton* BitBtn1;

private:
    void RadioGroup1Click();
    void ColourBoxChange(int position);

    AppContext& app_;
    SetupChoices working_;
};

} // namespace vantorel
