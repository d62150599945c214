#include "platform/SteadyPalette.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QPalette>

namespace vantorel {
namespace {

void Steady() {
    QPalette palette = QApplication::palette();
    if (palette.isEqual(QPalette::Active, QPalette::Inactive))
        return;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(QPalette::Inactive, colourRole, palette.brush(QPalette::Active, colourRole));
    }
    QApplication::setPalette(palette);
}

} // namespace

void SteadyPalette::Install() {
    static SteadyPalette* installed = nullptr;
    if (installed == nullptr) {
        installed = new SteadyPalette(qApp);
        qApp->installEventFilter(installed);
    }
    Steady();
}

bool SteadyPalette::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ApplicationPaletteChange:
        if (watched == qApp)
            Steady();
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        // An item view repaints all it shows when its window gains or loses the focus, to draw its
        // selection in the other colours; with one set of colours there is nothing to redraw.
        if (const auto* view = qobject_cast<const QAbstractItemView*>(watched->parent());
            view != nullptr && view->viewport() == watched)
            return true;
        break;
    case QEvent::FocusOut:
        // Likewise when the focus leaves with its window, for a dialog over it: the view would repaint all
        // it shows to take its focus frame away, and again to put it back when the dialog closes.
        if (static_cast<const QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason &&
            qobject_cast<const QAbstractItemView*>(watched) != nullptr)
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantorel
