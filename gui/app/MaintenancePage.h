#pragma once

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"

class QTabWidget;

namespace vantorel {

class GoalsTab;
class PlayersTab;
class ResultsTab;
class SortOrderTab;
class TableSettingsTab;
class TeamsTab;

// The "Table Maintenance" page: a notebook of six tabs, each set up from the league when it is shown.
class MaintenancePage : public QWidget {
public:
    MaintenancePage(AppContext& app, Workspace& workspace, QWidget* parent);

    // Prepares the tab shown.
    void SetupMaintPages();

    QTabWidget* TabbedNotebook1;
    TableSettingsTab* tableTab;
    ResultsTab* resultsTab;
    TeamsTab* teamsTab;
    SortOrderTab* sortOrderTab;
    GoalsTab* goalsTab;
    PlayersTab* playersTab;

private:
    void TabbedNotebook1Change(int tab);

    AppContext& app_;
    Workspace& workspace_;
    int shownTab_ = 0;
};

} // namespace vantorel
