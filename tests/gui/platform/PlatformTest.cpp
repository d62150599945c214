#include <QDialog>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QWheelEvent>

#include "GuiHarness.h"
#include "app/TfrmMain.h"
#include "platform/HelpWindow.h"
#include "platform/InstantMnemonics.h"
#include "platform/KeptDialog.h"
#include "platform/Printing.h"
#include "platform/QtCanvas.h"
#include "platform/SteadyPalette.h"
#include "platform/WindowPlaces.h"
#include "results/TfrmCal.h"
#include "store/WindowMemory.h"

namespace vantorel::testing {
namespace {

// A help file long enough to scroll, with the workspace's section at its top.
QString WriteLongHelp(const TempFolder& folder) {
    std::ofstream html(folder.file("help.html"));
    html << "<html><body><h2 id=\"context-300\">League Table</h2>";
    for (int line = 0; line < 400; ++line)
        html << "<p>Line " << line << "</p>";
    html << "</body></html>";
    return QString::fromStdString(folder.file("help.html"));
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

// Counts the paint events a widget receives, the area they painted, and its focus events.
class PaintCounter : public QObject {
public:
    int paints = 0, focusIns = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        focusIns += event->type() == QEvent::FocusIn;
        return QObject::eventFilter(watched, event);
    }
};

class PlatformTest : public QObject {
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
        if (opened == u"calendar"_s) {
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
            if (opened == u"matches window"_s)
                workspace->tablePage->btnGridClick();
            else if (opened == u"settings dialog"_s)
                workspace->miSetupClick();
            scrolled = HelpScrolls(*browser);
        }
        QVERIFY(scrolled);
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
        workspace->close();
    }

    // A button's "&" key acts as a click does, at once: Qt would hold the button down for 100 ms first.
    void aMnemonicClicksAtOnceAndAnAmbiguousOneOnlyMovesTheFocus() {
        InstantMnemonics::Install();
        QDialog dialog;
        auto* layout = new QHBoxLayout(&dialog);
        QPushButton* buttons[4];
        for (int i = 0; const char* text : {"&Squads", "&Close", "C&hange", "&Cancel"})
            layout->addWidget(buttons[i++] = new QPushButton(QString::fromUtf8(text), &dialog));
        auto [squads, close, change, cancel] = buttons;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSignalSpy squadsClicked(squads, &QPushButton::clicked);
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        QVERIFY(squadsClicked.count() == 1 && !squads->isDown()); // no event loop has run: it did not wait
        QSignalSpy closeClicked(close, &QPushButton::clicked);
        QSignalSpy cancelClicked(cancel, &QPushButton::clicked);
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        QVERIFY(closeClicked.count() + cancelClicked.count() == 0 &&
                (close->hasFocus() || cancel->hasFocus()));
        change->setEnabled(false);
        QSignalSpy changeClicked(change, &QPushButton::clicked);
        QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(changeClicked.count(), 0);
    }

