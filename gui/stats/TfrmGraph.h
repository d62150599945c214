#pragma once

#include <functional>

#include "app/AppContext.h"
#include "platform/KeptDialog.h"
#include "stats/ProgressGraph.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vantorel {

class TfrmGraph;

// The paint box of the progress graph: draws the graph the window has chosen and follows the mouse.
class ProgressGraphBox : public QWidget {
public:
    explicit ProgressGraphBox(TfrmGraph& graph);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TfrmGraph& graph_;
};

// The progress graph window: a team's points game by game with its league position, or the top or bottom
// three teams compared with it, as bars or lines. Moving the mouse over a game of the single-team graph
// reads out the game; a double click opens it.
class TfrmGraph : public KeptDialog {
    Q_OBJECT

public:
    // The graph of a team, as of a day (for the comparison teams when the team has not played).
    TfrmGraph(AppContext& app, int selectedTeam, double today, QWidget* parent);

    // Starts again on another team, as a new window would: its points progress, as bars.
    void ShowTeam(int selectedTeam, double today);

    void RadioGroup1Click();
    void RadioGroup2Click();
    // Draws the graph on a canvas of a size; the layout is kept for the mouse.
    void pbGraphPaint(Canvas& canvas, int width, int height);
    void pbGraphMouseMove(int x, int y);
    void pbGraphDblClick();
    // Saves what the paint box shows as a PNG picture, asking for the file; false when cancelled or failed.
    bool btnSaveClick();

    // Shows the result details of a result index.
    std::function<void(int result)> onShowResult;

    ProgressGraphBox* pbGraph;
    QWidget* Panel1;
    QLabel* edMatch;
    QPushButton* btnExit;
    QPushButton* btnSave;
    QGroupBox* RadioGroup1Box;
    QGroupBox* RadioGroup2Box;
    QButtonGroup* RadioGroup1;
    QButtonGroup* RadioGroup2;

    const GraphTeams& graphTeams() const { return teams_; }
    bool lineStyle() const { return lineStyle_; }
    int hoverGame() const { return hoverGame_; }

private:
    AppContext& app_;
    int selectedTeam_ = 0;
    double today_ = 0;
    GraphTeams teams_{};
    bool lineStyle_ = false;
    ProgressGraphLayout layout_;
    int hoverGame_ = 0;
};

} // namespace vantorel
