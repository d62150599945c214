#pragma once

#include <QObject>
#include <QString>

namespace vantorel {

// For the benchmark harness that drives the real program in an X server: on Ctrl+Alt+Shift+F12 it writes
// where the visible windows, tabs, buttons, check boxes and list rows are on the screen, one a line
// ("kind<TAB>text<TAB>x y width height"), so that the harness can click them as a user would. Installed
// only when VANTOREL_WIDGET_MAP names the file; it also stops the text cursor blinking, so that what the
// harness sees painted is the action's own work.
class WidgetMap : public QObject {
public:
    explicit WidgetMap(QString file, QObject* parent = nullptr);

    // Installs the map on the application when the environment asks for it.
    static void InstallFromEnvironment();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Write() const;

    QString file_;
};

} // namespace vantorel
