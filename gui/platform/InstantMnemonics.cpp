#include "platform/InstantMnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QShortcutEvent>

namespace vantorel {

void InstantMnemonics::Install() {
    static InstantMnemonics* installed = nullptr;
    if (installed == nullptr) {
        installed = new InstantMnemonics(qApp);
        qApp->installEventFilter(installed);
    }
}

bool InstantMnemonics::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut)
        return QObject::eventFilter(watched, event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (button == nullptr || shortcut->isAmbiguous() || !button->isEnabled())
        return QObject::eventFilter(watched, event);
    if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus))
        button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}

} // namespace vantorel
