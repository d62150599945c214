#pragma once

#include <QObject>

namespace vantorel {

// Switches the pop-up hints of the whole application on or off.
class HintSwitch : public QObject {
public:
    using QObject::QObject;
    void setHintsShown(bool shown) { shown_ = shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool shown_ = true;
};

} // namespace vantorel
