#include "platform/RadioGroupBox.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantorel {

QGroupBox* RadioGroupBox(const QString& caption, const std::vector<const char*>& items, QButtonGroup* group,
                         QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(items[i]), box);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    if (!items.empty())
        group->button(0)->setChecked(true);
    return box;
}

} // namespace vantorel
