#include <algorithm>
#include <ranges>

#include <QGroupBox>

#include "GuiHarness.h"
#include "app/TAboutBox.h"
#include "app/TfrmMain.h"
#include "app/TfrmNew.h"
#include "app/TfrmSetup.h"
#include "exchange/CsvImport.h"
#include "results/MatchDaysBox.h"
#include "store/IniFile.h"

namespace vantorel::testing {
namespace {

// Picks an element and a colour as the user would.
void PickColour(TfrmSetup& dialog, int element, int position) {
    dialog.RadioGroup1->button(element)->click();
    dialog.ColourBox->setCurrentIndex(position);
    Q_EMIT dialog.ColourBox->activated(position);
}

// The title of the workspace the main window has opened and shows; empty when none is shown.
QString ShownTitle(const TfrmMain& window) {
    const TfrmProcess* workspace = window.workspace();
    return workspace && workspace->isVisible() ? workspace->windowTitle() : QString();
}

void AddNames(TfrmNew& wizard, const QStringList& names) {
    for (const QString& name : names) {
        wizard.Edit1->setText(name);
        QTest::keyClick(wizard.Edit1, Qt::Key_Return);
    }
}

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensTheOnlyLeagueAtOnceAndOfSeveralTheOneSelectedInFileNameOrder() {
        GuiHarness harness;
        harness.WriteLeague("b.div", "Alpha");
        TfrmMain window(harness.app);
        QCOMPARE(Unplaced(window), QStringList{});
        QVERIFY(window.DivList->count() == 1 && window.btnOpen->isEnabled());
        window.DivList->clearSelection();
        window.btnOpenClick();
        QVERIFY(ShownTitle(window).endsWith(u" - Alpha"_s) && !window.isVisible());
        QVERIFY(window.workspace()->close() && window.isVisible());
        QCOMPARE(window.DivList->currentRow(), 0);

        harness.WriteLeague("a.div", "Zeta");
        window.UpdateFileTable();
        QCOMPARE(Items(window.DivList), (QStringList{u"Zeta"_s, u"Alpha"_s}));
        window.DivList->clearSelection();
        window.btnOpenClick();
        QCOMPARE(harness.lastPrompt(), u"You have not selected a table to open"_s);
        QVERIFY(ShownTitle(window).isEmpty() && window.isVisible());
        window.DivList->setCurrentRow(1);
        window.btnOpenClick();
        QVERIFY(ShownTitle(window).endsWith(u" - Alpha"_s));
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
        QVERIFY(ShownTitle(window).endsWith(u" - Cup"_s));
        QVERIFY(window.workspace()->close() && window.isVisible()); // with the file's folder listed behind it
        QCOMPARE(window.DivList->count(), 2);
    }

    void anEmptyFolderACancelledFolderChoiceAndAMissingLeagueOpenNothing() {
        GuiHarness harness;
        const std::string before = harness.app.leagueFolder;
        TfrmMain window(harness.app);
        QVERIFY(window.DivList->count() == 0 && !window.btnOpen->isEnabled());
        window.btnDirectClick();
        QCOMPARE(harness.app.leagueFolder, before);
        // A league named on the command line that is not there leaves the main window to open one.
        window.Start(ReadStartupArguments({harness.app.leagueFolder + "none.div"}));
        QVERIFY(window.isVisible());
        QCOMPARE(harness.lastPrompt(), u"File not found"_s);
    }

    void ignoredFilesAreReportedOncePerFolder() {
        GuiHarness harness;
        harness.WriteLeague("good.div", "Good");
        std::ofstream(harness.app.leagueFolder + "junk.div")
            << "not a league file, but long enough to have a header";
        TfrmMain window(harness.app);
        QVERIFY(window.DivList->count() == 1 && harness.prompts.shown.size() == 1 &&
                harness.prompts.shown[0].kind == "info");
        window.UpdateFileTable();
        QCOMPARE(harness.prompts.shown.size(), std::size_t{1});

        // Choosing a folder (the same one again) reports it once more, and stores the folder.
        harness.chosenFolders << QString::fromStdString(harness.app.leagueFolder).chopped(1);
        window.btnDirectClick();
        QCOMPARE(harness.prompts.shown.size(), std::size_t{2});
        QCOMPARE(*ReadIniFile(harness.app.settingsFile).value("Options", "FilePath"),
                 harness.app.leagueFolder);
    }

