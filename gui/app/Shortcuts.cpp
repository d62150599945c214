#include "app/Shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include "app/TfrmMain.h"
#include "app/TfrmProcess.h"
#include "outlook/OutlookPage.h"
#include "standings/LeagueTablePage.h"
#include "stats/TeamStatisticsPage.h"

namespace vantorel {
namespace {

template <typename Handler> void Bind(QWidget& window, QKeyCombination key, Handler handler) {
    auto* shortcut = new QShortcut(QKeySequence(key), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, handler);
}

} // namespace

QString WithShortcut(const QString& tip, QKeyCombination key) {
    return tip + QStringLiteral(" (") + QKeySequence(key).toString(QKeySequence::NativeText) +
           QStringLiteral(")");
}

void NameShortcut(QWidget* widget, QKeyCombination key) {
    widget->setToolTip(WithShortcut(widget->toolTip(), key));
}

void InstallMainWindowShortcuts(TfrmMain& window) {
    Bind(window, kOpenKey, [&window] {
        if (window.btnOpen->isEnabled())
            window.btnOpenClick();
    });
    Bind(window, kQuitKey, [&window] { window.close(); });
    NameShortcut(window.btnOpen, kOpenKey);
    NameShortcut(window.btnExit, kQuitKey);
    NameShortcut(window.btnHelp, kHelpKey);
}

void InstallWorkspaceShortcuts(TfrmProcess& window) {
    Bind(window, kSaveKey, [&window] { window.SaveShortcut(); });
    Bind(window, kPrintKey, [&window] { window.PrintPage(); });
    Bind(window, kCloseKey, [&window] { window.close(); });
    Bind(window, kQuitKey, [&window] { window.CloseAndQuit(); });
    for (QKeyCombination key : kNextPageKeys)
        Bind(window, key, [&window] { window.StepPage(+1); });
    for (QKeyCombination key : kPreviousPageKeys)
        Bind(window, key, [&window] { window.StepPage(-1); });
    window.miSave->setText(window.miSave->text() + QLatin1Char('\t') +
                           QKeySequence(kSaveKey).toString(QKeySequence::NativeText));
    NameShortcut(window.tablePage->btnPrint, kPrintKey);
    NameShortcut(window.outlookPage->btnPrint, kPrintKey);
    NameShortcut(window.teamStatsPage->btnTSPrint, kPrintKey);
    for (QPushButton* exit : window.findChildren<QPushButton*>())
        if (exit->objectName().startsWith(QStringLiteral("btnExit")))
            NameShortcut(exit, kCloseKey);
    for (int page = 0; page < window.TabSet1->count(); ++page)
        window.TabSet1->setTabToolTip(page, QStringLiteral("%1: Ctrl+Tab and Ctrl+PgDn show the next page, "
                                                           "Ctrl+Shift+Tab and Ctrl+PgUp the one before")
                                                .arg(window.TabSet1->tabText(page)));
}

} // namespace vantorel
