#pragma once

#include <QObject>

namespace vantorel {

// Switches the pop-up hints of the whole application on or off. A widget whose tooltips carry content
// rather than help (marked with kContentTips) keeps them either way.
class HintSwitch : public QObject {
public:
    static constexpr const char* kContentTips = "vantorelContentTips";

    using QObject::QObject;
    void setHintsShown(bool shown) { shown_ = shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool shown_ = true;
};

} // namespace vantorel
