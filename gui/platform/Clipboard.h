#pragma once

#include <QString>

namespace vantorel {

// Puts text on the system clipboard.
void PutClipboardText(const QString& text);

} // namespace vantorel
