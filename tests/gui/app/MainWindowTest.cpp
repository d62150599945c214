#include <fstream>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/TAboutBox.h"
#include "app/TfrmMain.h"
#include "app/TfrmProcess.h"
#include "store/IniFile.h"

namespace vantorel::testing {
namespace {

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensTheOnlyLeagueAtOnceAndOfSeveralTheOneSelectedInFileNameOrder() {
        GuiHarness harness;
        harness.WriteLeague("b.div", "Alpha");
        TfrmMain window(harness.app);
        QCOMPARE(window.DivList->count(), 1);
        QVERIFY(window.btnOpen->isEnabled());
        window.DivList->clearSelection();
        window.btnOpenClick();
        QVERIFY(window.workspace() && window.workspace()->isVisible());
        QVERIFY(!window.isVisible());
        QVERIFY(window.workspace()->windowTitle().endsWith(QStringLiteral(" - Alpha")));
        QVERIFY(window.workspace()->close());
        QVERIFY(window.isVisible());
        QCOMPARE(window.DivList->currentRow(), 0);

        harness.WriteLeague("a.div", "Zeta");
        window.UpdateFileTable();
        QCOMPARE(window.DivList->item(0)->text(), QStringLiteral("Zeta"));
        QCOMPARE(window.DivList->item(1)->text(), QStringLiteral("Alpha"));
        window.DivList->clearSelection();
        window.btnOpenClick();
        QCOMPARE(harness.lastPrompt(), QStringLiteral("You have not selected a table to open"));
        QVERIFY(!window.workspace()->isVisible());
        QVERIFY(window.isVisible());
        window.DivList->setCurrentRow(1);
        window.btnOpenClick();
        QVERIFY(window.workspace()->isVisible());
        QVERIFY(window.workspace()->windowTitle().endsWith(QStringLiteral(" - Alpha")));
        window.workspace()->close();
    }

    void aLeagueNamedOnTheCommandLineOpensAtOnce() {
        GuiHarness harness;
        harness.WriteLeague("a.div", "Alpha");
        const std::string cup = harness.WriteLeague("cup.div", "Cup");
        const StartupArguments startup = ReadStartupArguments({cup});
        harness.app.leagueFolder = startup.leagueFolder;
        TfrmMain window(harness.app);
        window.Start(startup);
        QVERIFY(window.workspace() && window.workspace()->isVisible());
        QVERIFY(window.workspace()->windowTitle().endsWith(QStringLiteral(" - Cup")));
        QVERIFY(window.workspace()->close());
        QVERIFY(window.isVisible()); // the main window lists the file's folder behind it
        QCOMPARE(window.DivList->count(), 2);

        GuiHarness missing;
        TfrmMain alone(missing.app);
        alone.Start(ReadStartupArguments({missing.app.leagueFolder + "none.div"}));
        QVERIFY(alone.isVisible());
        QCOMPARE(missing.lastPrompt(), QStringLiteral("File not found"));
    }

    void anEmptyFolderDisablesOpenAndACancelledFolderChoiceChangesNothing() {
        GuiHarness harness;
        const std::string before = harness.app.leagueFolder;
        TfrmMain window(harness.app);
        QCOMPARE(window.DivList->count(), 0);
        QVERIFY(!window.btnOpen->isEnabled());
        window.btnOpenClick();
        QVERIFY(harness.prompts.shown.empty());
        QVERIFY(!window.workspace());
        window.btnDirectClick();
        QCOMPARE(harness.app.leagueFolder, before);
    }

