#include "platform/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>

namespace vantorel {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QWidget* QtPrompts::parentWindow() const {
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

void QtPrompts::Warn(const std::string& text) {
    QMessageBox::warning(parentWindow(), QApplication::applicationName(), Text(text));
}

void QtPrompts::Error(const std::string& text) {
    QMessageBox::critical(parentWindow(), QApplication::applicationName(), Text(text));
}

void QtPrompts::Info(const std::string& text) {
    QMessageBox::information(parentWindow(), QApplication::applicationName(), Text(text));
}

bool QtPrompts::AskYesNo(const std::string& text) {
    return QMessageBox::question(parentWindow(), QApplication::applicationName(), Text(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompts::AskYesNoCancel(const std::string& text) {
    const auto button = QMessageBox::question(parentWindow(), QApplication::applicationName(), Text(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtPrompts::Beep() {
    QApplication::beep();
}

} // namespace vantorel
