#include "players/TfrmAddPlayer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "players/Players.h"

namespace vantorel {

void FillPlayerTeams(QComboBox* box, const AppContext& app) {
    box->clear();
    std::vector<int> teams;
    for (int t = 1; t <= app.division.Header().TeamCount + 1; ++t)
        teams.push_back(t);
    for (int t : app.TeamsInListOrder(teams))
        box->addItem(QString::fromStdString(TeamName(app.division, t)), t);
    box->setCurrentIndex(-1);
}

void SelectTeam(QComboBox* box, int team) {
    box->setCurrentIndex(team == 0 ? -1 : box->findData(team));
}

TfrmAddPlayer::TfrmAddPlayer(AppContext& app, QWidget* parent) : KeptDialog(parent), app_(app) {
    edName = new QLineEdit(this);
    edName->setMaxLength(kPlayerNameLength);
    cbTeam = new QComboBox(this);
    cbTeam->setMinimumContentsLength(20);
    auto* buttons = OkCancelRow(this, BitBtn1, BitBtn2);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), edName);
    form->addRow(QStringLiteral("&Team:"), cbTeam);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TfrmAddPlayer::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return HelpContext::AddPlayer; });
}

void TfrmAddPlayer::FormShow(int shownPlayer, int newPlayerTeam) {
    shownPlayer_ = shownPlayer;
    edName->clear();
    FillPlayerTeams(cbTeam, app_);
    if (shownPlayer != 0) {
        setWindowTitle(QStringLiteral("Change Player Details"));
        edName->setText(QString::fromStdString(PlayerName(app_.division, shownPlayer)));
        SelectTeam(cbTeam, app_.division.Players[shownPlayer].Team);
        BitBtn1->setText(QStringLiteral("OK"));
    } else {
        setWindowTitle(QStringLiteral("Add New Players"));
        SelectTeam(cbTeam, newPlayerTeam);
        BitBtn1->setText(QStringLiteral("&Add"));
    }
    edName->setFocus();
}

void TfrmAddPlayer::BitBtn1Click() {
    const int team = cbTeam->currentIndex() < 0 ? 0 : cbTeam->currentData().toInt();
    int saved = 0;
    if (auto status = SavePlayer(app_.division, shownPlayer_, edName->text().toStdString(), team, &saved);
        !status) {
        app_.prompts.Warn(status.message());
        return;
    }
    app_.RecordEdit(PlayerStep(app_.division, shownPlayer_ == 0 ? "add player" : "change player", saved));
    Q_EMIT playerSaved(saved);
    if (shownPlayer_ != 0) {
        accept();
        return;
    }
    edName->clear();
    edName->setFocus();
}

} // namespace vantorel
