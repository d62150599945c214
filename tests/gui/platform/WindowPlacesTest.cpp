#include <QTest>
#include <QWidget>

#include "GuiTests.h"
#include "platform/WindowPlaces.h"
#include "store/WindowMemory.h"
#include "support/TempFolder.h"

namespace vantorel::testing {
namespace {

// A window comes back where it was left, and the settings file is written only when the place changed.
class WindowPlacesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWindowReturnsWhereItWasLeftAndAnUnchangedPlaceIsNotWrittenAgain() {
        TempFolder folder;
        const std::filesystem::path settings = folder.file("settings.ini");
        const WindowPlace left{100, 120, 300, 200, false};
        {
            QWidget window;
            RememberPlace(&window, QStringLiteral("Test"), settings);
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
        RememberPlace(&again, QStringLiteral("Test"), settings);
        again.show();
        QCOMPARE(again.pos(), QPoint(140, 160));
        QCOMPARE(again.size(), QSize(300, 200));
    }
};

} // namespace

VANTOREL_GUI_TEST(WindowPlacesTest);

} // namespace vantorel::testing

#include "WindowPlacesTest.moc"
