#include "results/TfrmPredict.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/ButtonRow.h"
#include "results/Predictions.h"
#include "results/ResultList.h"

namespace vantorel {

TfrmPredict::TfrmPredict(AppContext& app, int fixture, double predictDate, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      app_(app), fixture_(fixture) {
    setWindowTitle(QStringLiteral("Predict Score"));
    const ResultRecord& match = app.division.Results[fixture];
    lblTeams = new QLabel(QString::fromStdString(MatchTitle(app.division, fixture)), this);
    lblTeams->setAlignment(Qt::AlignCenter);
    // The spin button on the page goes up to the largest stored score; the dialog must not cut it down.
    udFor = new QSpinBox(this);
    udFor->setRange(0, kMaxPredictedGoals);
    udFor->setValue(match.HomeGoals);
    udAgainst = new QSpinBox(this);
    udAgainst->setRange(0, kMaxPredictedGoals);
    udAgainst->setValue(match.AwayGoals);
    edDate = new QLineEdit(QString::fromStdString(PredictDialogDate(app.division, fixture, predictDate,
                                                                    app.today(), app.dateFormat)),
                           this);
    edDate->setReadOnly(true);
    btnDate = new QPushButton(QStringLiteral("..."), this);
    btnDate->setToolTip(QStringLiteral("Set the date of the match"));
    btnDate->setAutoDefault(false);
    btnDate->setFixedWidth(btnDate->fontMetrics().horizontalAdvance(btnDate->text()) + 20);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Score:"), this), 0, 0);
    auto* score = new QHBoxLayout;
    score->addWidget(udFor);
    score->addWidget(new QLabel(QStringLiteral("-"), this));
    score->addWidget(udAgainst);
    score->addStretch();
    fields->addLayout(score, 0, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Match Date:"), this), 1, 0);
    fields->addWidget(edDate, 1, 1);
    fields->addWidget(btnDate, 1, 2);
    auto* buttons = ButtonRow({btnOK, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTeams);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(btnDate, &QPushButton::clicked, this, &TfrmPredict::btnDateClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    udFor->setFocus();
}

double TfrmPredict::date() const {
    return app_.dateFormat.Parse(edDate->text().toStdString()).value_or(0);
}

void TfrmPredict::btnDateClick() {
    const double start = date() != 0 ? date() : app_.today();
    const double picked = app_.pickDate(this, start, btnDate->mapToGlobal(btnDate->rect().bottomRight()));
    if (picked != 0)
        edDate->setText(QString::fromStdString(app_.dateFormat.Format(picked)));
}

} // namespace vantorel