    void ignoredFilesAreReportedOncePerFolder() {
        GuiHarness harness;
        harness.WriteLeague("good.div", "Good");
        std::ofstream(harness.app.leagueFolder + "junk.div")
            << "not a league file, but long enough to have a header";
        TfrmMain window(harness.app);
        QCOMPARE(window.DivList->count(), 1);
        QCOMPARE(harness.prompts.shown.size(), std::size_t{1});
        QCOMPARE(harness.prompts.shown[0].kind, std::string("info"));
        window.UpdateFileTable();
        QCOMPARE(harness.prompts.shown.size(), std::size_t{1});

        // Choosing a folder (the same one again) reports it once more, and stores the folder.
        harness.chosenFolders << QString::fromStdString(harness.app.leagueFolder).chopped(1);
        window.btnDirectClick();
        QCOMPARE(harness.prompts.shown.size(), std::size_t{2});
        std::ifstream in(harness.app.settingsFile);
        const IniFile ini(std::string((std::istreambuf_iterator<char>(in)), {}));
        QCOMPARE(QString::fromStdString(*ini.value("Options", "FilePath")),
                 QString::fromStdString(harness.app.leagueFolder));
        QVERIFY(window.lbDirect->text().startsWith(QStringLiteral("Current Folder: ")));
        QVERIFY(!window.lbDirect->text().endsWith(QLatin1Char('/')));
    }

    void enterPressesTheFocusedButtonAndOpensEverywhereElse() {
        GuiHarness harness;
        harness.WriteLeague("a.div", "Alpha");
        TfrmMain window(harness.app);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // The focused button shows its mark and takes Enter itself.
        window.btnAbout->setFocus();
        const QImage focused = window.btnAbout->grab().toImage();
        window.btnSetup->setFocus();
        QVERIFY(window.btnAbout->grab().toImage() != focused);
        window.btnAbout->setFocus();
        QTest::keyClick(window.btnAbout, Qt::Key_Return);
        QWidget* about = QApplication::activeModalWidget();
        QVERIFY(dynamic_cast<TAboutBox*>(about));
        about->close();

        // With no button focused, as after a dialog has closed, Enter opens the league.
        window.btnAbout->clearFocus();
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(window.workspace() && window.workspace()->isVisible());
        QVERIFY(window.workspace()->close());
        window.DivList->setFocus();
        QTest::keyClick(window.DivList, Qt::Key_Enter);
        QVERIFY(window.workspace()->isVisible());
        QVERIFY(window.workspace()->close());
    }

    void aLongFolderIsShortenedInTheMiddle() {
        GuiHarness harness;
        std::filesystem::path folder = harness.folder.path();
        for (int depth = 0; depth < 12; ++depth)
            folder /= "a-rather-long-folder-name-" + std::to_string(depth);
        std::filesystem::create_directories(folder);
        harness.app.leagueFolder = folder.string() + "/";
        TfrmMain window(harness.app);
        window.show();
        const QString shown = window.lbDirect->text();
        QVERIFY(shown.startsWith(QStringLiteral("Current Folder: ") +
                                 QString::fromStdString(harness.folder.path().string()).left(4)));
        QVERIFY(shown.endsWith(QStringLiteral("name-11")));
        QVERIFY(shown.contains(QChar(0x2026)));
        QVERIFY(window.lbDirect->fontMetrics().horizontalAdvance(shown) <= window.lbDirect->width());
        QCOMPARE(window.lbDirect->toolTip(), QString::fromStdString(folder.string()));
    }

    void theAboutBoxRollsItsBallWhileShown() {
        GuiHarness harness;
        TAboutBox about(harness.help, nullptr);
        about.show();
        QVERIFY(about.timer()->isActive());
        QCOMPARE(about.timer()->interval(), 100);
        QCOMPARE(about.pictureNumber(), 1); // picture 0 is painted at once
        QSignalSpy ticks(about.timer(), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 6);
        QCOMPARE(about.pictureNumber(), (1 + ticks.count()) % 6); // through 0..5 and round again
        about.close();
        QVERIFY(!about.timer()->isActive());
    }

    void helpOpensAtTheMainWindowsContextOrTheContents() {
        GuiHarness harness;
        TfrmMain window(harness.app);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        window.btnHelpClick();
        QCOMPARE(harness.help.contexts, (std::vector<int>{200, 0}));
        window.close(); // the help window goes with the main window
        QCOMPARE(harness.help.closes, 1);
    }
};

} // namespace

VANTOREL_GUI_TEST(MainWindowTest);

} // namespace vantorel::testing

#include "MainWindowTest.moc"
