#pragma once

#include <QObject>

class QWidget;

namespace vantorel {

// Gives every input of a window an accessible name a screen reader can say: a control named by a label
// (its buddy) or by its own text keeps that; any other takes its tooltip, without the shortcut the tooltip
// names. A name set by the window is never replaced.
void NameInputs(QWidget& window);

// Names the inputs of every window as it is first shown (installed on the application).
class AccessibleNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vantorel
