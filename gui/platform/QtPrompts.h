#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/Prompts.h"

namespace vantorel {

// Prompts as message boxes over a parent window, and the application's beep.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void Warn(const std::string& text) override;
    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    bool AskChoice(const std::string& text, const std::string& accept, const std::string& reject) override;
    void Beep() override;

private:
    // The window the message belongs to: the dialog or window in use, else the main window.
    QWidget* parentWindow() const;
    int Show(QMessageBox::Icon icon, const std::string& text, QMessageBox::StandardButtons buttons);

    QPointer<QWidget> parent_;
};

} // namespace vantorel
