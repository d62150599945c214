#include "app/Workspace.h"

#include "app/StepNames.h"
#include "store/LeagueFile.h"

namespace vantorel {

Status Workspace::Open(const std::string& path, Division& division, const Settings& settings, double today) {
    // Noted before loading: a change that lands while the file is read is then asked about at the save.
    saveGuard_ = SaveGuard();
    saveGuard_.Remember(path);
    if (auto status = LoadDivision(path, division, &TotalsRecomputed); !status)
        return status;
    leaguePath = path;
    edits.Start(division, path, !TotalsRecomputed);
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

void Workspace::Reload(const Division& division) {
    sortRules.Load(division.Header().SortRules.stored());
    RefreshTable(division);
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
    const int context = kPageHelpContexts[static_cast<std::size_t>(page)];
    if (page == WorkspacePage::TableMaintenance)
        return context + 10 * static_cast<int>(maintenanceTab);
    return context;
}

bool Workspace::MayLeavePage(Division& division, Prompts& prompts) {
    if (sortRules.pending()) {
        if (auto status = sortRules.SortUpdate(division); !status) {
            prompts.Warn(status.message());
            return false;
        }
        if (auto status = edits.Record(kSortRulesStep); !status)
            prompts.Error(status.message());
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
    bool close = true;
    if (division.DataChanged()) {
        const Answer answer = prompts.AskYesNoCancel(kSaveChangesQuestion);
        close = answer == Answer::No || (answer == Answer::Yes && Save(division, prompts));
    }
    if (close)
        edits.Closed();
    return close;
}

bool Workspace::Save(Division& division, Prompts& prompts) {
    // Pending sort-rule edits, and any edit not recorded yet, belong in the history before its saved mark.
    (void)edits.Record("change");
    if (!saveGuard_.Save(leaguePath, division, prompts))
        return false;
    edits.Saved();
    return true;
}

} // namespace vantorel
