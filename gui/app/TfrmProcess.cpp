#include "app/TfrmProcess.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/MaintenancePage.h"
#include "app/PageButtons.h"
#include "app/Shortcuts.h"
#include "app/TableSettingsTab.h"
#include "app/TeamsTab.h"
#include "app/TfrmSetup.h"
#include "outlook/OutlookPage.h"
#include "platform/HelpWindow.h"
#include "platform/WindowPlaces.h"
#include "players/GoalsTab.h"
#include "players/PlayersTab.h"
#include "results/EnterResultsPage.h"
#include "results/PredictResultsPage.h"
#include "results/TfrmResult.h"
#include "standings/LeagueTablePage.h"
#include "stats/DivisionStatsPage.h"
#include "stats/GoalStatsPage.h"
#include "stats/TeamStatisticsPage.h"
#include "stats/TfrmGraph.h"
#include "stats/TfrmPlayer.h"
#include "store/Names.h"
#include "store/WindowMemory.h"

namespace vantorel {
namespace {

// A page whose content is still to be built: only its way out.
QWidget* PageToCome(WorkspacePage page) {
    auto* widget = new QWidget;
    auto* panel = new QVBoxLayout;
    StackPageButtons(*panel, *widget, page);
    auto* layout = new QHBoxLayout(widget);
    layout->addStretch();
    layout->addLayout(panel);
    return widget;
}

} // namespace

TfrmProcess::TfrmProcess(AppContext& app) : QWidget(nullptr, Qt::Window), app_(app) {
    Notebook1 = new QStackedWidget(this);
    tablePage = new LeagueTablePage(app, workspace_, Notebook1);
    outlookPage = new OutlookPage(app, workspace_, Notebook1);
    teamStatsPage = new TeamStatisticsPage(app, workspace_, Notebook1);
    enterPage = new EnterResultsPage(app, workspace_, Notebook1);
    predictPage = new PredictResultsPage(app, workspace_, Notebook1);
    maintenancePage = new MaintenancePage(app, workspace_, Notebook1);
    goalStatsPage = new GoalStatsPage(app, Notebook1);
    divisionStatsPage = new DivisionStatsPage(app, Notebook1);
    TabSet1 = new QTabBar(this);
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    for (std::size_t k = 0; k < kPageCaptions.size(); ++k) {
        TabSet1->addTab(QString::fromUtf8(kPageCaptions[k]));
        const auto page = static_cast<WorkspacePage>(k);
        Notebook1->addWidget(page == WorkspacePage::LeagueTable          ? tablePage
                             : page == WorkspacePage::Outlook            ? outlookPage
                             : page == WorkspacePage::TeamStatistics     ? teamStatsPage
                             : page == WorkspacePage::GoalStatistics     ? goalStatsPage
                             : page == WorkspacePage::DivisionStatistics ? divisionStatsPage
                             : page == WorkspacePage::EnterResults       ? enterPage
                             : page == WorkspacePage::PredictResults     ? predictPage
                             : page == WorkspacePage::TableMaintenance   ? maintenancePage
                                                                         : PageToCome(page));
    }
    btnUndo = new QToolButton(this);
    btnRedo = new QToolButton(this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(TabSet1);
    bottom->addStretch();
    bottom->addWidget(btnUndo);
    bottom->addWidget(btnRedo);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(Notebook1, 1);
    layout->addLayout(bottom);
    connect(btnUndo, &QToolButton::clicked, this, &TfrmProcess::UndoClick);
    connect(btnRedo, &QToolButton::clicked, this, &TfrmProcess::RedoClick);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
            &TfrmProcess::UndoClick);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &TfrmProcess::RedoClick);
    app_.edits = &workspace_.edits;
    workspace_.edits.onChanged = [this] { UpdateUndoControls(); };
    UpdateUndoControls();

    PopupMenu1 = new QMenu(this);
    miSave = PopupMenu1->addAction(QStringLiteral("&Save"), this, &TfrmProcess::miSaveClick);
    miSetup = PopupMenu1->addAction(QStringLiteral("S&etup"), this, &TfrmProcess::miSetupClick);
    connect(tablePage->DivTable, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1Popup()->popup(tablePage->DivTable->viewport()->mapToGlobal(at));
    });
    goalStatsPage->onShowPlayer = [this](int player) { ShowPlayer(player); };
    divisionStatsPage->onShowResult = [this](int result) { ShowResult(result); };
    teamStatsPage->onShowResult = [this](int result) { ShowResult(result); };
    teamStatsPage->onShowGraph = [this](int team) { ShowProgressGraph(team); };
    tablePage->onTeamStatistics = [this](int team) {
        teamStatsPage->SelectTeam(team);
        TabSet1->setCurrentIndex(static_cast<int>(WorkspacePage::TeamStatistics));
    };
    maintenancePage->teamsTab->onTeamRenamed = [this] { teamStatsPage->TeamRenamed(); };
    maintenancePage->tableTab->onTableNameChanged = [this] { ShowLeagueName(); };
    connect(TabSet1, &QTabBar::currentChanged, this, &TfrmProcess::TabSet1Change);
    InstallHelpKey(this, app.help, [this] { return helpContext(); });
    InstallWorkspaceShortcuts(*this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        FitToScreen(screen->availableGeometry());
    RememberPlace(this, QStringLiteral("Workspace"), app.settingsFile);
}

