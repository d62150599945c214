#pragma once

#include <QWidget>

namespace vantorel {

// The window shown while the program starts: borderless, on top, centred.
class TfrmSplash : public QWidget {
public:
    TfrmSplash();
};

} // namespace vantorel
