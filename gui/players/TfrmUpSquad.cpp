#include "players/TfrmUpSquad.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "players/Players.h"
#include "players/Squads.h"

namespace vantorel {

TfrmUpSquad::TfrmUpSquad(AppContext& app, QWidget* parent) : KeptDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Update Squad Member"));
    lbGame = new QLabel(this);
    lbTeam = new QLabel(this);
    lbPlayer = new QLabel(this);
    edTimeOn = new QSpinBox(this);
    edTimeOff = new QSpinBox(this);
    for (QSpinBox* box : {edTimeOn, edTimeOff})
        box->setRange(0, kLatestSquadMinute);
    auto* cautions = new QGroupBox(QStringLiteral("Cautions"), this);
    cbYellow1 = new QCheckBox(QStringLiteral("&1st Yellow"), cautions);
    cbYellow2 = new QCheckBox(QStringLiteral("&2nd Yellow"), cautions);
    cbRed = new QCheckBox(QStringLiteral("&Red"), cautions);
    auto* cautionLayout = new QVBoxLayout(cautions);
    for (QCheckBox* box : {cbYellow1, cbYellow2, cbRed})
        cautionLayout->addWidget(box);
    auto* buttons = OkCancelRow(this, BitBtn1, BitBtn2);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Game :"), lbGame);
    form->addRow(QStringLiteral("Team:"), lbTeam);
    form->addRow(QStringLiteral("Player:"), lbPlayer);
    form->addRow(QStringLiteral("Time &on:"), edTimeOn);
    form->addRow(QStringLiteral("Time O&ff:"), edTimeOff);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cautions);
    layout->addLayout(buttons);

    connect(cbYellow2, &QCheckBox::clicked, this, &TfrmUpSquad::cbYellow2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return HelpContext::UpdateSquad; });
}

void TfrmUpSquad::FormShow(int result, int team, const SquadEntry& line) {
    const Division& division = app_.division;
    line_ = line;
    lbGame->setText(QString::fromStdString(SquadGameText(division, result, app_.dateFormat)));
    lbTeam->setText(QString::fromStdString(TeamName(division, team)));
    lbPlayer->setText(QString::fromStdString(PlayerName(division, line.Player)));
    edTimeOn->setValue(line.TimeOn);
    edTimeOff->setValue(line.TimeOff);
    cbYellow1->setChecked(line.Yellow1);
    cbYellow2->setChecked(line.Yellow2);
    cbRed->setChecked(line.Red);
    edTimeOn->setFocus();
}

void TfrmUpSquad::cbYellow2Click(bool ticked) {
    SquadEntry cards = line();
    SetSecondYellow(cards, ticked);
    cbYellow1->setChecked(cards.Yellow1);
    cbRed->setChecked(cards.Red);
}

SquadEntry TfrmUpSquad::line() const {
    SquadEntry line = line_;
    line.TimeOn = static_cast<std::uint8_t>(edTimeOn->value());
    line.TimeOff = static_cast<std::uint8_t>(edTimeOff->value());
    line.Yellow1 = cbYellow1->isChecked();
    line.Yellow2 = cbYellow2->isChecked();
    line.Red = cbRed->isChecked();
    return line;
}

} // namespace vantorel
