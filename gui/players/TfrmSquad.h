#pragma once

#include <memory>

#include <QDialog>

#include "app/AppContext.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vantorel {

class SquadEditor;
class TfrmAddPlayer;
class TfrmUpSquad;

// The squads of both sides of one fixture: available players on the left, the squad lines on the right,
// the cards drawn as cards. Nothing reaches the league before OK; new players are added at once.
class TfrmSquad : public QDialog {
    Q_OBJECT

public:
    TfrmSquad(AppContext& app, int result, QWidget* parent);
    ~TfrmSquad() override;

    void cbTeamsChange();
    void btnAddClick();
    void btnRemoveClick();
    void btnUpdateClick();
    void btnAddPlayerClick();
    void btnOKClick();

    QComboBox* cbTeams;
    QListWidget* lbPlayers;
    QPushButton* btnAddPlayer;
    QPushButton* btnAdd;
    QPushButton* btnRemove;
    QTableWidget* sgSquad;
    QPushButton* btnUpdate;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    TfrmUpSquad* frmUpSquad;
    TfrmAddPlayer* frmAddPlayer;

private:
    int side() const;
    // Refills the available players and the grid of the side shown.
    void FillGrid();
    void FillAvailable();
    // The squad line (1..16) of the selected grid row; 0 when none is selected.
    int selectedLine() const;

    AppContext& app_;
    std::unique_ptr<SquadEditor> editor_;
};

// Shows the squads of a fixture in their dialog, modal to the parent; done runs when it closes.
void ShowSquads(AppContext& app, QWidget* parent, int result, std::function<void()> done = {});

} // namespace vantorel
