#include "results/MatchDaysBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

namespace vantorel {

MatchDaysBox::MatchDaysBox(AppContext& app, const QString& title, QWidget* parent)
    : QGroupBox(title, parent), app_(app), firstDate_(app.today()) {
    edFirstDate = new QLineEdit(this);
    edFirstDate->setReadOnly(true);
    edFirstDate->setText(QString::fromStdString(app_.dateFormat.Format(firstDate_)));
    btnFirstDate = new QToolButton(this);
    btnFirstDate->setText(QStringLiteral("..."));
    btnFirstDate->setToolTip(QStringLiteral("Set the date of the first match day"));
    seEvery = new QSpinBox(this);
    seEvery->setRange(1, 365);
    seEvery->setValue(7);
    seEvery->setSuffix(QStringLiteral(" days"));
    edSkip = new QLineEdit(this);
    edSkip->setPlaceholderText(QString::fromStdString(app_.dateFormat.Format(firstDate_ + 14) + ", ..."));
    edSkip->setToolTip(QStringLiteral("Dates without matches, separated by commas"));

    auto* first = new QHBoxLayout;
    first->addWidget(edFirstDate, 1);
    first->addWidget(btnFirstDate);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("First match day:"), first);
    form->addRow(QStringLiteral("Then every:"), seEvery);
    form->addRow(QStringLiteral("No matches on:"), edSkip);
    connect(btnFirstDate, &QToolButton::clicked, this, &MatchDaysBox::btnFirstDateClick);
}

void MatchDaysBox::btnFirstDateClick() {
    const double picked =
        app_.pickDate(this, firstDate_, btnFirstDate->mapToGlobal(btnFirstDate->rect().bottomRight()));
    if (picked == 0)
        return;
    firstDate_ = picked;
    edFirstDate->setText(QString::fromStdString(app_.dateFormat.Format(firstDate_)));
}

Status MatchDaysBox::Plan(MatchDayPlan& plan) const {
    plan.firstDate = firstDate_;
    plan.everyDays = seEvery->value();
    return ParseDateList(edSkip->text().toStdString(), app_.dateFormat, plan.skipDates);
}

} // namespace vantorel
