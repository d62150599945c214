#include "results/TfrmCal.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/HelpWindow.h"
#include "platform/WindowModal.h"
#include "store/Dates.h"

namespace vantorel {
namespace {

QDate ToQDate(double day) {
    const CalendarDate date = CalendarDateOf(day);
    return QDate(date.year, date.month, date.day);
}

double ToDayNumber(const QDate& date) {
    return DayNumberOf({date.year(), date.month(), date.day()}).value_or(0);
}

} // namespace

TfrmCal::TfrmCal(HelpViewer& help, QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    btnPrev = new QToolButton(this);
    btnPrev->setArrowType(Qt::LeftArrow);
    btnNext = new QToolButton(this);
    btnNext->setArrowType(Qt::RightArrow);
    Panel1 = new QLabel(this);
    Panel1->setAlignment(Qt::AlignCenter);
    QFont bold = Panel1->font();
    bold.setBold(true);
    Panel1->setFont(bold);
    auto* caption = new QHBoxLayout;
    caption->addWidget(btnPrev);
    caption->addWidget(Panel1, 1);
    caption->addWidget(btnNext);

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* hint = new QLabel(QStringLiteral("Select Date or Esc to cancel."), this);
    hint->setAlignment(Qt::AlignCenter);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* inner = new QVBoxLayout(frame);
    inner->addLayout(caption);
    inner->addWidget(Calendar1);
    inner->addWidget(hint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    connect(btnPrev, &QToolButton::clicked, this, [this] { MoveMonth(-1); });
    connect(btnNext, &QToolButton::clicked, this, [this] { MoveMonth(1); });
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this, &TfrmCal::ShowMonth);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TfrmCal::ShowMonth);
    // Only a mouse click on a day accepts it; moving the selection with the keyboard does not.
    connect(Calendar1, &QCalendarWidget::clicked, this, [this] { accept(); });
    for (QWidget* child : Calendar1->findChildren<QWidget*>())
        child->installEventFilter(this);
    Calendar1->installEventFilter(this);
    InstallHelpKey(this, help, [] { return HelpContext::Calendar; });
}

void TfrmCal::Start(double day, const QPoint& topLeft) {
    calDate_ = 0;
    Calendar1->setSelectedDate(ToQDate(day));
    ShowMonth();
    move(topLeft);
    Calendar1->setFocus();
}

double TfrmCal::Pick(HelpViewer& help, QWidget* parent, double day, const QPoint& topLeft) {
    TfrmCal calendar(help, parent);
    calendar.Start(day, topLeft);
    ExecWindowModal(calendar);
    return calendar.CalDate();
}

void TfrmCal::ShowMonth() {
    Panel1->setText(QLocale().toString(Calendar1->selectedDate(), QStringLiteral("MMMM yyyy")));
}

void TfrmCal::MoveMonth(int months) {
    Calendar1->setSelectedDate(Calendar1->selectedDate().addMonths(months));
    Calendar1->setFocus();
}

bool TfrmCal::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool keypad = key->modifiers() & Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!keypad)
            break;
        Calendar1->setSelectedDate(Calendar1->selectedDate().addDays(key->key() == Qt::Key_Plus ? 1 : -1));
        return true;
    case Qt::Key_Tab:
        MoveMonth(1);
        return true;
    case Qt::Key_Backtab:
        MoveMonth(-1);
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmCal::done(int result) {
    calDate_ = result == QDialog::Accepted ? ToDayNumber(Calendar1->selectedDate()) : 0;
    QDialog::done(result);
}

} // namespace vantorel
