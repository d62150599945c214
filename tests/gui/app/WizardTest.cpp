#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/TfrmMain.h"
#include "app/TfrmNew.h"
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
        wizard.edtTeams->setValue(4);
        wizard.btnNextClick();
        QCOMPARE(QString::fromStdString(harness.prompts.last()),
                 QStringLiteral("You must enter a name for this table"));
        wizard.TableName->setText(QStringLiteral("Sunday League"));
        wizard.btnNextClick();
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("4 more teams required"));
        QVERIFY(wizard.btnBack->isEnabled());

        AddNames(wizard, {QStringLiteral("Rovers"), QStringLiteral("albion"), QStringLiteral("City")});
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("One more team required"));
        wizard.btnNextClick();
        QCOMPARE(QString::fromStdString(harness.prompts.last()),
                 QStringLiteral("You have not yet added all the team names"));
        AddNames(wizard, {QStringLiteral("City")});
        QVERIFY(!wizard.btnAdd->isEnabled());
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("All teams entered"));
        wizard.btnNextClick();
        QCOMPARE(QString::fromStdString(harness.prompts.last()),
                 QStringLiteral("Duplicate team names entered, please correct"));
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

    void aLoweredTeamCountShowsANegativeRemainder() {
        GuiHarness harness;
        TfrmNew wizard(harness.app, nullptr);
        wizard.btnNextClick();
        wizard.TableName->setText(QStringLiteral("L"));
        wizard.edtTeams->setValue(8);
        wizard.btnNextClick();
        AddNames(wizard, QStringLiteral("A B C D E F G H").split(u' '));
        wizard.btnBackClick();
        QVERIFY(!wizard.btnBack->isEnabled());
        wizard.edtTeams->setValue(6);
        wizard.btnNextClick();
        QCOMPARE(wizard.panRemain->text(), QStringLiteral("-2 more teams required"));
        wizard.btnNextClick();
        QCOMPARE(QString::fromStdString(harness.prompts.last()),
                 QStringLiteral("You have not yet added all the team names"));
    }
};

} // namespace

VANTOREL_GUI_TEST(WizardTest);

} // namespace vantorel::testing

#include "WizardTest.moc"
