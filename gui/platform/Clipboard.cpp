#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vantorel {

void PutClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace vantorel
