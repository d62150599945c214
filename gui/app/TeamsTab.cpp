#include "app/TeamsTab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/LeagueSettings.h"
#include "app/StepNames.h"
#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {

TeamsTab::TeamsTab(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    lbTeams = new QListWidget(this);
    btnEdit = new QPushButton(QStringLiteral("&Edit"), this);
    edTeam = new QLineEdit(this);
    edTeam->setMaxLength(30);
    lbTeams->setAccessibleName(QStringLiteral("Teams"));
    edTeam->setAccessibleName(QStringLiteral("New team name"));
    btnUpTeam = new QPushButton(QStringLiteral("&Update"), this);
    edDeduct = new QSpinBox(this);
    edDeduct->setRange(0, kMaxDeduction);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(edTeam, 1);
    nameRow->addWidget(btnUpTeam);
    auto* deductRow = new QHBoxLayout;
    auto* deductCaption = new QLabel(QStringLiteral("Deducted Points:"), this);
    deductCaption->setBuddy(edDeduct);
    deductRow->addWidget(deductCaption);
    deductRow->addWidget(edDeduct);
    deductRow->addStretch();
    auto* editing = new QVBoxLayout;
    editing->addWidget(btnEdit, 0, Qt::AlignLeft);
    editing->addLayout(nameRow);
    editing->addLayout(deductRow);
    auto* help = new QGroupBox(this);
    auto* helpLayout = new QVBoxLayout(help);
    for (const char* line :
         {"Follow this procedure to change a team name:", "1. Select the team you want to change",
          "2. Click the Edit button", "3. Make the change and click the Update button.",
          "To deduct points from a team:", "1. Select the team you want to deduct points from",
          "2. Change the deducted points number using the spin button"})
        helpLayout->addWidget(new QLabel(QString::fromUtf8(line), help));
    editing->addWidget(help);
    editing->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lbTeams, 1);
    layout->addLayout(editing, 1);

    connect(lbTeams, &QListWidget::currentRowChanged, this, &TeamsTab::lbTeamsClick);
    connect(lbTeams, &QListWidget::itemDoubleClicked, this, &TeamsTab::btnEditClick);
    connect(btnEdit, &QPushButton::clicked, this, &TeamsTab::btnEditClick);
    connect(edTeam, &QLineEdit::textChanged, this,
            [this] { btnUpTeam->setEnabled(!edTeam->text().isEmpty()); });
    connect(btnUpTeam, &QPushButton::clicked, this, &TeamsTab::btnUpTeamClick);
    connect(edDeduct, &QSpinBox::valueChanged, this, &TeamsTab::edDeductChange);
}

void TeamsTab::Setup() {
    filling_ = true;
    edTeam->clear();
    lbTeams->clear();
    for (int t = 1; t <= app_.division.Header().TeamCount; ++t)
        lbTeams->addItem(QString::fromStdString(TeamName(app_.division, t)));
    lbTeams->setCurrentRow(0);
    edDeduct->setValue(app_.division.Teams[1].Deduction);
    editTeam_ = -1;
    btnUpTeam->setEnabled(false);
    edTeam->setEnabled(false);
    filling_ = false;
}

void TeamsTab::lbTeamsClick() {
    const int row = lbTeams->currentRow();
    if (row < 0)
        return;
    filling_ = true;
    edDeduct->setValue(app_.division.Teams[row + 1].Deduction);
    filling_ = false;
}

void TeamsTab::edDeductChange(int deduction) {
    if (filling_ || lbTeams->currentRow() < 0)
        return;
    // The spin box keeps the deduction in range.
    if (SetDeduction(app_.division, lbTeams->currentRow() + 1, deduction))
        app_.RecordEdit(TeamStep(app_.division, "deduction", lbTeams->currentRow() + 1),
                        StepMerge::WithSameName);
}

void TeamsTab::btnEditClick() {
    const int row = lbTeams->currentRow();
    if (row < 0)
        return;
    editTeam_ = row;
    edTeam->setEnabled(true);
    edTeam->setText(lbTeams->item(row)->text());
    btnUpTeam->setEnabled(true);
    edTeam->setFocus();
}

void TeamsTab::btnUpTeamClick() {
    if (editTeam_ < 0 || edTeam->text().isEmpty())
        return;
    if (auto status = RenameTeam(app_.division, editTeam_ + 1, edTeam->text().toStdString()); !status) {
        app_.prompts.Warn(status.message());
        return;
    }
    app_.RecordEdit(TeamStep(app_.division, "rename team", editTeam_ + 1));
    lbTeams->item(editTeam_)->setText(QString::fromStdString(TeamName(app_.division, editTeam_ + 1)));
    btnUpTeam->setEnabled(false);
    edTeam->clear();
    edTeam->setEnabled(false);
    editTeam_ = -1;
    if (onTeamRenamed)
        onTeamRenamed();
}

} // namespace vantorel
