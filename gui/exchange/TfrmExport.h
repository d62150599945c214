#pragma once

#include <QDialog>

#include "app/AppContext.h"
#include "app/Workspace.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vantorel {

inline constexpr const char* kClipboardTruncatedWarning =
    "The Clipboard is full and the exported information has been truncated";

// The dialog "Export Table Data": writes the chosen sections of the league, the table as the table page
// shows it, to a file or to the clipboard. It never changes the league.
class TfrmExport : public QDialog {
public:
    TfrmExport(AppContext& app, const Workspace& workspace, QWidget* parent);

    // Sets the date range for the league and table open now: built once, the dialog is reused.
    void Prepare();

    void btnFromDateClick();
    void btnToDateClick();
    void btnExportClick();

    double ExportFrom() const { return from_; }
    double ExportTo() const { return to_; }

    QButtonGroup* RadioGroup1;
    QLineEdit* edFromDate;
    QToolButton* btnFromDate;
    QLineEdit* edToDate;
    QToolButton* btnToDate;
    QRadioButton* rbFile;
    QRadioButton* rbClip;
    QPushButton* btnExport;
    QPushButton* btnCancel;

private:
    double PickDate(QToolButton* button, double day);
    void ShowDates();

    AppContext& app_;
    const Workspace& workspace_;
    double from_ = 0;
    double to_ = 0;
};

} // namespace vantorel
