#include <QProgressBar>
#include <QRadioButton>

#include "GuiHarness.h"
#include "exchange/CsvHeadings.h"
#include "exchange/CsvImport.h"
#include "exchange/TfrmExport.h"
#include "exchange/TfrmImport.h"
#include "exchange/TfrmTeamNames.h"
#include "results/ResultEntry.h"

namespace vantorel::testing {
namespace {

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find("\r\n"));
}

QString WriteText(GuiHarness& harness, const std::string& name, const std::string& text) {
    const std::string path = harness.folder.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return QString::fromStdString(path);
}

// A league of four teams meeting twice with Team 01 2-1 Team 02 on 15 March 2023 and a dated fixture.
void PrepareLeague(GuiHarness& harness) {
    testing::Replace(*harness.division, MakeLeague(4, 2));
    QVERIFY(EnterResult(*harness.division, {1, 2, 2, 1, 45000, 0}));
    testing::Edit(*harness.division).Result(2).MatchDate = 45010;
}

class ExchangeDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachExportChoiceWritesItsSection_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("table") << 0 << 0 << "Pos,Team,P,W,D,L,F,A,W,D,L,F,A,GD,Pts";
        QTest::newRow("results") << 1 << 0 << kResultsHeading;
        QTest::newRow("fixtures") << 2 << 0 << kFixturesHeading;
        QTest::newRow("grid") << 3 << 0 << "Team,T.0,T.0,T.0,T.0";
        QTest::newRow("scorers") << 4 << 0 << kScorersHeading;
        QTest::newRow("players") << 5 << 0 << kPlayersHeading;
        QTest::newRow("squads") << 6 << 0 << kSquadsHeading;
        QTest::newRow("all") << 7 << 0 << "Test League";
        QTest::newRow("calendar") << 8 << 0 << "BEGIN:VCALENDAR";
        QTest::newRow("team summary") << 9 << 0 << "<!DOCTYPE html>";
        QTest::newRow("table as a web page") << 0 << 1 << "<!DOCTYPE html>";
        QTest::newRow("table as SVG") << 0 << 2 << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
        QTest::newRow("table as PNG") << 0 << 3 << QString::fromStdString("\x89PNG");
        // The format belongs to the table: another choice writes its own kind whatever the box says.
        QTest::newRow("results whatever the format") << 1 << 1 << kResultsHeading;
    }
    void eachExportChoiceWritesItsSection() {
        QFETCH(int, choice);
        QFETCH(int, format);
        QFETCH(QString, firstLine);
        GuiHarness harness;
        PrepareLeague(harness);
        Workspace workspace;
        workspace.RefreshTable(*harness.division);
        TfrmExport dialog(harness.app, workspace, nullptr);
        QCOMPARE(Unplaced(dialog), QStringList{});
        dialog.cbFormat->setCurrentIndex(format);
        dialog.RadioGroup1->button(choice)->click();
        QCOMPARE(
            std::tuple(dialog.cbFormat->isEnabled(), dialog.rbClip->isEnabled(), dialog.cbTeam->isEnabled()),
            std::tuple(choice == 0, choice != 0 || format != 3, choice >= 8));
        if (choice == 8) // every team, after the choice of all of them
            QVERIFY(dialog.cbTeam->currentText() == u"All Teams"_s && dialog.cbTeam->count() == 5);
        const std::string path = harness.folder.file("out.csv");
        harness.chosenExportFiles = {QString::fromStdString(path)};
        dialog.btnExport->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(FirstLine(FileText(path))), firstLine);
    }

    void theDateRangeDefaultsTheCalendarButtonsAFailedSaveAndTheClipboard() {
        GuiHarness harness(MakeLeague(4, 2));
        Workspace workspace;
        workspace.RefreshTable(*harness.division);
        {
            TfrmExport empty(harness.app, workspace, nullptr); // no dated result: today for both
            QCOMPARE(std::pair(empty.ExportFrom(), empty.ExportTo()), std::pair(46000.0, 46000.0));
            QCOMPARE(empty.edFromDate->text(), u"09/12/2025"_s);
        }
        PrepareLeague(harness);
        workspace.RefreshTable(*harness.division);
        TfrmExport dialog(harness.app, workspace, nullptr);
        QCOMPARE(std::pair(dialog.ExportFrom(), dialog.ExportTo()), std::pair(45000.0, 45010.0));
        harness.pickedDates = {45005};
        dialog.btnFromDate->click();
        dialog.btnToDate->click(); // cancelled: the date stays
        QCOMPARE(harness.calendarStarts, (std::vector<double>{45000, 45010}));
        QVERIFY(dialog.edFromDate->text() == u"20/03/2023"_s && dialog.ExportTo() == 45010);
        // A cancelled save dialog leaves the export dialog open with nothing written.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.btnExport->click();
        QVERIFY(dialog.isVisible() && harness.prompts.shown.empty());
        // A file that cannot be written is reported, and the dialog stays.
        harness.chosenExportFiles = {QString::fromStdString(harness.folder.file("no-such-folder/out.csv"))};
        dialog.btnExport->click();
        QVERIFY(dialog.isVisible() && harness.prompts.shown.size() == 1 &&
                harness.prompts.shown[0].kind == "error");
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(harness.help.contexts, std::vector<int>{1200});
        // The clipboard takes what fits, and the dialog is done.
        dialog.rbClip->click();
        dialog.RadioGroup1->button(1)->click();
        dialog.btnExport->click();
        QVERIFY(!dialog.isVisible() && harness.clipboard.value(0).startsWith(u"Date"_s));

        // What does not fit on the clipboard is warned of, and the dialog stays.
        GuiHarness large(MakeLargestLeague());
        workspace.RefreshTable(*large.division);
        TfrmExport full(large.app, workspace, nullptr);
        full.rbClip->click();
        full.RadioGroup1->button(7)->click();
        full.show();
        full.btnExport->click();
        QVERIFY(full.isVisible() && large.clipboard.value(0).size() < 256000);
        QCOMPARE(large.prompts.last(), std::string(kClipboardTruncatedWarning));
    }

    void importNeedsAReadableFileAndDatesReadOneWay() {
        GuiHarness harness;
        PrepareLeague(harness);
        harness.app.dateFormat = *DateFormat::FromPattern("d/M/yy"); // offered beside the usual formats
        TfrmImport dialog(harness.app, nullptr);
        QVERIFY(Unplaced(dialog).isEmpty() && dialog.cbDates->findText(u"d/M/yy"_s) > 0);
        dialog.btnImport->click();
        QCOMPARE(harness.prompts.beeps, 1);
        dialog.edFile->setText(QString::fromStdString(harness.folder.file("missing.csv")));
        dialog.btnImport->click();
        QCOMPARE(harness.prompts.last(), std::string(kImportFileUnreadable));
        harness.chosenImportFiles = {u"/chosen/file.csv"_s};
        dialog.btnBrowse->click();
        QCOMPARE(dialog.edFile->text(), u"/chosen/file.csv"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QCOMPARE(harness.help.contexts, std::vector<int>{1250});

        // Dates that could be read either way are refused with their readings, until a layout is chosen.
        dialog.edFile->setText(
            WriteText(harness, "two-ways.csv", "Date,Home,Away,HG,AG\n04/05/2023,Team 03,Team 04,1,0\n"));
        dialog.btnImport->click();
        QTRY_COMPARE(dialog.lbStatus->text(), u"Nothing was imported"_s);
        QVERIFY(harness.prompts.last().find("as dd/MM/yyyy or as MM/dd/yyyy") != std::string::npos);
        dialog.cbDates->setCurrentText(u"MM/dd/yyyy"_s);
        dialog.btnImport->click();
        QTRY_COMPARE(dialog.lbStatus->text(), u"Done"_s);
        QCOMPARE(dialog.edImported->text(), u"1"_s);
    }

    void eachImportChoiceCountsItsLines_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("counters"); // read, successful, errors
        QTest::newRow("results") << 0
                                 << u"Date,Home-Team,Away-Team,For,Against,Attendance\n"
                                    "01/04/2023,Team 03,Team 04,1,0,99\n"_s
                                 << u"2 1 1"_s;
        QTest::newRow("players") << 1 << u"\"Queen's Park Jo\",Team 01\nAnn,Nowhere\n"_s << u"2 1 1"_s;
        QTest::newRow("scorers before players")
            << 2 << u"Ann,Team 01,Team 01,Team 02,15/03/2023,5,0,0\n"_s << u"1 0 1"_s;
        QTest::newRow("squads") << 3 << u"15/03/2023,Team 01,Team 02,Team 01,1,Bo,0,90,0,0,0\n"_s
                                << u"1 1 0"_s;
        QTest::newRow("all") << 4
                             << u"Players\nPlayer Name,Team\nAnn,Team 01\nGoal Scorers\n"
                                "Ann,Team 01,Team 01,Team 02,15/03/2023,5,0,0\n"_s
                             << u"5 2 0"_s;
    }
    void eachImportChoiceCountsItsLines() {
        QFETCH(int, choice);
        QFETCH(QString, text);
        QFETCH(QString, counters);
        GuiHarness harness;
        PrepareLeague(harness);
        QVERIFY(AddPlayer(*harness.division, PlayerRecord{ShortString<20>("Bo"), 1, 0}));
        TfrmImport dialog(harness.app, nullptr);
        dialog.RadioGroup1->button(choice)->click();
        dialog.edFile->setText(WriteText(harness, "in.csv", text.toStdString()));
        dialog.btnImport->click();
        QTRY_COMPARE(dialog.lbStatus->text(), u"Done"_s);
        QCOMPARE(Texts(dialog.edRead, dialog.edImported, dialog.edErrors).join(u' '), counters);
        QVERIFY(dialog.pbStatus->value() == dialog.pbStatus->maximum() && dialog.btnImport->isEnabled());
    }

    void aLongImportKeepsTheWindowResponsive() {
        GuiHarness harness;
        PrepareLeague(harness);
        std::string text;
        for (int i = 0; i < 100000; ++i)
            text += "\"Player " + std::to_string(i % 400) + "\",Team 0" + std::to_string(1 + i % 4) + "\n";
        TfrmImport dialog(harness.app, nullptr);
        dialog.RadioGroup1->button(1)->click();
        dialog.edFile->setText(WriteText(harness, "long.csv", text));
        dialog.show();
        QSignalSpy progress(dialog.pbStatus, &QProgressBar::valueChanged);
        dialog.btnImport->click();
        QVERIFY(dialog.running() && !dialog.btnImport->isEnabled()); // the click returned before the end
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), 30000);
        QVERIFY(progress.count() > 1); // the bar moved while the lines were read
        QVERIFY(progress.first().first().toInt() < 100000);
        QCOMPARE(Texts(dialog.edRead, dialog.edImported, dialog.lbStatus),
                 (QStringList{u"100000"_s, u"400"_s, u"Done"_s}));
    }

    // A results file with named columns and a name of its own: nothing goes in until the name is mapped, and
    // the mapping is kept for the league, so the same file then imports at once.
    void unmatchedNamesAreMappedByHandAndRemembered() {
        GuiHarness harness;
        PrepareLeague(harness);
        const QString file = WriteText(harness, "e0.csv",
                                       "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,Referee\r\n"
                                       "E0,16/03/23,15:00,team 03,Fours,1,0,H,M Dean\r\n");
        auto importer = std::make_unique<TfrmImport>(harness.app, nullptr);
        importer->Prepare("mine.div");
        importer->edFile->setText(file);
        importer->btnImport->click();
        QTRY_VERIFY(importer->teamNames());
        QCOMPARE(importer->lbStatus->text(), u"Nothing was imported"_s);
        QCOMPARE(importer->teamNames()->cbTeams.size(), 1u); // "team 03" is Team 03 by its letter case
        QCOMPARE(Unplaced(*importer->teamNames()), QStringList{});
        importer->teamNames()->cbTeams[0]->setCurrentIndex(3);
        importer->teamNames()->btnOK->click();
        QTRY_COMPARE(importer->lbStatus->text(), u"Done"_s);
        QCOMPARE(importer->edImported->text(), u"1"_s);
        QCOMPARE(harness.division->FindFixture(3, 4), 0); // played

        // A fresh dialog finds the kept mapping; the fixture is played now, so the line is an error.
        importer = std::make_unique<TfrmImport>(harness.app, nullptr);
        importer->Prepare("mine.div");
        importer->edFile->setText(file);
        importer->btnImport->click();
        QTRY_COMPARE(importer->lbStatus->text(), u"Done"_s);
        QVERIFY(!importer->teamNames() && harness.prompts.shown.empty());
        QCOMPARE(importer->edErrors->text(), u"1"_s);
    }

    void theTablePageOpensBothDialogsAndRefreshesAfterAnImport() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.WriteLeague("plain.div", "Plain"), false);
        LeagueTablePage& page = *window.tablePage;
        page.btnExport->click();
        TfrmExport& exporter = Opened<TfrmExport>(page);
        exporter.btnCancel->click();
        QTRY_VERIFY(!exporter.isVisible());

        page.btnImport->click();
        TfrmImport& importer = Opened<TfrmImport>(page);
        importer.edFile->setText(WriteText(harness, "r.csv", "01/04/2023,Team 01,Team 02,3,0,99\n"));
        importer.btnImport->click();
        QTRY_COMPARE(importer.lbStatus->text(), u"Done"_s);
        QCOMPARE(page.DivTable->item(0, 1)->text(), u"Team 01"_s); // not refreshed yet
        importer.BitBtn2->click();
        QTRY_COMPARE(page.DivTable->item(0, 2)->text(), u"1"_s); // one game played
        QVERIFY(harness.division->DataChanged());
    }
};

} // namespace
VANTOREL_GUI_TEST(ExchangeDialogsTest);
} // namespace vantorel::testing

#include "ExchangeDialogsTest.moc"
