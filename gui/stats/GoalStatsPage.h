#pragma once

#include <functional>

#include <QWidget>

#include "app/AppContext.h"
#include "stats/GoalStats.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace vantorel {

// The paint box of the goal-time chart.
class GoalTimeBox : public QWidget {
public:
    GoalTimeBox(const Division& division, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Division& division_;
};

// The "Goal Statistics" page: top scorers, three or more goals in a match, penalties, own goals and the
// chart of goal minutes; only an explanation while no scorer is known. A double click on a player's line
// opens that player.
class GoalStatsPage : public QWidget {
public:
    GoalStatsPage(AppContext& app, QWidget* parent);

    // Fills the page from the Division (on every entry).
    void GoalStats();

    void lbTopScorersDblClick();
    void lvGoalsPerMatchDblClick();

    // Shows the record of a player index.
    std::function<void(int player)> onShowPlayer;

    QGroupBox *GroupBox14, *GroupBox15, *GroupBox16, *GroupBox18, *GroupBox19;
    QListWidget* lbTopScorers;
    GoalTimeBox* pbGoals;
    QTreeWidget* lvGoalsPerMatch;
    QLabel *lbPenTot, *lbPenCon, *lbPenAward, *lbOwnTot, *lbOwnMost;
    QWidget* Panel21;
    QLabel* Label70;
    QPushButton* btnExit7;

private:
    AppContext& app_;
    QWidget* statistics_;
    GoalStatistics shown_;
};

} // namespace vantorel
