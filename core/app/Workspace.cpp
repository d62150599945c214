#include "app/Workspace.h"

#include "store/LeagueFile.h"

namespace vantorel {

Status Workspace::Open(const std::string& path, Division& division, const Settings& settings, double today) {
    if (auto status = LoadDivision(path, division, &TotalsRecomputed); !status)
        return status;
    leaguePath = path;
    saveGuard_.Remember(path);
    ShowPossNow = settings.ShowPoss;
    ShortTabNow = settings.ShortTab;
    formGames = settings.FormGames;
    content = TableContent::PlayedGames;
    games = GameSelection::HomeAndAway;
    ResultPending = false;
    ShownTeam = 0;
    sortRules.Load(division.Header().SortRules.stored());
    page = WorkspacePage::LeagueTable;
    maintenanceTab = MaintenanceTab::Table;
    ResultsSortColumn = kDefaultResultSort;
    PredictSortColumn = kDefaultResultSort;
    PredictDate = today;
    RefreshTable(division);
    return Status::Ok();
}

void Workspace::RefreshTable(const Division& division) {
    dates = DateList::Build(division, content);
    RecomputeTable(division);
}

void Workspace::RecomputeTable(const Division& division) {
    table = FillTable(division, variant());
}

TableVariant Workspace::variant() const {
    return {content, games, dates.AsAtDate(), formGames};
}

int Workspace::HelpContext() const {
    if (page == WorkspacePage::TableMaintenance)
        return 900 + 10 * static_cast<int>(maintenanceTab);
    return 300 + 100 * static_cast<int>(page);
}

bool Workspace::MayLeavePage(Division& division, Prompts& prompts) {
    if (sortRules.pending()) {
        if (auto status = sortRules.SortUpdate(division); !status) {
            prompts.Warn(status.message());
            return false;
        }
        return true;
    }
    if (ResultPending) {
        prompts.Warn(kResultPendingWarning);
        return false;
    }
    return true;
}

bool Workspace::MayClose(Division& division, Prompts& prompts) {
    if (!MayLeavePage(division, prompts))
        return false;
    if (!division.DataChanged())
        return true;
    switch (prompts.AskYesNoCancel(kSaveChangesQuestion)) {
    case Answer::Yes:
        return Save(division, prompts);
    case Answer::No:
        return true;
    case Answer::Cancel:
        return false;
    }
    return false;
}

bool Workspace::Save(Division& division, Prompts& prompts) {
    return saveGuard_.Save(leaguePath, division, prompts);
}

} // namespace vantorel
