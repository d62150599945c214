#include "platform/Today.h"

#include <QDate>

#include "store/Dates.h"

namespace vantorel {

double Today() {
    const QDate today = QDate::currentDate();
    return DayNumberOf({today.year(), today.month(), today.day()}).value_or(0);
}

} // namespace vantorel
