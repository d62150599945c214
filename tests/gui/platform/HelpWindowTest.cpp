#include <fstream>

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QWheelEvent>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/TfrmMain.h"
#include "app/TfrmProcess.h"
#include "platform/HelpWindow.h"
#include "results/TfrmCal.h"
#include "standings/LeagueTablePage.h"

namespace vantorel::testing {
namespace {

// A help file long enough to scroll, with the workspace's section at its top.
QString WriteLongHelp(const TempFolder& folder) {
    const std::filesystem::path path = folder.path() / "help.html";
    std::ofstream html(path);
    html << "<html><body><h2 id=\"context-300\">League Table</h2>";
    for (int line = 0; line < 400; ++line)
        html << "<p>Line " << line << "</p>";
    html << "</body></html>";
    return QString::fromStdString(path.string());
}

// Whether the wheel and Page Down, sent as the window system sends them, scroll the help.
bool HelpScrolls(QTextBrowser& browser) {
    QScrollBar* bar = browser.verticalScrollBar();
    const int top = bar->value();
    const QPointF at(40, 40);
    QWheelEvent wheel(at, browser.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(browser.windowHandle(), &wheel);
    const int wheeled = bar->value();
    QKeyEvent pageDown(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(browser.windowHandle(), &pageDown);
    return wheeled > top && bar->value() > wheeled;
}

class HelpWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpStaysUsableBesideTheWorkspaceAndItsDialogs_data() {
        QTest::addColumn<QString>("opened");
        for (const char* opened : {"workspace", "matches window", "settings dialog", "calendar"})
            QTest::newRow(opened) << QString::fromUtf8(opened);
    }

    void helpStaysUsableBesideTheWorkspaceAndItsDialogs() {
        QFETCH(QString, opened);
        TempFolder helpFolder;
        HelpWindow help(WriteLongHelp(helpFolder));
        GuiHarness harness(&help);
        harness.WriteLeague("a.div", "Alpha");
        TfrmMain main(harness.app);
        main.show();
        main.btnOpenClick();
        TfrmProcess* workspace = main.workspace();
        QVERIFY(workspace && workspace->isVisible());
        harness.app.help.ShowContext(workspace->helpContext());
        QTextBrowser* browser = help.browser();
        QVERIFY(browser && browser->isVisible());
        browser->resize(400, 300);

        bool scrolled = false;
        if (opened == QStringLiteral("calendar")) {
            // The calendar runs its own loop: look at the help while it is up, then dismiss it.
            harness.app.pickDate = [&](QWidget* parent, double day, const QPoint& at) {
                QTimer::singleShot(0, [&] {
                    scrolled = HelpScrolls(*browser);
                    QApplication::activeModalWidget()->close();
                });
                return TfrmCal::Pick(help, parent, day, at);
            };
            workspace->tablePage->btnDivDateClick();
        } else {
            if (opened == QStringLiteral("matches window"))
                workspace->tablePage->btnGridClick();
            else if (opened == QStringLiteral("settings dialog"))
                workspace->miSetupClick();
            scrolled = HelpScrolls(*browser);
        }
        QVERIFY(scrolled);
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
        workspace->close();
    }
};

} // namespace

VANTOREL_GUI_TEST(HelpWindowTest);

} // namespace vantorel::testing

#include "HelpWindowTest.moc"
