#include <fstream>

#include <QGroupBox>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/TfrmMain.h"
#include "app/TfrmNew.h"
#include "results/MatchDaysBox.h"
#include "store/LeagueFile.h"

namespace vantorel::testing {
namespace {

void AddNames(TfrmNew& wizard, const QStringList& names) {
    for (const QString& name : names) {
        wizard.Edit1->setText(name);
        QTest::keyClick(wizard.Edit1, Qt::Key_Return);
    }
}

class WizardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void walksToFinishWithTheChecksOnTheWay() {
        GuiHarness harness;
        TfrmNew wizard(harness.app, nullptr);
        wizard.show();
        QVERIFY(!wizard.btnBack->isEnabled());
        QVERIFY(!wizard.btnFinish->isEnabled());
        wizard.btnNextClick();
        QVERIFY(!wizard.btnBack->isEnabled());
        wizard.edtTeams->setValue(5);
        wizard.btnNextClick();
        QCOMPARE(harness.lastPrompt(), QStringLiteral("You must enter a name for this table"));
        wizard.TableName->setText(QStringLiteral("Sunday League"));
        wizard.btnNextClick();
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("5 more teams required"));
        QVERIFY(wizard.btnBack->isEnabled());
        // Back to the first step, whose team count the next Next takes again.
        wizard.btnBackClick();
        QVERIFY(!wizard.btnBack->isEnabled());
        wizard.edtTeams->setValue(4);
        wizard.btnNextClick();
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("4 more teams required"));

        AddNames(wizard, {QStringLiteral("Rovers"), QStringLiteral("albion"), QStringLiteral("City")});
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("One more team required"));
        wizard.btnNextClick();
        QCOMPARE(harness.lastPrompt(), QStringLiteral("You have not yet added all the team names"));
        AddNames(wizard, {QStringLiteral("City")});
        QVERIFY(!wizard.btnAdd->isEnabled());
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("All teams entered"));
        wizard.btnNextClick();
        QCOMPARE(harness.lastPrompt(), QStringLiteral("Duplicate team names entered, please correct"));
        wizard.TeamList->setCurrentRow(1);
        wizard.btnEditClick();
        QCOMPARE(wizard.Edit1->text(), QStringLiteral("City"));
        wizard.Edit1->setText(QStringLiteral("Dynamo"));
        wizard.btnAddClick();
        QCOMPARE(wizard.TeamList->item(3)->text(), QStringLiteral("Rovers"));
        wizard.btnNextClick();

        QCOMPARE(wizard.ChooseList->item(0)->text(), QStringLiteral("** None **"));
        wizard.ChooseList->setCurrentRow(4);
        wizard.spnUp->setValue(1);
        wizard.btnNextClick();
        QVERIFY(wizard.btnFinish->isEnabled());
        QVERIFY(!wizard.btnNext->isEnabled());

        // Cancelling the save dialog writes nothing and stays on the last step.
        wizard.btnFinishClick();
        QVERIFY(wizard.isVisible());
        QVERIFY(wizard.writtenFile().isEmpty());

        const QString file = QString::fromStdString(harness.app.leagueFolder) + QStringLiteral("sunday");
        harness.chosenFiles << file;
        wizard.btnFinishClick();
        QVERIFY(!wizard.isVisible());
        QCOMPARE(wizard.writtenFile(), file + QStringLiteral(".div"));
        Division league;
        QVERIFY(LoadDivision(wizard.writtenFile().toStdString(), league).ok());
        QCOMPARE(league.Header().ResultCount, std::int16_t{12});
        QCOMPARE(league.Header().OwnTeam, std::uint8_t{4});
        QCOMPARE(league.Header().PromoteCount, std::uint8_t{1});
        QCOMPARE(QString::fromStdString(std::string(league.Teams[1].Name.stored())),
                 QStringLiteral("albion"));

        TfrmMain main(harness.app);
        QCOMPARE(main.DivList->item(0)->text(), QStringLiteral("Sunday League"));
    }

    void laysTheFixturesOnMatchDaysWhenAsked() {
        GuiHarness harness;
        TfrmNew wizard(harness.app, nullptr);
        wizard.show();
        wizard.btnNextClick();
        wizard.TableName->setText(QStringLiteral("Five"));
        wizard.edtTeams->setValue(5);
        wizard.btnNextClick();
        AddNames(wizard, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                          QStringLiteral("E")});
        for (int step = 0; step < 3; ++step)
            wizard.btnNextClick();
        QVERIFY(!wizard.gbMatchDays->isChecked());
        wizard.gbMatchDays->setChecked(true);
        harness.pickedDates = {46010};
        wizard.gbMatchDays->btnFirstDate->click();
        wizard.gbMatchDays->edSkip->setText(QStringLiteral("31/02/2026"));
        wizard.btnFinishClick();
        QVERIFY(wizard.isVisible()); // a date that does not exist is refused before the save dialog
        wizard.gbMatchDays->edSkip->setText(QString::fromStdString(harness.app.dateFormat.Format(46017)));
        harness.chosenFiles << QString::fromStdString(harness.app.leagueFolder) + QStringLiteral("five.div");
        wizard.btnFinishClick();
        Division league;
        QVERIFY(LoadDivision(wizard.writtenFile().toStdString(), league).ok());
        // Twenty matches on ten match days a week apart, two a day (one team rests), the second day moved on
        // past the skipped date.
        QCOMPARE(league.Header().ResultCount, std::int16_t{20});
        QCOMPARE(league.Results[2].MatchDate, 46010.0);
        QCOMPARE(league.Results[3].MatchDate, 46024.0);
        QCOMPARE(league.Results[20].MatchDate, 46080.0);
    }

    // A league from a results file: the file's teams and meetings, every result entered on Finish.
    void aLeagueFromAResultsFileHoldsEveryResult() {
        GuiHarness harness;
        const std::string csv = harness.folder.file("Sunday League.csv");
        std::ofstream(csv, std::ios::binary) << "Date,Home,Away,HomeGoals,AwayGoals\n"
                                                "13/09/2025,Rovers,albion,2,1\n14/09/2025,City,Dynamo,0,0\n"
                                                "20/09/2025,albion,City,1,1\n";
        TfrmNew wizard(harness.app, nullptr);
        harness.chosenImportFiles = {QString::fromStdString(csv)};
        wizard.btnFromResults->click();
        QCOMPARE(wizard.TableName->text(), QStringLiteral("Sunday League"));
        QVERIFY(!wizard.edtTeams->isEnabled());
        QCOMPARE(wizard.edtTeams->value(), 4);
        wizard.btnNextClick();
        QCOMPARE(wizard.TeamList->item(0)->text(), QStringLiteral("albion"));
        QVERIFY(!wizard.btnAdd->isEnabled());
        wizard.btnNextClick();
        wizard.btnNextClick();
        const QString file = QString::fromStdString(harness.app.leagueFolder) + QStringLiteral("sunday.div");
        harness.chosenFiles << file;
        wizard.btnFinishClick();
        QCOMPARE(wizard.writtenFile(), file);
        Division league;
        QVERIFY(LoadDivision(file.toStdString(), league).ok());
        QCOMPARE(league.Header().ResultCount, std::int16_t{12}); // meeting twice: Rovers were at home
        int played = 0;
        for (int r = 1; r <= league.Header().ResultCount; ++r)
            played += league.Results[r].Played;
        QCOMPARE(played, 3);
        QCOMPARE(league.Teams[4].Points, std::int16_t{3}); // Rovers
    }
};

} // namespace

VANTOREL_GUI_TEST(WizardTest);

} // namespace vantorel::testing

#include "WizardTest.moc"
