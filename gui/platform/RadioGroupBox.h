#pragma once

#include <array>
#include <vector>

#include <QString>

class QButtonGroup;
class QGroupBox;
class QWidget;

namespace vantorel {

// A group box of radio buttons, one per item, stacked; each button joins the group with its position as id
// and the first is checked.
QGroupBox* RadioGroupBox(const QString& caption, const std::vector<const char*>& items, QButtonGroup* group,
                         QWidget* parent);

template <std::size_t N>
QGroupBox* RadioGroupBox(const QString& caption, const std::array<const char*, N>& items, QButtonGroup* group,
                         QWidget* parent) {
    return RadioGroupBox(caption, std::vector<const char*>(items.begin(), items.end()), group, parent);
}

} // namespace vantorel
