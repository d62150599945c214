#include "players/TfrmUpGoal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "players/GoalScorers.h"
#include "players/Players.h"
#include "players/TfrmAddPlayer.h"

namespace vantorel {

TfrmUpGoal::TfrmUpGoal(AppContext& app, QWidget* parent) : KeptDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Update Goal Information"));
    lbMatch = new QLabel(this);
    lbGoal = new QLabel(this);
    for (QLabel* label : {lbMatch, lbGoal})
        label->setAlignment(Qt::AlignCenter);
    cbScorer = new QComboBox(this);
    cbScorer->setMaxVisibleItems(12);
    // A list of 12 lines that scrolls, whatever the style would otherwise pop up.
    cbScorer->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cbScorer->setMinimumContentsLength(20);
    cbOwnGoal = new QCheckBox(QStringLiteral("&Own Goal"), this);
    cbPenalty = new QCheckBox(QStringLiteral("&Penalty"), this);
    edGoalTime = new QSpinBox(this);
    edGoalTime->setRange(0, kLatestGoalTime);
    auto* buttons = OkCancelRow(this, BitBtn1, BitBtn2);
    btnAddPlayer = new QPushButton(QStringLiteral("&New Player"), this);
    buttons->insertWidget(0, btnAddPlayer);
    frmAddPlayer = new TfrmAddPlayer(app, this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Goal &Scorer:"), cbScorer);
    form->addRow(QString(), cbOwnGoal);
    form->addRow(QString(), cbPenalty);
    form->addRow(QStringLiteral("Goal &Time:"), edGoalTime);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbMatch);
    layout->addWidget(lbGoal);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cbOwnGoal, &QCheckBox::clicked, this, &TfrmUpGoal::cbOwnGoalClick);
    connect(btnAddPlayer, &QPushButton::clicked, this, &TfrmUpGoal::btnAddPlayerClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmUpGoal::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    // The scorer chosen before stays listed and chosen, even one who has changed team since.
    connect(frmAddPlayer, &QDialog::finished, this, [this] {
        const QString chosen = cbScorer->currentText();
        FillScorer(app_.division.FindPlayer(chosen.toStdString()), chosen);
    });
    InstallHelpKey(this, app.help, [] { return HelpContext::UpdateGoal; });
}

void TfrmUpGoal::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The dialog opens in the middle of the screen, as the entry of goal after goal expects it.
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() -
             QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void TfrmUpGoal::FormShow(int goalToEdit, int goalNumber) {
    goal_ = goalToEdit;
    const GoalRecord& goal = app_.division.Goals[goalToEdit];
    lbMatch->setText(QString::fromStdString(GoalMatchText(app_.division, goalToEdit)));
    lbGoal->setText(QString::fromStdString(GoalText(app_.division, goalToEdit, goalNumber)));
    cbOwnGoal->setChecked(goal.OwnGoal);
    cbPenalty->setChecked(goal.Penalty);
    edGoalTime->setValue(goal.GoalTime);
    // A scorer who has changed team since stays listed for this goal.
    const QString scorer =
        goal.Player != 0 ? QString::fromStdString(PlayerName(app_.division, goal.Player)) : QString();
    FillScorer(goal.Player, scorer);
    cbScorer->setFocus();
}

void TfrmUpGoal::FillScorer() {
    FillScorer(0, QString());
}

void TfrmUpGoal::FillScorer(int keep, const QString& selected) {
    cbScorer->clear();
    cbScorer->addItem(QString());
    const int team = ScorerTeam(app_.division, goal_, cbOwnGoal->isChecked());
    for (const std::string& name : ScorerNames(app_.division, team, keep))
        cbScorer->addItem(QString::fromStdString(name));
    cbScorer->setCurrentIndex(std::max(0, cbScorer->findText(selected)));
}

void TfrmUpGoal::cbOwnGoalClick() {
    FillScorer();
}

void TfrmUpGoal::btnAddPlayerClick() {
    frmAddPlayer->FormShow(0, ScorerTeam(app_.division, goal_, cbOwnGoal->isChecked()));
    frmAddPlayer->open();
}

void TfrmUpGoal::BitBtn1Click() {
    const int player =
        cbScorer->currentIndex() > 0 ? app_.division.FindPlayer(cbScorer->currentText().toStdString()) : 0;
    const GoalDetails details{player, edGoalTime->value(), cbOwnGoal->isChecked(), cbPenalty->isChecked()};
    if (auto status = SetGoalDetails(app_.division, goal_, details); !status) {
        app_.prompts.Warn(status.message());
        return;
    }
    app_.RecordEdit(MatchStep(app_.division, "goal details", app_.division.Goals[goal_].Result));
    accept();
}

} // namespace vantorel
