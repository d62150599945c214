#include "platform/HintSwitch.h"

#include <QEvent>
#include <QVariant>

namespace vantorel {

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (!shown_ && event->type() == QEvent::ToolTip && !watched->property(kContentTips).toBool())
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace vantorel
