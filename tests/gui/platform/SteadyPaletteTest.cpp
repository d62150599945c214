#include <QApplication>
#include <QFocusEvent>
#include <QTableWidget>
#include <QTest>

#include "GuiTests.h"
#include "platform/SteadyPalette.h"

namespace vantorel::testing {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// One set of colours whether a window is active or not, so that a dialog opening over a window does not
// repaint it.
class SteadyPaletteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theInactiveColoursFollowTheActiveOnesWhateverPaletteIsSet() {
        SteadyPalette::Install();
        QVERIFY(QApplication::palette().isEqual(QPalette::Active, QPalette::Inactive));
        QPalette changed = QApplication::palette();
        changed.setColor(QPalette::Active, QPalette::Highlight, Qt::darkGreen);
        changed.setColor(QPalette::Inactive, QPalette::Highlight, Qt::lightGray);
        QApplication::setPalette(changed);
        QCOMPARE(QApplication::palette().color(QPalette::Inactive, QPalette::Highlight),
                 QColor(Qt::darkGreen));
        QVERIFY(QApplication::palette().isEqual(QPalette::Active, QPalette::Inactive));
    }

    void anItemViewIsNotRepaintedWhenItsWindowLosesTheFocus() {
        SteadyPalette::Install();
        QTableWidget grid(20, 5);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        PaintCounter counter;
        grid.viewport()->installEventFilter(&counter);
        auto paintsAfter = [&](QEvent::Type type, Qt::FocusReason reason, QObject* receiver) {
            counter.paints = 0;
            QFocusEvent focus(type, reason);
            QEvent activation(type);
            QApplication::sendEvent(receiver, type == QEvent::FocusOut ? &focus : &activation);
            QApplication::processEvents();
            return counter.paints;
        };
        QCOMPARE(paintsAfter(QEvent::WindowDeactivate, Qt::OtherFocusReason, grid.viewport()), 0);
        QCOMPARE(paintsAfter(QEvent::WindowActivate, Qt::OtherFocusReason, grid.viewport()), 0);
        QCOMPARE(paintsAfter(QEvent::FocusOut, Qt::ActiveWindowFocusReason, &grid), 0);
        // The focus moving within the window still takes the focus frame away.
        QVERIFY(paintsAfter(QEvent::FocusOut, Qt::TabFocusReason, &grid) > 0);
    }
};

} // namespace

VANTOREL_GUI_TEST(SteadyPaletteTest);

} // namespace vantorel::testing

#include "SteadyPaletteTest.moc"
