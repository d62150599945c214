#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "app/AppContext.h"
#include "stats/DivisionStats.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantorel {

// The "Division Statistics" page: the highest home and away scores of the season, the goal totals and the
// counts of results. A double click on a score opens that result.
class DivisionStatsPage : public QWidget {
public:
    DivisionStatsPage(AppContext& app, QWidget* parent);

    // Fills the page from the Division (on every entry).
    void DivisionStats();

    void HighHomeDblClick();
    void HighAwayDblClick();

    // Shows the result details of a result index.
    std::function<void(int result)> onShowResult;

    QListWidget* HighHome;
    QListWidget* HighAway;
    QLineEdit *HomeTot, *AwayTot, *TotTot, *edAveGoals, *edMostGoals, *edClnShts;
    QLineEdit *edtGames, *edtHmWins, *edtAwWins, *edtDraws, *edtScDraws, *edtNsDraws;
    QPushButton* btnExit3;

private:
    void ShowLineResult(QListWidget* list, const std::vector<StatsLine>& lines);

    AppContext& app_;
    DivisionStatistics shown_;
};

} // namespace vantorel
