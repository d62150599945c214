#pragma once

#include <QObject>

namespace vantorel {

// Makes a button's "&" shortcut act at once. Qt animates the click of a button whose mnemonic is pressed,
// holding it down for 100 ms before it acts; a keyboard user should get the mouse's speed. Ambiguous
// mnemonics keep Qt's behaviour (the focus moves between the buttons that share the letter).
class InstantMnemonics : public QObject {
public:
    using QObject::QObject;

    // Installs the filter on the application, once.
    static void Install();

    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vantorel
