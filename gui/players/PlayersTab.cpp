#include "players/PlayersTab.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "players/PlayerGrids.h"
#include "players/TfrmAddPlayer.h"

namespace vantorel {

PlayersTab::PlayersTab(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    cbPlayersTeam = new QComboBox(this);
    cbPlayersTeam->setMinimumContentsLength(24);
    sgPlayers = MakeListGrid(kPlayerHeadings, {220, 240, 60}, this);
    hcPlayers = sgPlayers->horizontalHeader();
    btnPlAdd = new QPushButton(QStringLiteral("&Add"), this);
    btnPlChange = new QPushButton(QStringLiteral("&Change"), this);
    btnPlDelete = new QPushButton(QStringLiteral("&Delete"), this);
    frmAddPlayer = new TfrmAddPlayer(app, this);

    auto* top = new QHBoxLayout;
    auto* teamCaption = new QLabel(QStringLiteral("Players for:"), this);
    teamCaption->setBuddy(cbPlayersTeam);
    top->addWidget(teamCaption);
    sgPlayers->setAccessibleName(QStringLiteral("Players"));
    top->addWidget(cbPlayersTeam);
    top->addStretch();
    KeepColumnWidths(sgPlayers, [](int width) { return PlayersGridWidths(width, 0, 1); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {btnPlAdd, btnPlChange, btnPlDelete})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sgPlayers, 1);
    layout->addLayout(buttons);

    connect(cbPlayersTeam, &QComboBox::activated, this, &PlayersTab::cbPlayersTeamChange);
    connect(hcPlayers, &QHeaderView::sectionClicked, this, &PlayersTab::hcPlayersSectionClick);
    connect(sgPlayers, &QTableWidget::cellActivated, this, &PlayersTab::btnPlChangeClick);
    connect(btnPlAdd, &QPushButton::clicked, this, &PlayersTab::btnPlAddClick);
    connect(btnPlChange, &QPushButton::clicked, this, &PlayersTab::btnPlChangeClick);
    connect(btnPlDelete, &QPushButton::clicked, this, &PlayersTab::btnPlDeleteClick);
    // Adding ends with Cancel, changing with OK: either way the list shows what is stored now.
    connect(frmAddPlayer, &QDialog::finished, this, &PlayersTab::UpdatePlayers);
}

void PlayersTab::Setup() {
    const Division& division = app_.division;
    FillPlayerTeams(cbPlayersTeam, app_);
    cbPlayersTeam->insertItem(0, QString::fromUtf8(kAllTeams), 0);
    const int own = division.Header().OwnTeam != 0 ? cbPlayersTeam->findData(division.Header().OwnTeam) : -1;
    cbPlayersTeam->setCurrentIndex(own >= 0 ? own : 0);
    cbPlayersTeamChange();
}

void PlayersTab::cbPlayersTeamChange() {
    UpdatePlayers();
    // Change and Delete act on a player the user picks in this list, never on a row left from before.
    sgPlayers->clearSelection();
    sgPlayers->setCurrentIndex(QModelIndex());
}

void PlayersTab::hcPlayersSectionClick(int section) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PlayerListSortKey = static_cast<PlayerSortKey>(
        SortKeyOfHeading(kPlayerHeadings, kPlayerHeadings[static_cast<std::size_t>(section)]));
    UpdatePlayers();
    QApplication::restoreOverrideCursor();
}

void PlayersTab::UpdatePlayers() {
    if (cbPlayersTeam->currentIndex() < 0)
        return;
    const Division& division = app_.division;
    PlayerList = SortedPlayerList(division, cbPlayersTeam->currentData().toInt(), PlayerListSortKey);
    sgPlayers->setRowCount(static_cast<int>(PlayerList.size()));
    for (int row = 0; row < static_cast<int>(PlayerList.size()); ++row) {
        const int p = PlayerList[static_cast<std::size_t>(row)];
        SetRowCells(sgPlayers, row,
                    std::array<std::string, 3>{PlayerName(division, p),
                                               TeamName(division, division.Players[p].Team),
                                               std::to_string(division.Players[p].Goals)});
    }
}

int PlayersTab::SelectedPlayer() {
    const int row = sgPlayers->currentRow();
    if (row < 0 || row >= static_cast<int>(PlayerList.size())) {
        app_.prompts.Beep();
        return 0;
    }
    return PlayerList[static_cast<std::size_t>(row)];
}

void PlayersTab::btnPlAddClick() {
    frmAddPlayer->FormShow(0, cbPlayersTeam->currentData().toInt());
    frmAddPlayer->open();
}

void PlayersTab::btnPlChangeClick() {
    if (const int player = SelectedPlayer()) {
        frmAddPlayer->FormShow(player, 0);
        frmAddPlayer->open();
    }
}

void PlayersTab::btnPlDeleteClick() {
    const int player = SelectedPlayer();
    if (player == 0)
        return;
    if (PlayerIsReferenced(app_.division, player)) {
        app_.prompts.Error(kPlayerInUseError);
        return;
    }
    if (!app_.prompts.AskYesNo(DeletePlayerQuestion(app_.division, player)))
        return;
    const std::string step = PlayerStep(app_.division, "delete player", player);
    if (auto status = DeletePlayer(app_.division, player); !status)
        app_.prompts.Error(status.message());
    else
        app_.RecordEdit(step);
    UpdatePlayers();
}

} // namespace vantorel
