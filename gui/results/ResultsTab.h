#pragma once

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"

class QHeaderView;
class QPushButton;
class QTableView;

namespace vantorel {

class ResultListModel;

// The "&Results" tab of the maintenance page: every played result in a grid sorted by a heading click, with
// its date, score and crowd to correct, the result to cancel and its squads to open.
class ResultsTab : public QWidget {
public:
    ResultsTab(AppContext& app, Workspace& workspace, QWidget* parent);

    // The tab becomes active: the list is built again in the workspace's sort order.
    void Setup();
    void hcResultsSectionClick(int section);
    void btnChDateClick();
    void btnChScoreClick();
    void btnRemoveClick();
    void btnSquadClick();

    // The result of the selected row; 0 when there is none or it was cancelled.
    int SelectedResult() const;

    QHeaderView* hcResults;
    QTableView* sgResults;
    QPushButton* btnChDate;
    QPushButton* btnChScore;
    QPushButton* btnRemove;
    QPushButton* btnSquad;
    ResultListModel* model;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int SelectedRow() const;
    // The selected result; when there is none, the beep of an action that cannot apply, and 0.
    int SelectedResultOrBeep() const;
    void LayOutColumns();

    AppContext& app_;
    Workspace& workspace_;
};

} // namespace vantorel
