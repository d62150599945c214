#pragma once

#include "app/AppContext.h"
#include "app/Workspace.h"
#include "exchange/ExportChoice.h"
#include "platform/KeptDialog.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vantorel {

inline constexpr const char* kClipboardTruncatedWarning =
    "The Clipboard is full and the exported information has been truncated";

// The dialog "Export Table Data": writes the chosen sections of the league, the table as the table page
// shows it, to a file or to the clipboard. It never changes the league.
class TfrmExport : public KeptDialog {
    Q_OBJECT

public:
    TfrmExport(AppContext& app, const Workspace& workspace, QWidget* parent);

    // Sets the date range for the league and table open now: built once, the dialog is reused.
    void Prepare();

    void btnFromDateClick();
    void btnToDateClick();
    void btnExportClick();
    // A choice of what to export enables the format, team and target that apply to it.
    void RadioGroup1Click();

    double ExportFrom() const { return from_; }
    double ExportTo() const { return to_; }

    QButtonGroup* RadioGroup1;
    QLineEdit* edFromDate;
    QToolButton* btnFromDate;
    QLineEdit* edToDate;
    QToolButton* btnToDate;
    QComboBox* cbFormat; // how the table is written
    QComboBox* cbTeam;   // the calendar's team ("All Teams" first) or the summary's team
    QRadioButton* rbFile;
    QRadioButton* rbClip;
    QPushButton* btnExport;
    QPushButton* btnCancel;

private:
    double PickDate(QToolButton* button, double day);
    void ShowDates();
    ExportSection Section() const;
    TableExportFormat Format() const;
    Status WriteChoice(const QString& path, bool& truncated);

    AppContext& app_;
    const Workspace& workspace_;
    double from_ = 0;
    double to_ = 0;
};

} // namespace vantorel
