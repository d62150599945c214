#include "platform/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/WindowModal.h"

namespace vantorel {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QWidget* QtPrompts::parentWindow() const {
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return parent_.data();
}

void QtPrompts::Warn(const std::string& text) {
    Show(QMessageBox::Warning, text, QMessageBox::Ok);
}

void QtPrompts::Error(const std::string& text) {
    Show(QMessageBox::Critical, text, QMessageBox::Ok);
}

void QtPrompts::Info(const std::string& text) {
    Show(QMessageBox::Information, text, QMessageBox::Ok);
}

bool QtPrompts::AskYesNo(const std::string& text) {
    return Show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompts::AskYesNoCancel(const std::string& text) {
    const int button =
        Show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool QtPrompts::AskChoice(const std::string& text, const std::string& accept, const std::string& reject) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), Text(text), QMessageBox::NoButton,
                    parentWindow());
    QPushButton* accepting = box.addButton(Text(accept), QMessageBox::AcceptRole);
    box.addButton(Text(reject), QMessageBox::RejectRole);
    // Closing the box keeps what the accepting answer keeps: it never throws work away.
    box.setDefaultButton(accepting);
    box.setEscapeButton(accepting);
    ExecWindowModal(box);
    return box.clickedButton() == accepting;
}

int QtPrompts::Show(QMessageBox::Icon icon, const std::string& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QApplication::applicationName(), Text(text), buttons, parentWindow());
    return ExecWindowModal(box);
}

void QtPrompts::Beep() {
    QApplication::beep();
}

} // namespace vantorel
