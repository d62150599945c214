// Undo and redo, and a window killed after a result was entered: its league, opened again, offers it back.

#include <csignal>
#include <cstdio>
#include <filesystem>

#include <QCoreApplication>
#include <QProcess>

#include "GuiHarness.h"
#include "store/FileIo.h"

namespace vantorel::testing {
namespace {

// The environment variable naming the league the crashing child works on.
constexpr const char* kChildLeague = "VANTOREL_CRASH_LEAGUE";

// Enters Team 01 v Team 02 2-1 on the Enter Results page, finishing with the Return key.
void EnterResult(OpenWorkspace& window) {
    window.ShowPage(WorkspacePage::EnterResults);
    EnterResultsPage& page = *window.enterPage;
    Choose(page.HomeList, u"Team 01"_s);
    Choose(page.AwayList, u"Team 02"_s);
    page.Score1->setValue(2);
    page.Score2->setValue(1);
    QTest::keyClick(page.edAttend, Qt::Key_Return);
}

class UndoRedoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoFollowTheStepsFromTheKeyboard() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.Save(*MakeLeague(4, 2), "u.div"));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window)); // the keys are the window's shortcuts
        QVERIFY(!window.btnUndo->isEnabled());
        EnterResult(window);
        QVERIFY(harness.division->Results[1].Played);
        QCOMPARE(window.btnUndo->toolTip(), u"Undo: result Team 01 v Team 02 2-1 (Ctrl+Z)"_s);

        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!harness.division->Results[1].Played && !harness.division->DataChanged());
        QCOMPARE(window.btnRedo->toolTip(), u"Redo: result Team 01 v Team 02 2-1 (Ctrl+Y)"_s);
        QCOMPARE(window.enterPage->HomeList->count(), 4); // the page was computed again: every team offered

        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(harness.division->Results[1].Played);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(harness.division->Results[1].Played && harness.division->DataChanged() &&
                harness.prompts.beeps == 0);
        window.btnRedo->click(); // nothing to redo
        QCOMPARE(harness.prompts.beeps, 0);
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(harness.prompts.beeps, 1);
    }

    void aResultEnteredBeforeTheWindowWasKilledIsRecovered() {
        GuiHarness harness;
        const std::string league = harness.Save(*MakeLeague(4, 2), "k.div");
        std::vector<std::uint8_t> before;
        QVERIFY(ReadFileBytes(league, kLargestFileSize, before));

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromUtf8(kChildLeague), QString::fromStdString(league));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {u"CrashingWindow"_s});
        QVERIFY(child.waitForStarted());
        while (!child.readAllStandardOutput().contains("entered"))
            QVERIFY2(child.waitForReadyRead(20000), "the child never entered the result");
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished() && child.exitStatus() == QProcess::CrashExit);

        std::vector<std::uint8_t> after;
        QVERIFY(ReadFileBytes(league, kLargestFileSize, after));
        QVERIFY(after == before); // nothing was saved
        OpenWorkspace window(harness, league, false);
        window.OfferRecovery();
        QVERIFY(harness.lastPrompt().startsWith(u"1 change to this league was not saved;"_s));
        const ResultRecord& match = harness.division->Results[1];
        QCOMPARE(std::tuple(match.Played, match.HomeGoals, match.AwayGoals), std::tuple(true, 2, 1));
        QVERIFY(harness.division->DataChanged() && window.btnUndo->isEnabled());
    }
};

// The window that is killed: run only by the test above, which names its league.
class CrashingWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entersAResultAndWaitsToBeKilled() {
        if (qEnvironmentVariableIsEmpty(kChildLeague))
            QSKIP("run by UndoRedoTest only");
        GuiHarness harness;
        OpenWorkspace window(harness, qEnvironmentVariable(kChildLeague).toStdString());
        EnterResult(window);
        QVERIFY(harness.division->Results[1].Played);
        std::puts("entered");
        std::fflush(stdout);
        QTest::qWait(60000);
    }
};

} // namespace
VANTOREL_GUI_TEST(UndoRedoTest);
VANTOREL_GUI_TEST(CrashingWindow);
} // namespace vantorel::testing

#include "UndoRedoTest.moc"
