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

// Lets an item view take the focus that comes back with its window without repainting all it shows: Qt's
// handler would. Only the focus marks change, the frame around the view and the current row, so only
// they are painted again.
bool TakeFocusQuietly(QAbstractItemView* view) {
    static QAbstractItemView* taking = nullptr; // the view whose focus event is being handed on
    if (taking == view)
        return false;
    taking = view;
    QWidget* viewport = view->viewport();
    const QModelIndex before = view->currentIndex();
    view->setAttribute(Qt::WA_UpdatesDisabled);
    viewport->setAttribute(Qt::WA_UpdatesDisabled);
    // The event goes on to the view's own filters and handler, which may land on a first item.
    QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(view, &focus);
    taking = nullptr;
    viewport->setAttribute(Qt::WA_UpdatesDisabled, false);
    view->setAttribute(Qt::WA_UpdatesDisabled, false);
    view->update(QRegion(view->rect()) - QRegion(viewport->geometry()));
    // A view that marks the whole row of its current item is painted again across the row.
    for (const QModelIndex& item : {before, view->currentIndex()})
        if (const QRect cell = view->visualRect(item); item.isValid())
            viewport->update(QRect(0, cell.top(), viewport->width(), cell.height()));
    return true;
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
    case QEvent::FocusIn:
        if (auto* view = qobject_cast<QAbstractItemView*>(watched);
            view != nullptr &&
            static_cast<const QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason &&
            TakeFocusQuietly(view))
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
