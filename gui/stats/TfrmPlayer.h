#pragma once

#include <array>
#include <functional>

#include "app/AppContext.h"
#include "platform/KeptDialog.h"
#include "stats/PlayerRecordView.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vantorel {

// The player record view: one player's goal totals with their bars, cautions and matches. A double click
// (or Enter) on a match shows the result in full.
class TfrmPlayer : public KeptDialog {
    Q_OBJECT

public:
    // The record of player (1..PlayerCount) of the open league.
    TfrmPlayer(AppContext& app, int player, QWidget* parent);

    // Shows another player's record, as a new window would.
    void ShowPlayer(int player);

    void sgGoalsDblClick();
    const PlayerSeason& season() const { return season_; }

    // Shows a played result in full; unset while the program has no result details dialog.
    std::function<void(int result)> onShowResult;

    std::array<QLabel*, 9> Labels; // Label1..Label9
    QWidget* pbGoals;
    QTableWidget* sgGoals;
    QLabel* lbYellow;
    QLabel* lbRed;
    QPushButton* BitBtn1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void pbGoalsPaint();
    void LayOutGrid();

    AppContext& app_;
    PlayerSeason season_;
};

} // namespace vantorel
