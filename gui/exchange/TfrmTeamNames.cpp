#include "exchange/TfrmTeamNames.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {

TfrmTeamNames::TfrmTeamNames(const Division& division, const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent), names_(names) {
    setWindowTitle(QStringLiteral("Team Names"));
    auto* intro = new QLabel(QStringLiteral("These team names of the file are not the league's. Choose the "
                                            "team each one stands for; the choice is kept for this league."),
                             this);
    intro->setWordWrap(true);

    auto* rows = new QWidget;
    auto* form = new QFormLayout(rows);
    for (const std::string& name : names_) {
        auto* teams = new QComboBox(rows);
        for (int t = 1; t <= division.Header().TeamCount; ++t)
            teams->addItem(QString::fromStdString(TeamName(division, t)));
        teams->setCurrentIndex(ClosestTeam(division, name) - 1);
        auto* label = new QLabel(QString::fromStdString(name), rows);
        label->setBuddy(teams);
        form->addRow(label, teams);
        cbTeams.push_back(teams);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);

    btnOK = new QPushButton(QStringLiteral("&Import"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, std::min(520, 140 + 34 * static_cast<int>(names_.size())));
}

TeamAliases TfrmTeamNames::aliases() const {
    TeamAliases chosen;
    for (std::size_t i = 0; i < names_.size(); ++i)
        chosen[names_[i]] = cbTeams[i]->currentText().toStdString();
    return chosen;
}

} // namespace vantorel
