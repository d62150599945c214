#pragma once

#include <QWidget>

namespace vantorel {

// Holds back a widget's repaints while it is filled piece by piece, and repaints it once, as a whole, at
// the end of the scope. A grid whose cells change one by one would otherwise be repainted as a patchwork
// of a rectangle for each cell, which costs the program and the display far more than one repaint.
class RepaintOnce {
public:
    explicit RepaintOnce(QWidget& widget) : widget_(widget), wasEnabled_(widget.updatesEnabled()) {
        widget_.setUpdatesEnabled(false);
    }
    ~RepaintOnce() { widget_.setUpdatesEnabled(wasEnabled_); }

    RepaintOnce(const RepaintOnce&) = delete;
    RepaintOnce& operator=(const RepaintOnce&) = delete;

private:
    QWidget& widget_;
    bool wasEnabled_;
};

} // namespace vantorel
