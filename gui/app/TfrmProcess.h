#pragma once

#include <string>

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"

class QAction;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace vantorel {

class DivisionStatsPage;
class EnterResultsPage;
class GoalStatsPage;
class LeagueTablePage;
class MaintenancePage;
class OutlookPage;
class TeamStatisticsPage;
class PredictResultsPage;
class TfrmGraph;
class TfrmPlayer;
class TfrmResult;

// The league workspace: the open league's pages behind tabs along the bottom edge. It asks to save a changed
// league when it closes, and refuses to leave a page while an edit is half done.
class TfrmProcess : public QWidget {
    Q_OBJECT

public:
    explicit TfrmProcess(AppContext& app);

    // Loads the league and shows its table; refused, with the error shown, when the file cannot be loaded.
    bool OpenLeague(const std::string& path);
    // Offers back the changes a journal from an earlier run holds (see LeagueEdits::OfferRecovery).
    void OfferRecovery();

    // Undo and Redo (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y), from any page: refused, as leaving the page is, while
    // a result is half entered. The page shown is computed again, as after any edit.
    void UndoClick();
    void RedoClick();

    // Sizes the window for a screen's available area.
    void FitToScreen(const QRect& available);

    // The help context of what is shown.
    int helpContext() const { return workspace_.HelpContext(); }
    Workspace& workspace() { return workspace_; }

    // The pop-up menu of the league table, prepared as it is when it pops up.
    QMenu* PopupMenu1Popup();
    void miSaveClick();
    void miSetupClick();

    // The keyboard's way to the workspace's commands (see Shortcuts): save the league, print what the page
    // shows, close and quit, and the page `step` pages on, round the tabs.
    void SaveShortcut();
    void PrintPage();
    void CloseAndQuit();
    void StepPage(int step);
    // Set when the workspace was closed to quit the program.
    bool quitRequested() const { return quitRequested_; }

    // Opens the progress graph of a team, modally, for as long as the user keeps it open.
    void ShowProgressGraph(int team);
    // The result details of a result index and the record of a player index, which the statistics pages
    // and the graph open on a double click.
    void ShowResult(int result);
    void ShowPlayer(int player);

    QTabBar* TabSet1;
    QStackedWidget* Notebook1;
    LeagueTablePage* tablePage;
    OutlookPage* outlookPage;
    TeamStatisticsPage* teamStatsPage;
    GoalStatsPage* goalStatsPage;
    DivisionStatsPage* divisionStatsPage;
    EnterResultsPage* enterPage;
    PredictResultsPage* predictPage;
    MaintenancePage* maintenancePage;
    QMenu* PopupMenu1;
    QAction* miSave;
    QAction* miSetup;
    QToolButton* btnUndo;
    QToolButton* btnRedo;

Q_SIGNALS:
    // The workspace has closed; the main window comes back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void TabSet1Change(int page);
    void Notebook1PageChanged();
    void MoveInHistory(bool undo);
    // The league changed under every page (an undo, a redo, a recovery).
    void LeagueChanged();
    void ShowLeagueName();
    void UpdateUndoControls();

    // The league's last page and maintenance tab, taken when it opens and kept when it closes.
    void RestoreLeagueView();
    void RememberLeagueView() const;

    AppContext& app_;
    Workspace workspace_;
    bool quitRequested_ = false;
    TfrmResult* resultDetails_ = nullptr; // the details shown over the workspace, reused
    TfrmGraph* graph_ = nullptr;          // the progress graph, reused
    TfrmPlayer* playerRecord_ = nullptr;  // the player record, reused
};

} // namespace vantorel
