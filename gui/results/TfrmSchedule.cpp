#include "results/TfrmSchedule.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/StepNames.h"
#include "platform/HelpWindow.h"
#include "results/MatchDaysBox.h"

namespace vantorel {
namespace {

// The help section on match days, beside the new-league wizard's.
constexpr int kMatchDaysHelpContext = 1110;

} // namespace

TfrmSchedule::TfrmSchedule(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setWindowTitle(QStringLiteral("Match Days"));
    auto* explanation = new QLabel(
        QStringLiteral("Every match not yet played gets the date of its match day. Each team plays at most "
                       "once a day, and as seldom as can be twice running at home or away. Played results "
                       "keep their dates."),
        this);
    explanation->setWordWrap(true);
    gbMatchDays = new MatchDaysBox(app, QStringLiteral("Match Days"), this);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(gbMatchDays);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(btnOK, &QPushButton::clicked, this, &TfrmSchedule::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    InstallHelpKey(this, app.help, [] { return kMatchDaysHelpContext; });
}

void TfrmSchedule::btnOKClick() {
    MatchDayPlan plan;
    Status status = gbMatchDays->Plan(plan);
    if (status)
        status = ScheduleOpenFixtures(app_.division, plan);
    if (!status) {
        app_.prompts.Error(status.message());
        return;
    }
    app_.RecordEdit(kMatchDaysStep);
    accept();
}

} // namespace vantorel
