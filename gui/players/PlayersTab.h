#pragma once

#include <vector>

#include <QWidget>

#include "app/AppContext.h"
#include "players/Players.h"

class QComboBox;
class QHeaderView;
class QPushButton;
class QTableWidget;

namespace vantorel {

class TfrmAddPlayer;

// The "&Players" tab of the maintenance page: the players of one team or of all, sortable by any heading,
// added, changed and deleted.
class PlayersTab : public QWidget {
public:
    PlayersTab(AppContext& app, QWidget* parent);

    // Sorts by the first heading again, as each opening of a league starts.
    void ResetSortKey() { PlayerListSortKey = PlayerSortKey::Player; }
    // Refills the team list, selects the own team or " [All Teams]", and shows its players.
    void Setup();
    void cbPlayersTeamChange();
    void hcPlayersSectionClick(int section);
    void UpdatePlayers();
    void btnPlAddClick();
    void btnPlChangeClick();
    void btnPlDeleteClick();

    QComboBox* cbPlayersTeam;
    QTableWidget* sgPlayers;
    QHeaderView* hcPlayers;
    QPushButton* btnPlAdd;
    QPushButton* btnPlChange;
    QPushButton* btnPlDelete;
    TfrmAddPlayer* frmAddPlayer;

private:
    // The player of the selected row; 0 (after a beep) when no row is selected.
    int SelectedPlayer();

    AppContext& app_;
    PlayerSortKey PlayerListSortKey = PlayerSortKey::Player;
    std::vector<int> PlayerList;
};

} // namespace vantorel
