#pragma once

#include <QObject>

namespace vantorel {

// Gives the application's palette the same colours whether its window is active or not. Qt repaints every
// widget of a window that gains or loses the focus when those colours differ, so each dialog's opening and
// closing would repaint the whole workspace beneath it, twice, for no visible gain; item views, which
// repaint on those changes whatever their colours, are spared them, and the focus that comes back with their
// window repaints only their frame and current row. A palette the desktop changes later is made steady
// again.
class SteadyPalette : public QObject {
public:
    using QObject::QObject;

    // Steadies the palette and installs the watch on the application, once.
    static void Install();

    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vantorel
