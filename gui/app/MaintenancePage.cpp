#include "app/MaintenancePage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/PageButtons.h"
#include "app/TableSettingsTab.h"
#include "app/TeamsTab.h"
#include "players/GoalsTab.h"
#include "players/PlayersTab.h"
#include "results/ResultsTab.h"
#include "standings/SortOrderTab.h"

namespace vantorel {
namespace {

constexpr int kTabContentWidth = 720;

// A tab's controls kept together in the middle of a wide notebook.
QWidget* Centred(QWidget* content) {
    auto* holder = new QWidget;
    content->setMaximumWidth(kTabContentWidth);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return holder;
}

} // namespace

MaintenancePage::MaintenancePage(AppContext& app, Workspace& workspace, QWidget* parent)
    : QWidget(parent), app_(app), workspace_(workspace) {
    TabbedNotebook1 = new QTabWidget(this);
    tableTab = new TableSettingsTab(app, TabbedNotebook1);
    resultsTab = new ResultsTab(app, workspace, TabbedNotebook1);
    teamsTab = new TeamsTab(app, TabbedNotebook1);
    sortOrderTab = new SortOrderTab(app, workspace.sortRules, TabbedNotebook1);
    goalsTab = new GoalsTab(app, TabbedNotebook1);
    playersTab = new PlayersTab(app, TabbedNotebook1);
    QWidget* tabs[] = {tableTab, resultsTab, goalsTab, playersTab, teamsTab, sortOrderTab};
    for (std::size_t k = 0; k < kMaintenanceCaptions.size(); ++k)
        TabbedNotebook1->addTab(Centred(tabs[k]), QString::fromUtf8(kMaintenanceCaptions[k]));
    auto* panel = new QVBoxLayout;
    StackPageButtons(*panel, *this, WorkspacePage::TableMaintenance);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TabbedNotebook1, 1);
    layout->addLayout(panel);
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, &MaintenancePage::TabbedNotebook1Change);
}

void MaintenancePage::TabbedNotebook1Change(int tab) {
    if (tab == shownTab_)
        return;
    if (workspace_.sortRules.pending() && !workspace_.MayLeavePage(app_.division, app_.prompts)) {
        const QSignalBlocker blocker(TabbedNotebook1);
        TabbedNotebook1->setCurrentIndex(shownTab_);
        return;
    }
    SetupMaintPages();
}

void MaintenancePage::SetupMaintPages() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    shownTab_ = TabbedNotebook1->currentIndex();
    workspace_.maintenanceTab = static_cast<MaintenanceTab>(shownTab_);
    switch (workspace_.maintenanceTab) {
    case MaintenanceTab::Table:
        tableTab->Setup();
        break;
    case MaintenanceTab::Results:
        resultsTab->Setup();
        break;
    case MaintenanceTab::Goals:
        goalsTab->Setup();
        break;
    case MaintenanceTab::Players:
        playersTab->Setup();
        break;
    case MaintenanceTab::Teams:
        teamsTab->Setup();
        break;
    case MaintenanceTab::SortOrder:
        sortOrderTab->Setup();
        break;
    default:
        break;
    }
    QApplication::restoreOverrideCursor();
}

} // namespace vantorel