    // A dialog that is done hides and keeps its native window, telling its result as a closed one does.
    void aDoneDialogKeepsItsWindowAndTellsItsResult() {
        KeptDialog dialog;
        QSignalSpy finished(&dialog, &QDialog::finished);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const WId window = dialog.winId();
        dialog.reject();
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Rejected);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog) && dialog.winId() == window);
        dialog.accept();
        QCOMPARE(
            std::tuple(rejected.count(), accepted.count(), finished.count(), finished.at(1).at(0).toInt()),
            std::tuple(1, 1, 2, int(QDialog::Accepted)));
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(7); });
        QCOMPARE(dialog.exec(), 7);
        // One that deletes itself on close is still deleted.
        QPointer<KeptDialog> deleted = new KeptDialog;
        deleted->setAttribute(Qt::WA_DeleteOnClose);
        deleted->open();
        deleted->reject();
        QTRY_VERIFY(deleted.isNull());
    }

    // The print dialog keeps its native window from one printout to the next; cancelled, it prints nothing,
    // although its printer could print.
    void thePrintDialogKeepsItsWindowAndCancelPrintsNothing() {
        TempFolder folder;
        QWidget window;
        window.show();
        std::vector<WId> windows;
        int drawn = 0;
        for (int showing = 0; showing < 2; ++showing) {
            QTimer::singleShot(0, &window, [&] {
                auto* dialog = window.findChild<QPrintDialog*>();
                windows.push_back(dialog->winId());
                dialog->printer()->setOutputFileName(QString::fromStdString(folder.file("printed.pdf")));
                dialog->reject();
            });
            QVERIFY(!PrintWithDialog(&window, u"Job"_s, [&](Canvas&, int, int) { ++drawn; }));
        }
        QCOMPARE(windows.size(), 2u);
        QCOMPARE(windows[1], windows[0]);
        QCOMPARE(drawn, 0);
    }

    // One set of colours for active and inactive windows: a dialog opening over a window does not repaint it.
    void theInactiveColoursFollowTheActiveOnesAndAnItemViewKeepsItsPaintOnDeactivation() {
        SteadyPalette::Install();
        QVERIFY(QApplication::palette().isEqual(QPalette::Active, QPalette::Inactive));
        QPalette changed = QApplication::palette();
        changed.setColor(QPalette::Active, QPalette::Highlight, Qt::darkGreen);
        changed.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
        QApplication::setPalette(changed);
        QCOMPARE(QApplication::palette().color(QPalette::Inactive, QPalette::Highlight),
                 QColor(Qt::darkGreen));
        QVERIFY(QApplication::palette().isEqual(QPalette::Active, QPalette::Inactive));

        // Nor is an item view repainted when its window loses the focus.
        QTableWidget grid(20, 5);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        PaintCounter counter;
        grid.viewport()->installEventFilter(&counter);
        auto paintsAfter = [&](QEvent::Type type, Qt::FocusReason reason, QObject* receiver) {
            counter.paints = 0;
            QFocusEvent focus(type, reason);
            QEvent activation(type);
            QApplication::sendEvent(
                receiver, type == QEvent::FocusOut || type == QEvent::FocusIn ? &focus : &activation);
            QApplication::processEvents();
            return counter.paints;
        };
        QCOMPARE(paintsAfter(QEvent::WindowDeactivate, Qt::OtherFocusReason, grid.viewport()), 0);
        QCOMPARE(paintsAfter(QEvent::WindowActivate, Qt::OtherFocusReason, grid.viewport()), 0);
        QCOMPARE(paintsAfter(QEvent::FocusOut, Qt::ActiveWindowFocusReason, &grid), 0);
        // The focus moving within the window still takes the focus frame away.
        QVERIFY(paintsAfter(QEvent::FocusOut, Qt::TabFocusReason, &grid) > 0);

        // The focus coming back with the window lands on the first item and paints its row alone.
        counter.painted = {};
        PaintCounter ownFilter; // the view's own filters still see the focus come
        grid.installEventFilter(&ownFilter);
        QVERIFY(paintsAfter(QEvent::FocusIn, Qt::ActiveWindowFocusReason, &grid) > 0);
        QVERIFY(ownFilter.focusIns == 1 && grid.currentRow() == 0);
        QVERIFY(counter.painted.boundingRect().height() <= grid.rowHeight(0));
    }

    // Drawn on the screen black takes the palette's ink; other colours, and black on paper, stay as they are.
    void aScreenCanvasDrawsBlackInTheInkAndOtherColoursAsThemselves() {
        QImage image(10, 5, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter);
        const auto line = [&](Colour colour, int y) {
            canvas.setPen(colour, 1);
            canvas.Line(0, y, 10, y);
        };
        line(kBlack, 0);
        canvas.UseScreenColours(Qt::green, Qt::gray);
        line(kBlack, 2);
        line(kRed, 4);
        painter.end();
        QCOMPARE((QList<QColor>{image.pixelColor(5, 0), image.pixelColor(5, 2), image.pixelColor(5, 4)}),
                 (QList<QColor>{Qt::black, Qt::green, Qt::red}));
    }

    // A window comes back where it was left, and the settings file is written only when the place changed.
    void aWindowReturnsWhereItWasLeftAndAnUnchangedPlaceIsNotWrittenAgain() {
        TempFolder folder;
        const std::filesystem::path settings = folder.file("settings.ini");
        const WindowPlace left{100, 120, 300, 200, false};
        {
            QWidget window;
            RememberPlace(&window, u"Test"_s, settings);
            window.show();
            window.move(left.left, left.top); // the place of the frame
            window.resize(left.width, left.height);
            window.hide();
            QCOMPARE(ReadWindowPlace(settings, "Test"), std::optional(left));
            // Another program changes the entry; showing and hiding the window where it was leaves it.
            const WindowPlace theirs{10, 20, 400, 300, false};
            QVERIFY(WriteWindowPlace(settings, "Test", theirs));
            window.show();
            window.hide();
            QCOMPARE(ReadWindowPlace(settings, "Test"), std::optional(theirs));
            window.show();
            window.move(140, 160);
            window.hide();
            QCOMPARE(ReadWindowPlace(settings, "Test"),
                     std::optional(WindowPlace{140, 160, 300, 200, false}));
        }
        QWidget again;
        RememberPlace(&again, u"Test"_s, settings);
        again.show();
        QCOMPARE(QRect(again.pos(), again.size()), QRect(140, 160, 300, 200));
    }
};

} // namespace
VANTOREL_GUI_TEST(PlatformTest);
} // namespace vantorel::testing

#include "PlatformTest.moc"
