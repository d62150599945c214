#pragma once

#include "app/AppContext.h"
#include "platform/KeptDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vantorel {

// The player dialog: adds players one after another to a team until Cancel, or changes one player's name
// and team.
class TfrmAddPlayer : public KeptDialog {
    Q_OBJECT

public:
    TfrmAddPlayer(AppContext& app, QWidget* parent);

    // Prepares the dialog for player shownPlayer, or for adding players (0) with newPlayerTeam preselected
    // (0 = none); the caller then shows it.
    void FormShow(int shownPlayer, int newPlayerTeam);
    void BitBtn1Click();

    QLineEdit* edName;
    QComboBox* cbTeam;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

Q_SIGNALS:
    // A player was added or changed.
    void playerSaved(int player);

private:
    AppContext& app_;
    int shownPlayer_ = 0;
};

// Fills a combo box with the teams players may belong to (Transferred-Out included), sorted by name, each
// item carrying its team index.
void FillPlayerTeams(QComboBox* box, const AppContext& app);
// Selects the item of a team; none when the team is 0.
void SelectTeam(QComboBox* box, int team);

} // namespace vantorel
