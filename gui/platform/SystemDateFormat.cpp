#include "platform/SystemDateFormat.h"

#include <QLocale>

namespace vantorel {

DateFormat SystemDateFormat() {
    const QString pattern = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (const auto format = DateFormat::FromPattern(pattern.toStdString()))
        return *format;
    return DateFormat::Default();
}

} // namespace vantorel
