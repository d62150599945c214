#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "GuiTests.h"
#include "platform/KeptDialog.h"

namespace vantorel::testing {
namespace {

// A dialog that is done hides and keeps its native window, telling its result as a closed one does.
class KeptDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aDoneDialogKeepsItsWindowAndTellsItsResult() {
        KeptDialog dialog;
        QSignalSpy finished(&dialog, &QDialog::finished);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const WId window = dialog.winId();
        dialog.reject();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.winId(), window);
        dialog.accept();
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(1).at(0).toInt(), int(QDialog::Accepted));

        QTimer::singleShot(0, &dialog, [&dialog] { dialog.done(7); });
        QCOMPARE(dialog.exec(), 7);
    }

    void aDialogThatDeletesItselfOnCloseIsStillDeleted() {
        QPointer<KeptDialog> dialog = new KeptDialog;
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        dialog->reject();
        QTRY_VERIFY(dialog.isNull());
    }
};

} // namespace

VANTOREL_GUI_TEST(KeptDialogTest);

} // namespace vantorel::testing

#include "KeptDialogTest.moc"
