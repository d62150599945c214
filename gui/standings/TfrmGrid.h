#pragma once

#include "app/AppContext.h"
#include "platform/KeptDialog.h"

class QCheckBox;
class QPushButton;

namespace vantorel {

// The window "Matches Played": the cross table of every fixture, drawn by the same routine that prints it.
class TfrmGrid : public KeptDialog {
public:
    TfrmGrid(AppContext& app, QWidget* parent);

    // Makes the window ready to be shown again for the league open now: built once, it is reused.
    void Prepare();

    void btnPrintClick();

    QWidget* PaintBox1;
    QPushButton* btnPrint;
    QPushButton* btnExit;
    QCheckBox* cbSecond;

private:
    AppContext& app_;
};

} // namespace vantorel
