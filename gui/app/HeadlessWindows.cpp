#include "app/HeadlessWindows.h"

#include <QWidget>

#include "app/AppContext.h"
#include "app/TfrmMain.h"
#include "app/TfrmNew.h"
#include "app/TfrmProcess.h"
#include "exchange/TfrmExport.h"
#include "exchange/TfrmImport.h"
#include "players/TfrmSquad.h"
#include "results/TfrmResult.h"
#include "stats/GoalStats.h"
#include "stats/TfrmGraph.h"
#include "stats/TfrmPlayer.h"

namespace vantorel {
namespace {

// The latest played result, preferring one with both squads recorded; 0 when nothing is played.
int ShownMatch(const Division& division) {
    int played = 0;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (!match.Played)
            continue;
        const bool squads = match.HomeSquad != 0 && match.AwaySquad != 0;
        const ResultRecord* best = played != 0 ? &division.Results[played] : nullptr;
        const bool bestSquads = best != nullptr && best->HomeSquad != 0 && best->AwaySquad != 0;
        if (best == nullptr || (squads && !bestSquads) ||
            (squads == bestSquads && match.MatchDate >= best->MatchDate))
            played = r;
    }
    return played;
}

} // namespace

std::unique_ptr<QWidget> MakeScreenshotWindow(const std::string& name, AppContext& app,
                                              TfrmProcess& workspace, int team) {
    Division& division = app.division;
    if (name == "main") {
        auto main = std::make_unique<TfrmMain>(app);
        main->UpdateFileTable();
        return main;
    }
    if (name == "wizard")
        return std::make_unique<TfrmNew>(app, nullptr);
    if (name == "graph")
        return std::make_unique<TfrmGraph>(app, team > 0 ? team : 1, app.today ? app.today() : 0, nullptr);
    if (name == "player") {
        const GoalStatistics goals = GoalStats(division, app.dateFormat);
        return goals.TopScorers.empty()
                   ? nullptr
                   : std::make_unique<TfrmPlayer>(app, goals.TopScorers.front().record, nullptr);
    }
    const int match = ShownMatch(division);
    if (name == "details")
        return match == 0 ? nullptr : std::make_unique<TfrmResult>(app, match, nullptr);
    if (name == "squad")
        return match == 0 ? nullptr : std::make_unique<TfrmSquad>(app, match, nullptr);
    if (name == "export")
        return std::make_unique<TfrmExport>(app, workspace.workspace(), nullptr);
    if (name == "import")
        return std::make_unique<TfrmImport>(app, nullptr);
    return nullptr;
}

} // namespace vantorel
