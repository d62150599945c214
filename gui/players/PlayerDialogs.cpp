#include "players/PlayerDialogs.h"

#include "platform/WindowModal.h"
#include "players/TfrmSquad.h"
#include "players/TfrmUpGoal.h"

namespace vantorel {

void InstallPlayerDialogs(AppContext& app) {
    app.askGoalDetails = [&app](QWidget* parent, int goal, int goalNumber) {
        TfrmUpGoal dialog(app, parent);
        dialog.FormShow(goal, goalNumber);
        ExecWindowModal(dialog);
    };
    app.showSquads = [&app](QWidget* parent, int result) { ShowSquads(app, parent, result); };
}

} // namespace vantorel
