#include "platform/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

namespace vantorel {
namespace {

bool IsInput(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(&widget) != nullptr;
}

bool HasOwnText(const QWidget& widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    return button != nullptr && !button->text().remove(QLatin1Char('&')).trimmed().isEmpty() &&
           button->text() != QStringLiteral("...");
}

} // namespace

void NameInputs(QWidget& window) {
    QSet<const QWidget*> labelled;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            labelled.insert(label->buddy());
    // "Ctrl+P" and the like at the end of a tooltip are said by the shortcut itself.
    static const QRegularExpression shortcut(QStringLiteral("\\s*\\([^()]*\\)$"));
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // The line edit inside a combo box or spin box is named through its owner.
        if (!IsInput(*widget) || widget->window() != &window || !widget->accessibleName().isEmpty() ||
            labelled.contains(widget) || HasOwnText(*widget) ||
            qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr)
            continue;
        // A list alone in a titled box is named by the box; anything else by its tooltip.
        QString name = widget->toolTip();
        if (const auto* box = qobject_cast<const QGroupBox*>(widget->parentWidget());
            box != nullptr && !box->title().isEmpty() && qobject_cast<QAbstractItemView*>(widget) != nullptr)
            name = box->title();
        name.remove(shortcut);
        name.remove(QLatin1Char('&'));
        if (!name.isEmpty())
            widget->setAccessibleName(name);
    }
}

bool AccessibleNamer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && !widget->property("vantorelNamed").toBool()) {
            widget->setProperty("vantorelNamed", true);
            NameInputs(*widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantorel
