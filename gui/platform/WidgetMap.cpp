#include "platform/WidgetMap.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSaveFile>
#include <QTabBar>
#include <QTextStream>
#include <QWidget>

namespace vantorel {
namespace {

constexpr int kMostRows = 60;

QString Place(const QWidget& widget, const QRect& local) {
    const QPoint topLeft = widget.mapToGlobal(local.topLeft());
    return QStringLiteral("%1 %2 %3 %4")
        .arg(topLeft.x())
        .arg(topLeft.y())
        .arg(local.width())
        .arg(local.height());
}

QString Caption(QString text) {
    return text.remove(QLatin1Char('&'))
        .replace(QLatin1Char('\t'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void WriteView(QTextStream& out, const QAbstractItemView& view) {
    out << "view\t" << view.metaObject()->className() << '\t' << Place(view, view.rect()) << '\n';
    const QAbstractItemModel* model = view.model();
    if (model == nullptr)
        return;
    const QWidget& viewport = *view.viewport();
    for (int row = 0, written = 0; row < model->rowCount() && written < kMostRows; ++row) {
        const QRect cell = view.visualRect(model->index(row, 0));
        if (!cell.isValid() || !viewport.rect().intersects(cell))
            continue;
        const QRect line(0, cell.top(), viewport.width(), cell.height());
        out << "row\t" << row << ':' << Caption(model->index(row, 0).data().toString()) << '\t'
            << Place(viewport, line.intersected(viewport.rect())) << '\n';
        ++written;
    }
}

} // namespace

WidgetMap::WidgetMap(QString file, QObject* parent) : QObject(parent), file_(std::move(file)) {}

void WidgetMap::InstallFromEnvironment() {
    const QString file = qEnvironmentVariable("VANTOREL_WIDGET_MAP");
    if (file.isEmpty())
        return;
    QApplication::setCursorFlashTime(0);
    qApp->installEventFilter(new WidgetMap(file, qApp));
}

bool WidgetMap::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        if (key->key() == Qt::Key_F12 && (key->modifiers() & chord) == chord) {
            Write();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WidgetMap::Write() const {
    QSaveFile file(file_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        out << "window\t" << Caption(window->windowTitle()) << '\t' << Place(*window, window->rect()) << '\n';
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->window() != window)
                continue;
            if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
                const QString text = button->text().isEmpty() ? button->toolTip() : button->text();
                out << "button\t" << Caption(text) << '\t' << Place(*button, button->rect()) << '\n';
            } else if (const auto* tabs = qobject_cast<QTabBar*>(widget)) {
                for (int k = 0; k < tabs->count(); ++k)
                    out << "tab\t" << Caption(tabs->tabText(k)) << '\t' << Place(*tabs, tabs->tabRect(k))
                        << '\n';
            } else if (const auto* view = qobject_cast<QAbstractItemView*>(widget)) {
                WriteView(out, *view);
            }
        }
    }
    out.flush();
    file.commit();
}

} // namespace vantorel
