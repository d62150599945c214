#include "app/TableSettingsTab.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

#include "app/LeagueSettings.h"
#include "app/StepNames.h"
#include "store/Names.h"

namespace vantorel {

TableSettingsTab::TableSettingsTab(AppContext& app, QWidget* parent) : QWidget(parent), app_(app) {
    edtTableName = new QLineEdit(this);
    edtTableName->setMaxLength(30);
    lbOwnTeam = new QListWidget(this);
    sePromote = new QSpinBox(this);
    sePlayoff = new QSpinBox(this);
    seRelegate = new QSpinBox(this);
    for (QSpinBox* spin : {sePromote, sePlayoff, seRelegate})
        spin->setRange(0, kMaxZoneCount);
    rbWinTwo = new QRadioButton(QStringLiteral("Two"), this);
    rbWinThree = new QRadioButton(QStringLiteral("Three"), this);

    auto* name = new QFormLayout;
    name->addRow(QStringLiteral("Table Name:"), edtTableName);
    auto* ownTeam = new QVBoxLayout;
    auto* ownTeamCaption = new QLabel(QStringLiteral("Select own team:"), this);
    ownTeamCaption->setBuddy(lbOwnTeam);
    ownTeam->addWidget(ownTeamCaption);
    ownTeam->addWidget(lbOwnTeam, 1);
    auto* zones = new QFormLayout;
    zones->addRow(QStringLiteral("Automatic Promotion:"), sePromote);
    zones->addRow(QStringLiteral("In Playoffs:"), sePlayoff);
    zones->addRow(QStringLiteral("Relegated:"), seRelegate);
    auto* win = new QGroupBox(QStringLiteral("Points for a win:"), this);
    auto* winLayout = new QHBoxLayout(win);
    winLayout->addWidget(rbWinTwo);
    winLayout->addWidget(rbWinThree);
    auto* right = new QVBoxLayout;
    right->addLayout(zones);
    right->addWidget(win);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(ownTeam, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(columns, 1);

    connect(edtTableName, &QLineEdit::textEdited, this, &TableSettingsTab::edtTableNameChange);
    connect(edtTableName, &QLineEdit::editingFinished, this, &TableSettingsTab::ShowStoredTableName);
    connect(lbOwnTeam, &QListWidget::currentRowChanged, this, &TableSettingsTab::lbOwnTeamClick);
    const std::pair<QSpinBox*, CountedZone> zoneSpins[] = {{sePromote, CountedZone::Promotion},
                                                           {sePlayoff, CountedZone::Playoff},
                                                           {seRelegate, CountedZone::Relegation}};
    for (const auto& [spin, zone] : zoneSpins)
        connect(spin, &QSpinBox::valueChanged, this, [this, zone = zone](int count) {
            if (filling_)
                return;
            if (auto status = SetZoneCount(app_.division, zone, count); !status)
                app_.prompts.Warn(status.message());
            else
                app_.RecordEdit(kZonesStep, StepMerge::WithSameName);
        });
    connect(rbWinTwo, &QRadioButton::toggled, this, &TableSettingsTab::rbWinTwoClick);
}

void TableSettingsTab::Setup() {
    const Division& division = app_.division;
    const DivisionHeader& header = division.Header();
    filling_ = true;
    ShowStoredTableName();
    QStringList teams{QStringLiteral("*** None ***")};
    for (int t = 1; t <= header.TeamCount; ++t)
        teams << QString::fromStdString(TeamName(division, t));
    // Filled afresh only when a name changed: a refill lays the list out and measures every line again.
    bool same = lbOwnTeam->count() == teams.size();
    for (int row = 0; same && row < teams.size(); ++row)
        same = lbOwnTeam->item(row)->text() == teams[row];
    if (!same) {
        lbOwnTeam->clear();
        lbOwnTeam->addItems(teams);
    }
    lbOwnTeam->setCurrentRow(header.OwnTeam);
    for (QSpinBox* spin : {sePromote, sePlayoff, seRelegate})
        spin->setMaximum(MaxZoneCount(division));
    sePromote->setValue(header.PromoteCount);
    sePlayoff->setValue(header.PlayoffCount);
    seRelegate->setValue(header.RelegateCount);
    rbWinTwo->setChecked(header.WinPoints == 2);
    rbWinThree->setChecked(header.WinPoints != 2);
    filling_ = false;
}

void TableSettingsTab::edtTableNameChange() {
    if (auto status = SetTableName(app_.division, edtTableName->text().toStdString()); !status) {
        app_.prompts.Warn(status.message());
        return;
    }
    app_.RecordEdit(kLeagueNameStep, StepMerge::WithSameName);
    if (onTableNameChanged)
        onTableNameChanged();
}

// An emptied or refused name leaves the league's name as it was: the box shows it again once left.
void TableSettingsTab::ShowStoredTableName() {
    const auto stored = QString::fromStdString(LeagueName(app_.division));
    if (edtTableName->text() != stored)
        edtTableName->setText(stored);
}

void TableSettingsTab::lbOwnTeamClick() {
    if (filling_ || lbOwnTeam->currentRow() < 0)
        return;
    const bool greeted = SetOwnTeam(app_.division, lbOwnTeam->currentRow());
    app_.RecordEdit(lbOwnTeam->currentRow() == 0
                        ? std::string(kNoOwnTeamStep)
                        : TeamStep(app_.division, "own team", lbOwnTeam->currentRow()));
    if (greeted && app_.playSound)
        app_.playSound(QString::fromUtf8(kOwnTeamSound));
}

void TableSettingsTab::rbWinTwoClick() {
    if (filling_)
        return;
    SetWinPoints(app_.division, rbWinTwo->isChecked() ? 2 : 3);
    app_.RecordEdit(kPointsForWinStep);
}

} // namespace vantorel
