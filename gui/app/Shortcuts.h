#pragma once

#include <QKeyCombination>
#include <QString>

class QWidget;

namespace vantorel {

class TfrmMain;
class TfrmProcess;

// Every keyboard shortcut of the program's windows, in one place.
inline constexpr QKeyCombination kOpenKey = Qt::CTRL | Qt::Key_O;
inline constexpr QKeyCombination kSaveKey = Qt::CTRL | Qt::Key_S;
inline constexpr QKeyCombination kPrintKey = Qt::CTRL | Qt::Key_P;
inline constexpr QKeyCombination kCloseKey = Qt::CTRL | Qt::Key_W;
inline constexpr QKeyCombination kQuitKey = Qt::CTRL | Qt::Key_Q;
inline constexpr QKeyCombination kHelpKey = QKeyCombination(Qt::Key_F1);
inline constexpr QKeyCombination kNextPageKeys[] = {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown};
inline constexpr QKeyCombination kPreviousPageKeys[] = {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab,
                                                        Qt::CTRL | Qt::Key_PageUp};

// A tooltip that names its shortcut: "Print league table (Ctrl+P)".
QString WithShortcut(const QString& tip, QKeyCombination key);
// Adds the shortcut's name to a widget's tooltip.
void NameShortcut(QWidget* widget, QKeyCombination key);

// Ctrl+O opens the selected league, Ctrl+Q quits.
void InstallMainWindowShortcuts(TfrmMain& window);
// Ctrl+S saves, Ctrl+P prints what the page shows, Ctrl+W closes the workspace, Ctrl+Q closes it and quits;
// Ctrl+Tab and Ctrl+PgDn go to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round the
// tabs, whichever control has the focus.
void InstallWorkspaceShortcuts(TfrmProcess& window);

} // namespace vantorel
