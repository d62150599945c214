#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"
#include "stats/TeamStats.h"

class QComboBox;
class QHeaderView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vantorel {

class PointsGraphBox;
class TfrmPlayer;

// The "Team Statistics" page: one team's record, highest scores, form, points progress, games, players,
// attendances and clean sheets, and the team summary printout.
class TeamStatisticsPage : public QWidget {
public:
    TeamStatisticsPage(AppContext& app, Workspace& workspace, QWidget* parent);

    // A league was opened: the team list, the own team (or the first) selected, both sort keys back to 1.
    void PageEntry();
    // The page is shown: the selected team's statistics are computed again.
    void Refresh();
    // Selects a team in the team list without computing its statistics.
    void SelectTeam(int team);
    // A team was renamed: the team list is filled again, the same team still selected.
    void TeamRenamed();

    // Computes and shows everything about a team.
    void TeamStats(int team);
    void SelTeamListChange();
    void FillGames();
    void FillTmPlayer();
    void hcGamesSectionClick(int section);
    void hcTmPlayersSectionClick(int section);
    void sgGamesDblClick();
    void sgTmPlayersDblClick();
    void btnTSPrintClick();
    void btnGraphClick();

    const TeamStatistics& shown() const { return stats_; }
    int GamesSortKey = 1;
    int PlayersSortKey = 1;

    // Opens the progress graph of a team; unset while the program has no progress graph window.
    std::function<void(int team)> onShowGraph;
    // Shows a played result in full; unset while the program has no result details dialog. The workspace
    // refreshes the page when the dialog closes, so changed squads show.
    std::function<void(int result)> onShowResult;

    QComboBox* SelTeamList;
    QLabel *lblPoints, *lblPlayed, *lblGoals, *lblWon, *lblDrawn, *lblLost, *lbDeducted;
    QLabel *hfHome, *hfHomeTeam, *hfAway, *hfAwayTeam, *haHome, *haHomeTeam, *haAway, *haAwayTeam;
    QLabel *hForm, *aForm, *labFormSum;
    QLabel *labAttHigh, *labAttLow, *labAttAve, *labTotClean, *labHmClean, *labAwClean;
    PointsGraphBox* PointsGraph;
    QTabWidget* pcTeamStat;
    QTableWidget* sgGames;
    QHeaderView* hcGames;
    QTableWidget* sgTmPlayers;
    QHeaderView* hcTmPlayers;
    QPushButton *btnGraph, *btnTSPrint, *btnExit2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeFigures();
    QWidget* figuresPanel_ = nullptr;
    QWidget* MakeTabs();
    void FillTeamList();
    void ShowLabels();
    void LayOutGrids();

    AppContext& app_;
    Workspace& workspace_;
    TeamStatistics stats_;
    std::vector<int> gamesOrder_;             // the games in the order the grid shows them
    std::vector<TeamPlayerLine> playerOrder_; // the players in the order the grid shows them
    TfrmPlayer* record_ = nullptr;            // the player record, built on its first showing
};

// The small points-progress chart of the shown team; a double click asks for the expanded view.
class PointsGraphBox : public QWidget {
public:
    PointsGraphBox(const Division& division, const TeamStatistics& stats, QWidget* parent);
    std::function<void()> onDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Division& division_;
    const TeamStatistics& stats_;
};

} // namespace vantorel