    void enterPressesTheFocusedButtonAndOpensEverywhereElseAndF1OpensTheHelp() {
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
        QVERIFY(!ShownTitle(window).isEmpty() && window.workspace()->close());
        window.DivList->setFocus();
        QTest::keyClick(window.DivList, Qt::Key_Enter);
        QVERIFY(!ShownTitle(window).isEmpty() && window.workspace()->close());

        // F1 opens the help at the main window's context, the Help button at its contents.
        QTest::keyClick(&window, Qt::Key_F1);
        window.btnHelpClick();
        QCOMPARE(harness.help.contexts, (std::vector<int>{200, 0}));
        window.btnNew->click();
        Opened<TfrmNew>(window).close();
        window.btnSetup->click();
        Opened<TfrmSetup>(window).close();
        window.close(); // the help window goes with the main window
        QCOMPARE(harness.help.closes, 1);
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
        QVERIFY(shown.startsWith(u"Current Folder: "_s +
                                 QString::fromStdString(harness.folder.path().string()).left(4)));
        QVERIFY(shown.endsWith(u"name-11"_s) && shown.contains(QChar(0x2026)));
        QVERIFY(window.lbDirect->fontMetrics().horizontalAdvance(shown) <= window.lbDirect->width());
        QCOMPARE(window.lbDirect->toolTip(), QString::fromStdString(folder.string()));
    }

    void theAboutBoxRollsItsBallWhileShown() {
        GuiHarness harness;
        TAboutBox about(harness.help, nullptr);
        QCOMPARE(Unplaced(about), QStringList{});
        about.show();
        QCOMPARE(std::pair(about.timer()->isActive(), about.timer()->interval()), std::pair(true, 100));
        QCOMPARE(about.pictureNumber(), 1); // picture 0 is painted at once
        QSignalSpy ticks(about.timer(), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 6);
        QCOMPARE(about.pictureNumber(), (1 + ticks.count()) % 6); // through 0..5 and round again
        about.close();
        QVERIFY(!about.timer()->isActive());
    }

    // A refused choice is said and leaves the dialog open, the settings and their file as they were.
    void theSetupDialogRefusesAFormValueOutOfRange() {
        GuiHarness harness;
        TfrmSetup dialog(harness.app, nullptr);
        QCOMPARE(Unplaced(dialog), QStringList{});
        dialog.show();
        dialog.udForm->setFocus();
        dialog.udForm->selectAll();
        QTest::keyClicks(dialog.udForm, u"1"_s);
        QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
        QCOMPARE(harness.lastPrompt(),
                 u"The number of games to include in the current form must be from 2 to 30"_s);
        QVERIFY(dialog.isVisible() && harness.app.settings.FormGames == 10);
        dialog.udForm->setValue(30);
        dialog.udForm->stepBy(1); // the arrows stay within the range
        QCOMPARE(dialog.udForm->value(), 30);
        QVERIFY(!std::filesystem::exists(harness.app.settingsFile));
    }

    // A colour outside the list (Colour2 here) leaves the list's selection and its own value as they were.
    void theSetupDialogWritesTheSettingsFileOnOk() {
        GuiHarness harness;
        harness.app.settings.Colour2 = 0x123456;
        TfrmSetup dialog(harness.app, nullptr);
        dialog.show();
        QCOMPARE(dialog.ColourBox->currentIndex(), 9); // yellow promoted teams
        dialog.RadioGroup1->button(1)->click();
        QCOMPARE(dialog.ColourBox->currentIndex(), 9);
        PickColour(dialog, 3, 10); // a blue own team
        dialog.cbShowPoss->setChecked(true);
        dialog.udForm->setValue(6);
        dialog.btnApplyClick();
        QVERIFY(harness.prompts.shown.empty() && !dialog.isVisible());
        const Settings& chosen = harness.app.settings;
        QCOMPARE(
            std::tuple(chosen.Colour2, chosen.Colour4, chosen.ShowPoss, chosen.ShortTab, chosen.FormGames),
            std::tuple(Colour{0x123456}, Colour{0xFF0000}, true, false, 6));
        // The settings are written on OK; which keys and how is the settings file's own test.
        QCOMPARE(*ReadIniFile(harness.app.settingsFile).value("Colours", "Colour4"), "16711680"s);
    }

