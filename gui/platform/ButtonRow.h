#pragma once

#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace vantorel {

// A row of buttons at the right of a dialog or page, in the order given.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);

// A dialog's "OK" button, its default, and its "Cancel" button, made under the dialog's names for them;
// returns the row that holds them.
QHBoxLayout* OkCancelRow(QWidget* dialog, QPushButton*& ok, QPushButton*& cancel);

} // namespace vantorel
