#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "GuiTests.h"
#include "platform/InstantMnemonics.h"

namespace vantorel::testing {
namespace {

// A button's "&" key acts as a click does, at once: Qt would hold the button down for 100 ms first.
class InstantMnemonicsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aMnemonicClicksAtOnceAndAnAmbiguousOneOnlyMovesTheFocus() {
        InstantMnemonics::Install();
        QDialog dialog;
        auto* squads = new QPushButton(QStringLiteral("&Squads"), &dialog);
        auto* close = new QPushButton(QStringLiteral("&Close"), &dialog);
        auto* change = new QPushButton(QStringLiteral("C&hange"), &dialog);
        auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &dialog);
        auto* layout = new QHBoxLayout(&dialog);
        for (QPushButton* button : {squads, close, change, cancel})
            layout->addWidget(button);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        QSignalSpy squadsClicked(squads, &QPushButton::clicked);
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(squadsClicked.count(), 1); // no event loop has run: the click did not wait
        QVERIFY(!squads->isDown());

        QSignalSpy closeClicked(close, &QPushButton::clicked);
        QSignalSpy cancelClicked(cancel, &QPushButton::clicked);
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(closeClicked.count() + cancelClicked.count(), 0);
        QVERIFY(close->hasFocus() || cancel->hasFocus());

        change->setEnabled(false);
        QSignalSpy changeClicked(change, &QPushButton::clicked);
        QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(changeClicked.count(), 0);
    }
};

} // namespace

VANTOREL_GUI_TEST(InstantMnemonicsTest);

} // namespace vantorel::testing

#include "InstantMnemonicsTest.moc"
