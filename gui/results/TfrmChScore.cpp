#include "results/TfrmChScore.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/ButtonRow.h"
#include "platform/HelpWindow.h"
#include "results/EntrySession.h"
#include "results/ResultEntry.h"
#include "results/ResultList.h"

namespace vantorel {

TfrmChScore::TfrmChScore(AppContext& app, int result, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), app_(app),
      result_(result) {
    setWindowTitle(QStringLiteral("Update Result"));
    const ResultRecord& match = app.division.Results[result];
    lblTeams = new QLabel(QString::fromStdString(MatchTitle(app.division, result)), this);
    lblTeams->setAlignment(Qt::AlignCenter);
    udFor = new QSpinBox(this);
    udFor->setRange(0, MostRescoredGoals(match.HomeGoals));
    udFor->setValue(match.HomeGoals);
    udAgainst = new QSpinBox(this);
    udAgainst->setRange(0, MostRescoredGoals(match.AwayGoals));
    udAgainst->setValue(match.AwayGoals);
    edAttend = new QLineEdit(QString::number(match.Attendance), this);
    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("&Cancel"), this);
    BitBtn1->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Score For:"), this), 0, 0);
    fields->addWidget(udFor, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Against:"), this), 0, 2);
    fields->addWidget(udAgainst, 0, 3);
    fields->addWidget(new QLabel(QStringLiteral("Attendance:"), this), 1, 0);
    fields->addWidget(edAttend, 1, 1, 1, 3);
    auto* buttons = ButtonRow({BitBtn2, BitBtn1});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTeams);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(BitBtn2, &QPushButton::clicked, this, &TfrmChScore::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return HelpContext::ChangeScore; });
    udFor->setFocus();
}

void TfrmChScore::BitBtn2Click() {
    const std::string text = edAttend->text().toStdString();
    if (const std::string warning = AttendanceWarning(text); !warning.empty()) {
        app_.prompts.Warn(warning);
        edAttend->setFocus();
        return;
    }
    attendance_ = *ParseAttendance(text);
    accept();
}

} // namespace vantorel