void TfrmProcess::FitToScreen(const QRect& available) {
    // The window opens at a comfortable size, or the whole area less the window frame when that is
    // smaller, and cannot be dragged smaller than it opened; a small screen shows it maximised.
    // Before the window is first shown its frame is not known yet: allow for a title bar.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isNull())
        frame = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    // Wide enough, where the screen allows, that every page's tab shows beside Undo and Redo unscrolled.
    const QMargins margins = layout()->contentsMargins();
    const int tabsWidth = TabSet1->sizeHint().width() + btnUndo->sizeHint().width() +
                          btnRedo->sizeHint().width() + 2 * layout()->spacing() + margins.left() +
                          margins.right();
    const QSize opening = QSize(std::max(960, tabsWidth), 680).boundedTo(available.size() - frame);
    setMinimumSize(0, 0);
    resize(opening);
    setMinimumSize(opening);
    if (available.width() <= 640 || available.height() <= 480)
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool TfrmProcess::OpenLeague(const std::string& path) {
    if (auto status = workspace_.Open(path, app_.division, app_.settings, app_.today ? app_.today() : 0);
        !status) {
        app_.prompts.Error(status.message());
        return false;
    }
    {
        const QSignalBlocker blocker(TabSet1);
        TabSet1->setCurrentIndex(0);
    }
    Notebook1->setCurrentIndex(0);
    maintenancePage->TabbedNotebook1->setCurrentIndex(0);
    maintenancePage->goalsTab->ResetSortKey();
    maintenancePage->playersTab->ResetSortKey();
    ShowLeagueName();
    tablePage->PageEntry();
    teamStatsPage->PageEntry();
    if (workspace_.TotalsRecomputed)
        app_.prompts.Info(kTotalsRecomputedMessage);
    quitRequested_ = false;
    RestoreLeagueView();
    return true;
}

void TfrmProcess::OfferRecovery() {
    if (workspace_.edits.OfferRecovery(app_.prompts, app_.dateFormat))
        LeagueChanged();
}

void TfrmProcess::UndoClick() {
    MoveInHistory(true);
}

void TfrmProcess::RedoClick() {
    MoveInHistory(false);
}

void TfrmProcess::MoveInHistory(bool undo) {
    if (!workspace_.MayLeavePage(app_.division, app_.prompts))
        return;
    Status journal = Status::Ok();
    const bool moved = undo ? workspace_.edits.Undo(journal) : workspace_.edits.Redo(journal);
    if (!journal)
        app_.prompts.Error(journal.message());
    if (!moved) {
        app_.prompts.Beep();
        return;
    }
    LeagueChanged();
}

void TfrmProcess::LeagueChanged() {
    workspace_.Reload(app_.division);
    ShowLeagueName();
    Notebook1PageChanged();
}

void TfrmProcess::ShowLeagueName() {
    const QString name = QString::fromStdString(LeagueName(app_.division));
    setWindowTitle(QString::fromUtf8(kProgramCaption) + QStringLiteral(" - ") + name);
    tablePage->panLeague->setText(name);
}

void TfrmProcess::UpdateUndoControls() {
    btnUndo->setText(QStringLiteral("Undo"));
    btnRedo->setText(QStringLiteral("Redo"));
    btnUndo->setToolTip(QString::fromStdString(workspace_.edits.UndoCaption()) + QStringLiteral(" (Ctrl+Z)"));
    btnRedo->setToolTip(QString::fromStdString(workspace_.edits.RedoCaption()) + QStringLiteral(" (Ctrl+Y)"));
    btnUndo->setEnabled(workspace_.edits.CanUndo());
    btnRedo->setEnabled(workspace_.edits.CanRedo());
}

void TfrmProcess::RestoreLeagueView() {
    if (app_.settingsFile.empty())
        return;
    const LeagueView view = ReadLeagueView(app_.settingsFile, workspace_.leaguePath, TabSet1->count(),
                                           maintenancePage->TabbedNotebook1->count());
    maintenancePage->TabbedNotebook1->setCurrentIndex(view.tab);
    TabSet1->setCurrentIndex(view.page);
}

void TfrmProcess::RememberLeagueView() const {
    if (app_.settingsFile.empty() || workspace_.leaguePath.empty())
        return;
    (void)WriteLeagueView(app_.settingsFile, workspace_.leaguePath,
                          {TabSet1->currentIndex(), maintenancePage->TabbedNotebook1->currentIndex()});
}

void TfrmProcess::TabSet1Change(int page) {
    // The tab strip has already moved: it goes back to the page shown while the change is asked about, so
    // that a refused change never shows the clicked tab.
    const int shown = static_cast<int>(workspace_.page);
    {
        const QSignalBlocker blocker(TabSet1);
        TabSet1->setCurrentIndex(shown);
    }
    if (page == shown || !workspace_.MayLeavePage(app_.division, app_.prompts))
        return;
    {
        const QSignalBlocker blocker(TabSet1);
        TabSet1->setCurrentIndex(page);
    }
    workspace_.page = static_cast<WorkspacePage>(page);
    Notebook1->setCurrentIndex(page);
    Notebook1PageChanged();
}

void TfrmProcess::StepPage(int step) {
    const int count = TabSet1->count();
    TabSet1->setCurrentIndex(((TabSet1->currentIndex() + step) % count + count) % count);
}

void TfrmProcess::SaveShortcut() {
    if (!app_.division.DataChanged()) {
        app_.prompts.Beep();
        return;
    }
    miSaveClick();
}

void TfrmProcess::PrintPage() {
    switch (workspace_.page) {
    case WorkspacePage::LeagueTable:
        tablePage->btnPrintClick();
        break;
    case WorkspacePage::Outlook:
        outlookPage->btnPrintClick();
        break;
    case WorkspacePage::TeamStatistics:
        teamStatsPage->btnTSPrintClick();
        break;
    default:
        app_.prompts.Beep(); // the page has nothing to print
        break;
    }
}

void TfrmProcess::CloseAndQuit() {
    quitRequested_ = true;
    if (!close())
        quitRequested_ = false;
}

void TfrmProcess::Notebook1PageChanged() {
    switch (workspace_.page) {
    case WorkspacePage::LeagueTable:
        tablePage->Refresh();
        break;
    case WorkspacePage::Outlook:
        outlookPage->Refresh();
        break;
    case WorkspacePage::TeamStatistics:
        teamStatsPage->Refresh();
        break;
    case WorkspacePage::GoalStatistics:
        goalStatsPage->GoalStats();
        break;
    case WorkspacePage::DivisionStatistics:
        divisionStatsPage->DivisionStats();
        break;
    case WorkspacePage::EnterResults:
        enterPage->SetupResultsPage();
        break;
    case WorkspacePage::PredictResults:
        predictPage->FillPredictList(workspace_.PredictSortColumn);
        break;
    case WorkspacePage::TableMaintenance:
        maintenancePage->SetupMaintPages();
        break;
    default:
        break;
    }
}

QMenu* TfrmProcess::PopupMenu1Popup() {
    miSave->setEnabled(app_.division.DataChanged());
    return PopupMenu1;
}

void TfrmProcess::miSaveClick() {
    workspace_.Save(app_.division, app_.prompts);
}

void TfrmProcess::miSetupClick() {
    auto* setup = new TfrmSetup(app_, this);
    setup->setAttribute(Qt::WA_DeleteOnClose);
    connect(setup, &QDialog::finished, this, [this] {
        app_.ApplyHints();
        tablePage->Recompute();
    });
    setup->open();
}

// The graph window is built on its first showing and reused after.
void TfrmProcess::ShowProgressGraph(int team) {
    const double today = app_.today ? app_.today() : 0;
    if (graph_ == nullptr) {
        graph_ = new TfrmGraph(app_, team, today, this);
        graph_->onShowResult = [this](int result) { ShowResult(result); };
    } else {
        graph_->ShowTeam(team, today);
    }
    graph_->open();
}

void TfrmProcess::ShowResult(int result) {
    // Over the player record or the graph when one of them asked for it, so that it does not block the
    // details; the team page is computed again afterwards, as the squads may have changed.
    // The workspace's own details dialog is built once and reused.
    QWidget* over = QApplication::activeModalWidget();
    TfrmResult* details = over == nullptr ? resultDetails_ : nullptr;
    if (details != nullptr) {
        details->ShowResult(result);
    } else {
        details = new TfrmResult(app_, result, over != nullptr ? over : this);
        connect(details, &QDialog::finished, this, [this] {
            if (workspace_.page == WorkspacePage::TeamStatistics)
                teamStatsPage->Refresh();
        });
        if (over == nullptr)
            resultDetails_ = details;
        else
            details->setAttribute(Qt::WA_DeleteOnClose);
    }
    details->open();
}

void TfrmProcess::ShowPlayer(int player) {
    if (playerRecord_ == nullptr) {
        playerRecord_ = new TfrmPlayer(app_, player, this);
        playerRecord_->onShowResult = [this](int result) { ShowResult(result); };
    } else {
        playerRecord_->ShowPlayer(player);
    }
    playerRecord_->open();
}

void TfrmProcess::closeEvent(QCloseEvent* event) {
    if (!workspace_.MayClose(app_.division, app_.prompts)) {
        event->ignore();
        return;
    }
    RememberLeagueView();
    event->accept();
    Q_EMIT closed();
}

} // namespace vantorel
