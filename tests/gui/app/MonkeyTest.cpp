// Random clicks, keys and page changes on the sample league's workspace: after every step the league passes
// the loader's checks and every rule of the data model.

#include <random>

#include <QAbstractButton>
#include <QTimer>

#include "GuiHarness.h"
#include "store/DivisionCheck.h"
#include "support/SampleSeason.h"

namespace vantorel::testing {
namespace {

constexpr int kSteps = 10000;

// The keys a user might press anywhere.
const Qt::Key kKeys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return,   Qt::Key_Escape, Qt::Key_Space,
                         Qt::Key_Up,    Qt::Key_Down,    Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Home,
                         Qt::Key_End,   Qt::Key_PageUp,  Qt::Key_PageDown, Qt::Key_Delete, Qt::Key_Backspace,
                         Qt::Key_0,     Qt::Key_1,       Qt::Key_3,        Qt::Key_9,      Qt::Key_A,
                         Qt::Key_Minus, Qt::Key_Slash,   Qt::Key_F1};

bool IsControl(const QWidget* widget) {
    return widget->inherits("QAbstractButton") || widget->inherits("QComboBox") ||
           widget->inherits("QAbstractSpinBox") || widget->inherits("QLineEdit") ||
           widget->inherits("QTabBar") ||
           (widget->parentWidget() && widget->parentWidget()->inherits("QAbstractItemView"));
}

// Closes every dialog and window the monkey opened, so that no modal loop waits for a user.
void CloseStrayWindows(const QWidget* workspace) {
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != workspace && top->isVisible() && !top->inherits("QMenu"))
            top->close();
}

class MonkeyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomUseKeepsTheLeagueSound() {
        GuiHarness harness;
        const std::string path = harness.Save(*LoadSampleSeason(), "sample.div");
        TfrmProcess window(harness.app);
        QVERIFY(window.OpenLeague(path));
        window.show();
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&window] { CloseStrayWindows(&window); });
        closer.start(5);

        std::mt19937 random(16);
        int changes = 0, reopened = 0;
        for (int step = 0; step < kSteps; ++step) {
            if (!window.isVisible()) { // the monkey closed the workspace
                QVERIFY(window.OpenLeague(path));
                window.show();
                ++reopened;
            }
            const std::vector<std::uint8_t> before = WriteDivision(*harness.division);
            const int action = static_cast<int>(random() % 10);
            if (action < 5) {
                // A click anywhere in a visible, enabled control (labels and frames do nothing).
                QList<QWidget*> targets;
                for (QWidget* widget : window.findChildren<QWidget*>())
                    if (widget->isVisible() && widget->isEnabled() && widget->width() > 0 &&
                        widget->height() > 0 && IsControl(widget))
                        targets.push_back(widget);
                QWidget* target = targets[static_cast<int>(random() % targets.size())];
                const QPoint at(static_cast<int>(random() % target->width()),
                                static_cast<int>(random() % target->height()));
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
            } else if (action < 9) {
                // Keys reach the focused control of the workspace, as the system delivers them.
                QWidget* focus = QApplication::focusWidget();
                if (!focus || !focus->isVisible() || !window.isAncestorOf(focus))
                    focus = &window;
                QTest::keyClick(focus, kKeys[random() % std::size(kKeys)]);
            } else {
                QTabBar& tabs = *window.TabSet1;
                QTest::mouseClick(&tabs, Qt::LeftButton, {},
                                  tabs.tabRect(static_cast<int>(random() % tabs.count())).center());
            }
            CloseStrayWindows(&window);
            changes += WriteDivision(*harness.division) != before ? 1 : 0;

            const Status sound = CheckDivision(*harness.division);
            QVERIFY2(sound.ok(),
                     qPrintable(u"step %1: %2"_s.arg(step).arg(QString::fromStdString(sound.message()))));
            const std::vector<std::string> broken = BrokenRules(*harness.division);
            QVERIFY2(broken.empty(), qPrintable(u"step %1: %2"_s.arg(step).arg(
                                         QString::fromStdString(broken.empty() ? "" : broken.front()))));
        }
        qInfo("the monkey changed the league %d times and closed the workspace %d times", changes, reopened);
    }
};

} // namespace
VANTOREL_GUI_TEST(MonkeyTest);
} // namespace vantorel::testing

#include "MonkeyTest.moc"
