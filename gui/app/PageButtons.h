#pragma once

#include <initializer_list>

#include "app/Workspace.h"

class QPushButton;
class QVBoxLayout;
class QWidget;

namespace vantorel {

// Stacks the right-hand buttons of a workspace page at the bottom of its panel: the page's "Exit" button
// (named btnExit1..btnExit7 after the page) lowest, then the given buttons upwards in the order given, 5
// pixels apart. Exit closes the workspace the page belongs to. Returns the Exit button.
QPushButton* StackPageButtons(QVBoxLayout& panel, QWidget& page, WorkspacePage number,
                              std::initializer_list<QPushButton*> upwards = {});

} // namespace vantorel