    void theNewLeagueWizardWalksToFinishWithTheChecksOnTheWay() {
        GuiHarness harness;
        TfrmNew wizard(harness.app, nullptr);
        QCOMPARE(Unplaced(wizard), QStringList{});
        wizard.show();
        QVERIFY(!wizard.btnBack->isEnabled() && !wizard.btnFinish->isEnabled());
        wizard.btnNextClick();
        wizard.edtTeams->setValue(5);
        wizard.btnNextClick();
        QCOMPARE(harness.lastPrompt(), u"You must enter a name for this table"_s);
        wizard.TableName->setText(u"Sunday League"_s);
        wizard.btnNextClick();
        QCOMPARE(wizard.panRemain->text(), u"5 more teams required"_s);
        QVERIFY(wizard.btnBack->isEnabled());
        // Back to the first step, whose team count the next Next takes again.
        wizard.btnBackClick();
        QVERIFY(!wizard.btnBack->isEnabled());
        wizard.edtTeams->setValue(4);
        wizard.btnNextClick();
        QCOMPARE(wizard.panRemain->text(), u"4 more teams required"_s);

        AddNames(wizard, {u"Rovers"_s, u"albion"_s, u"City"_s});
        QCOMPARE(wizard.panRemain->text(), u"One more team required"_s);
        AddNames(wizard, {u"City"_s});
        QVERIFY(!wizard.btnAdd->isEnabled());
        wizard.TeamList->setCurrentRow(1); // the second City
        wizard.btnEditClick();
        QCOMPARE(wizard.Edit1->text(), u"City"_s);
        wizard.Edit1->setText(u"Dynamo"_s);
        wizard.btnAddClick();
        QCOMPARE(wizard.TeamList->item(3)->text(), u"Rovers"_s);
        wizard.btnNextClick();

        wizard.ChooseList->setCurrentRow(4); // Rovers, after "** None **" and the three others
        wizard.spnUp->setValue(1);
        wizard.btnNextClick();
        QVERIFY(wizard.btnFinish->isEnabled() && !wizard.btnNext->isEnabled());

        // Cancelling the save dialog writes nothing and stays on the last step.
        wizard.btnFinishClick();
        QVERIFY(wizard.isVisible() && wizard.writtenFile().isEmpty());

        // Match days when asked; a skipped date that does not exist is refused before the save dialog.
        QVERIFY(!wizard.gbMatchDays->isChecked());
        wizard.gbMatchDays->setChecked(true);
        harness.pickedDates = {46010};
        wizard.gbMatchDays->btnFirstDate->click();
        wizard.gbMatchDays->edSkip->setText(u"31/02/2026"_s);
        const QString file = QString::fromStdString(harness.app.leagueFolder) + u"sunday"_s;
        harness.chosenFiles << file;
        wizard.btnFinishClick();
        QVERIFY(wizard.isVisible() && harness.chosenFiles.size() == 1);
        wizard.gbMatchDays->edSkip->setText(QString::fromStdString(harness.app.dateFormat.Format(46017)));
        wizard.btnFinishClick();
        QVERIFY(!wizard.isVisible() && wizard.writtenFile() == file + u".div"_s);
        Division league;
        QVERIFY(LoadDivision(wizard.writtenFile().toStdString(), league).ok());
        QCOMPARE(std::tuple(std::string(league.Header().TableName.stored()), league.Header().ResultCount,
                            league.Header().OwnTeam, league.Header().PromoteCount),
                 std::tuple("Sunday League"s, 12, 4, 1));
        QCOMPARE(std::string(league.Teams[1].Name.stored()), "albion"s);
        // Six weekly match days of two matches, the second moved past the skipped date.
        QCOMPARE(std::tuple(league.Results[2].MatchDate, league.Results[3].MatchDate,
                            league.Results[12].MatchDate),
                 std::tuple(46010.0, 46024.0, 46052.0));
    }

    // A league from a results file: the file's teams and meetings, every result entered on Finish.
    void aLeagueFromAResultsFileHoldsEveryResult() {
        GuiHarness harness;
        const std::string csv = harness.folder.file("Sunday League.csv");
        std::ofstream(csv, std::ios::binary) << "Date,Home,Away,HomeGoals,AwayGoals\n"
                                                "13/09/2025,Rovers,albion,2,1\n14/09/2025,City,Dynamo,0,0\n"
                                                "20/09/2025,albion,City,1,1\n";
        TfrmNew wizard(harness.app, nullptr);
        // A file that cannot be read, or holds no results, is said and leaves the wizard as it was.
        const std::string notes = harness.folder.file("notes.csv");
        std::ofstream(notes, std::ios::binary) << "shopping list\n";
        harness.chosenImportFiles = {QString::fromStdString(csv + ".gone"), QString::fromStdString(notes),
                                     QString::fromStdString(csv)};
        wizard.btnFromResults->click();
        QCOMPARE(harness.lastPrompt(), QString::fromUtf8(kImportFileUnreadable));
        wizard.btnFromResults->click();
        QVERIFY(harness.prompts.shown.size() == 2 && wizard.TableName->text().isEmpty());
        wizard.btnFromResults->click();
        QCOMPARE(wizard.TableName->text(), u"Sunday League"_s);
        QVERIFY(!wizard.edtTeams->isEnabled() && wizard.edtTeams->value() == 4);
        wizard.btnNextClick();
        QVERIFY(wizard.TeamList->item(0)->text() == u"albion"_s && !wizard.btnAdd->isEnabled());
        wizard.btnNextClick();
        wizard.btnNextClick();
        const QString file = QString::fromStdString(harness.app.leagueFolder) + u"sunday.div"_s;
        harness.chosenFiles << file;
        wizard.btnFinishClick();
        QCOMPARE(wizard.writtenFile(), file);
        Division league;
        QVERIFY(LoadDivision(file.toStdString(), league).ok());
        // Meeting twice (Rovers were at home): three of the twelve fixtures played, Rovers on three points.
        const auto played =
            std::ranges::count_if(std::views::iota(1, 13), [&](int r) { return league.Results[r].Played; });
        QCOMPARE(std::tuple(league.Header().ResultCount, played, league.Teams[4].Points),
                 std::tuple(12, 3, 3));
    }
};

} // namespace
VANTOREL_GUI_TEST(MainWindowTest);
} // namespace vantorel::testing

#include "MainWindowTest.moc"
