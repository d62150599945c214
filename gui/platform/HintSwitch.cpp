#include "platform/HintSwitch.h"

#include <QEvent>

namespace vantorel {

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (!shown_ && event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace vantorel
