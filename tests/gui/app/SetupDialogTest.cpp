#include <fstream>

#include <QButtonGroup>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/TfrmSetup.h"
#include "store/IniFile.h"

namespace vantorel::testing {
namespace {

// Picks an element and a colour as the user would.
void PickColour(TfrmSetup& dialog, int element, int position) {
    dialog.RadioGroup1->button(element)->click();
    dialog.ColourBox->setCurrentIndex(position);
    Q_EMIT dialog.ColourBox->activated(position);
}

class SetupDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void refusesAFormValueOutOfRangeAndAnOwnTeamColourEqualToAnother() {
        GuiHarness harness;
        TfrmSetup dialog(harness.app, nullptr);
        dialog.show();
        dialog.udForm->setFocus();
        dialog.udForm->selectAll();
        QTest::keyClicks(dialog.udForm, QStringLiteral("1"));
        QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
        QCOMPARE(harness.lastPrompt(),
                 QStringLiteral("The number of games to include in the current form must be from 2 to 30"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(harness.app.settings.FormGames, 10);
        dialog.udForm->setValue(30);
        dialog.udForm->stepBy(1); // the arrows stay within the range
        QCOMPARE(dialog.udForm->value(), 30);

        PickColour(dialog, 0, 7); // red promoted teams while the own team is red
        dialog.btnApplyClick();
        QCOMPARE(harness.lastPrompt(),
                 QStringLiteral("Your Own Team colour cannot be the same as one of the other three"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(harness.app.settings.Colour1, Colour{0x00FFFF});
        QCOMPARE(harness.app.settings.FormGames, 10);
        QVERIFY(!std::filesystem::exists(harness.app.settingsFile));
    }

    void writesTheSettingsFileOnOk() {
        GuiHarness harness;
        std::ofstream(harness.app.settingsFile) << "[Options]\nFilePath=/somewhere/\n";
        TfrmSetup dialog(harness.app, nullptr);
        dialog.show();
        QCOMPARE(dialog.ColourBox->currentIndex(), 9); // yellow promoted teams
        PickColour(dialog, 3, 10);                     // a blue own team
        dialog.cbShowPoss->setChecked(true);
        dialog.udForm->setValue(6);
        dialog.btnApplyClick();
        QVERIFY(harness.prompts.shown.empty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(harness.app.settings.Colour4, Colour{0xFF0000});
        const IniFile ini = ReadIniFile(harness.app.settingsFile);
        QCOMPARE(QString::fromStdString(*ini.value("Colours", "Colour4")), QStringLiteral("16711680"));
        QCOMPARE(QString::fromStdString(*ini.value("Options", "ShowPoss")), QStringLiteral("1"));
        QCOMPARE(QString::fromStdString(*ini.value("Options", "ShortTab")), QStringLiteral("0"));
        QCOMPARE(QString::fromStdString(*ini.value("Options", "FormGames")), QStringLiteral("6"));
        QCOMPARE(QString::fromStdString(*ini.value("Options", "FilePath")), QStringLiteral("/somewhere/"));
    }

    void aColourOutsideTheListLeavesTheSelectionAndTheValue() {
        GuiHarness harness;
        harness.app.settings.Colour2 = 0x123456;
        TfrmSetup dialog(harness.app, nullptr);
        dialog.show();
        const int before = dialog.ColourBox->currentIndex();
        dialog.RadioGroup1->button(1)->click();
        QCOMPARE(dialog.ColourBox->currentIndex(), before);
        dialog.btnApplyClick();
        QCOMPARE(harness.app.settings.Colour2, Colour{0x123456});
    }
};

} // namespace

VANTOREL_GUI_TEST(SetupDialogTest);

} // namespace vantorel::testing

#include "SetupDialogTest.moc"
