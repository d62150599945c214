#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QKeyEvent;
class QMouseEvent;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace vantorel {

class TfrmExport;
class TfrmGrid;
class TfrmImport;

// The "League Table" page: the table in the chosen variant, format and as-at date, with its zone colours,
// the own team's colour and the promotion and relegation marks.
class LeagueTablePage : public QWidget {
public:
    LeagueTablePage(AppContext& app, Workspace& workspace, QWidget* parent);

    // A league was opened: first choices, the format from the workspace, the table as at the last date.
    void PageEntry();
    // The page is shown again: the match dates are rebuilt and the table recomputed.
    void Refresh();
    // The table is recomputed at the current as-at date and shown.
    void Recompute();

    void RadioGroup1Click();
    void cbShortClick();
    void cbShowPossClick();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void btnDivDateClick();
    void btnPrintClick();
    void btnGridClick();
    void btnExportClick();
    void btnImportClick();
    // Opens the statistics of the team at a table position (1 = top).
    void DivTableDblClick(int position);

    // Called with the team whose statistics the user asked for.
    std::function<void(int team)> onTeamStatistics;

    QLabel* panLeague;
    QTableWidget* DivTable;
    QButtonGroup* RadioGroup1;
    QButtonGroup* RadioGroup2;
    QLabel* lbDivDate;
    QToolButton* btnDivDate;
    QToolButton* btnSpinUp;
    QToolButton* btnSpinDown;
    QCheckBox* cbShort;
    QCheckBox* cbShowPoss;
    QPushButton* btnPrint;
    QPushButton* btnGrid;
    QPushButton* btnExport;
    QPushButton* btnImport;
    QPushButton* btnExit1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillGrid();
    void ShowDate();
    void LayOut();
    // The column whose right border lies under a viewport position; -1 when none.
    int ColumnBorderAt(int x) const;
    // Enter and the Menu key on the table; true when the key was used.
    bool DivTableKeyPress(const QKeyEvent& key);
    // Lets the user drag a column border to resize the column; true when the event was used for that.
    bool DragColumnBorder(QMouseEvent& event);

    AppContext& app_;
    Workspace& workspace_;
    struct ColumnDrag {
        int column = -1;
        int startX = 0;
        int startWidth = 0;
    } dragged_;
    std::map<int, int> draggedWidths_; // column -> width, kept until the format changes
    bool layingOut_ = false;
    // The page's dialogs, each built the first time it is wanted and reused after.
    TfrmGrid* grid_ = nullptr;
    TfrmExport* exporter_ = nullptr;
    TfrmImport* importer_ = nullptr;
    std::uint64_t revisionBeforeImport_ = 0;
};

} // namespace vantorel
