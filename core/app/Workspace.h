#pragma once

#include <array>
#include <string>

#include "app/LeagueEdits.h"
#include "platform/Prompts.h"
#include "results/ResultList.h"
#include "standings/DateList.h"
#include "standings/SortRules.h"
#include "standings/TableCells.h"
#include "store/Division.h"
#include "store/SaveGuard.h"
#include "store/Settings.h"

namespace vantorel {

inline constexpr const char* kTotalsRecomputedMessage =
    "The teams' points and games or the players' goals stored in this league did not agree with its results "
    "and goal records. They have been recomputed; save the league to keep the correction.";

inline constexpr const char* kResultPendingWarning = "Result update in progress. Complete it or cancel";
inline constexpr const char* kSaveChangesQuestion = "Table data updated ! Do you want to save the changes?";

// The pages of the league workspace, in tab order.
enum class WorkspacePage {
    LeagueTable,
    Outlook,
    TeamStatistics,
    GoalStatistics,
    DivisionStatistics,
    EnterResults,
    PredictResults,
    TableMaintenance
};
inline constexpr std::array<const char*, 8> kPageCaptions = {
    "League Table",        "Outlook",       "Team Statistics", "Goal Statistics",
    "Division Statistics", "Enter Results", "Predict Results", "Table Maintenance"};
// The help context of each page (the maintenance page adds 10 for each tab after the first).
inline constexpr std::array<int, 8> kPageHelpContexts = {300, 1600, 400, 500, 600, 700, 800, 900};
// The tabs of the maintenance page, in order.
enum class MaintenanceTab { Table, Results, Goals, Players, Teams, SortOrder };
inline constexpr std::array<const char*, 6> kMaintenanceCaptions = {"&Table",   "&Results", "&Goals",
                                                                    "&Players", "Tea&ms",   "Sort &Order"};

// The state of the open league's workspace that spans its pages: the table choices and the table last
// computed, the match dates, the pending edits that keep the user on a page, and the page shown.
class Workspace {
public:
    std::string leaguePath;
    bool ShowPossNow = false;
    bool ShortTabNow = false;
    TableContent content = TableContent::PlayedGames;
    GameSelection games = GameSelection::HomeAndAway;
    int formGames = kDefaultFormGames;
    DateList dates;
    LeagueTable table; // the table last computed
    SortRuleLists sortRules;
    bool ResultPending = false;
    WorkspacePage page = WorkspacePage::LeagueTable;
    int ShownTeam = 0; // the team the statistics page shows, 0 = none yet
    MaintenanceTab maintenanceTab = MaintenanceTab::Table;
    int ResultsSortColumn = kDefaultResultSort; // sort key of the results grid
    int PredictSortColumn = kDefaultResultSort; // sort key of the predictions grid
    double PredictDate = 0;                     // the date last set on the predictions page

    // Loads the league and resets the view state from the settings: the first page, played home and away
    // games, the table as at the last match date, both result grids sorted by home team and today as the
    // date last set for predictions. Refused with the file's error, leaving no league open. Running totals
    // that disagreed with the results have been recomputed when TotalsRecomputed is set; the window then
    // shows kTotalsRecomputedMessage once.
    Status Open(const std::string& path, Division& division, const Settings& settings, double today = 0);
    bool TotalsRecomputed = false;

    // The undo history and the journal of the league open.
    LeagueEdits edits;
    // The league changed under the pages (an undo, a redo, a recovery): the sort-rule lists and the table
    // follow it.
    void Reload(const Division& division);

    // Rebuilds the match dates (the as-at date goes to the last one) and recomputes the table.
    void RefreshTable(const Division& division);
    // Recomputes the table at the current as-at date.
    void RecomputeTable(const Division& division);
    TableVariant variant() const;
    TableFormat format() const { return {ShortTabNow, ShowPossNow}; }

    // The help context of the page shown (and on the maintenance page, of its tab).
    int HelpContext() const;

    // Whether the user may leave the page shown: pending sort-rule edits are applied first (refused while
    // no rule is active), and a half-entered result keeps the user on the page.
    bool MayLeavePage(Division& division, Prompts& prompts);
    // Whether the workspace may close: as leaving a page, then, when the league changed, the question
    // whether to save it (Yes saves, and a save that does not happen keeps the workspace open; Cancel stays).
    // When it may, the journal of unsaved changes goes.
    bool MayClose(Division& division, Prompts& prompts);

    // Saves the league over its file (see SaveGuard); false when nothing was saved.
    bool Save(Division& division, Prompts& prompts);

private:
    SaveGuard saveGuard_;
};

} // namespace vantorel
