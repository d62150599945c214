#pragma once

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"

class QHeaderView;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;
class QToolButton;

namespace vantorel {

class ResultListModel;

// The "Predict Results" page: every open fixture, with a tick column that marks it predicted in one click
// (or Space), a spin button on the focused score cell (or + and -), Set Date, a double click that copies the
// date last set to an undated fixture, and Set Score.
class PredictResultsPage : public QWidget {
public:
    PredictResultsPage(AppContext& app, Workspace& workspace, QWidget* parent);

    // Entering the page: the list is built in the workspace's sort order, the first row current.
    void FillPredictList(int key);
    void hcPredictSectionClick(int section);
    void ToggleTick(int row);
    void sbScoreUpClick();
    void sbScoreDownClick();
    void sgPredictDblClick();
    void btnPrDateClick();
    void btnPrScoreClick();
    // Opens "Match Days" for the open fixtures; the list is refilled once they are dated.
    void btnPrScheduleClick();

    // The fixture of the current row; 0 when there is none.
    int CurrentFixture() const;

    QLabel* panPredict;
    QHeaderView* hcPredict;
    QTableView* sgPredict;
    QWidget* sbScore;
    QPushButton* btnPrDate;
    QPushButton* btnPrScore;
    QPushButton* btnPrSchedule;
    QLabel* Panel15;
    QPushButton* btnExit5;
    ResultListModel* model;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The current fixture; when there is none, the beep of an action that cannot apply, and 0.
    int CurrentFixtureOrBeep() const;
    void SpinScore(bool up);
    void KeepOffTickColumn(const QModelIndex& current);
    void PlaceSpinButton();
    void LayOutColumns();

    AppContext& app_;
    Workspace& workspace_;
};

} // namespace vantorel
