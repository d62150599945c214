#include <QImage>
#include <QTableView>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "players/GoalScorers.h"
#include "players/PlayerDialogs.h"
#include "players/Players.h"
#include "players/TfrmSquad.h"
#include "players/TfrmUpSquad.h"
#include "results/ResultEntry.h"
#include "results/ResultsTab.h"
#include "results/TfrmResult.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel::testing {
namespace {

// Team 01 (players "P01".."P15") beat Team 02 (player "Q1") 2-1 on fixture 1: P01 scored at 67 and from the
// spot at 23, Q1 at 30.
std::unique_ptr<Division> SquadLeague() {
    auto league = MakeLeague(4, 2);
    for (int p = 1; p <= 15; ++p)
        (void)SavePlayer(*league, 0, (p < 10 ? "P0" : "P") + std::to_string(p), 1);
    (void)SavePlayer(*league, 0, "Q1", 2);
    (void)EnterResult(*league, {1, 2, 2, 1, 40000, 23456});
    (void)SetGoalDetails(*league, 1, {1, 67, false, false});
    (void)SetGoalDetails(*league, 2, {1, 23, false, true});
    (void)SetGoalDetails(*league, 3, {16, 30, false, false});
    testing::MarkSaved(*league);
    return league;
}

void AddAvailable(TfrmSquad& dialog, int count) {
    for (int k = 0; k < count; ++k) {
        dialog.lbPlayers->setCurrentRow(0);
        dialog.btnAdd->click();
    }
}

class SquadDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fillsASquadThenBeepsAndSavesOnlyOnOk() {
        GuiHarness harness;
        testing::Replace(*harness.division, SquadLeague());
        TfrmSquad dialog(harness.app, 1, nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Squads for Team 01 vs Team 02 (06/07/2009)"));
        AddAvailable(dialog, 15);
        QCOMPARE(harness.prompts.beeps, 1);
        QCOMPARE(dialog.lbPlayers->count(), 1);
        QCOMPARE(dialog.sgSquad->item(11, 2)->text(), QStringLiteral("90"));
        QCOMPARE(dialog.sgSquad->item(12, 2)->text(), QStringLiteral("0"));

        dialog.sgSquad->setCurrentCell(5, 0);
        dialog.btnRemove->click();
        QCOMPARE(dialog.sgSquad->item(11, 0)->text(), QStringLiteral("P12"));
        QCOMPARE(dialog.sgSquad->item(14, 0)->text(), QString());

        // A second yellow card ticks the first and the red; the grid shows three cards on that line.
        dialog.sgSquad->setCurrentCell(2, 0);
        dialog.btnUpdate->click();
        TfrmUpSquad& line = *dialog.frmUpSquad;
        QVERIFY(line.isVisible());
        QCOMPARE(line.lbPlayer->text(), QStringLiteral("P02"));
        QCOMPARE(line.lbGame->text(), QStringLiteral("Team 01 v Team 02 (06/07/2009)"));
        line.cbYellow2->click();
        QVERIFY(line.cbYellow1->isChecked() && line.cbRed->isChecked());
        line.edTimeOff->setValue(61);
        line.BitBtn1->click();
        QCOMPARE(dialog.sgSquad->item(2, 2)->text(), QStringLiteral("61"));
        QCOMPARE(dialog.sgSquad->item(2, 5)->text(), QStringLiteral("Y"));

        QCOMPARE(harness.division->Header().SquadCount, std::int16_t{0});
        dialog.btnOK->click();
        QCOMPARE(harness.division->Header().SquadCount, std::int16_t{1});
        QCOMPARE(harness.division->Results[1].HomeSquad, std::uint16_t{1});
        QCOMPARE(harness.division->Results[1].AwaySquad, std::uint16_t{0});
        QVERIFY(harness.division->Squads[1].Entries[1].Red);
    }

    void cancelLeavesTheSquadsAloneAndTheOwnTeamsSideComesFirst() {
        GuiHarness harness;
        testing::Replace(*harness.division, SquadLeague());
        testing::Edit(*harness.division).Header().OwnTeam = 2;
        testing::MarkSaved(*harness.division);
        TfrmSquad dialog(harness.app, 1, nullptr);
        dialog.show();
        QCOMPARE(dialog.cbTeams->currentText(), QStringLiteral("Team 02"));
        AddAvailable(dialog, 1);
        dialog.sgSquad->setCurrentCell(3, 0);
        dialog.btnRemove->click(); // an empty line
        QCOMPARE(harness.prompts.beeps, 1);
        dialog.btnCancel->click();
        QCOMPARE(harness.division->Header().SquadCount, std::int16_t{0});
        QCOMPARE(harness.division->Results[1].AwaySquad, std::uint16_t{0});
        QVERIFY(!harness.division->DataChanged());
    }

    void theCardsAreDrawnInTheHeadingRow() {
        GuiHarness harness;
        testing::Replace(*harness.division, SquadLeague());
        TfrmSquad dialog(harness.app, 1, nullptr);
        dialog.show();
        QImage image(dialog.sgSquad->size(), QImage::Format_RGB32);
        dialog.sgSquad->render(&image);
        const QRect red = dialog.sgSquad->visualRect(dialog.sgSquad->model()->index(0, 5));
        const QRect yellow = dialog.sgSquad->visualRect(dialog.sgSquad->model()->index(0, 3));
        const QPoint frame(dialog.sgSquad->frameWidth(), dialog.sgSquad->frameWidth());
        QCOMPARE(image.pixelColor(red.center() + frame), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(yellow.center() + frame), QColor(255, 255, 0));
    }

    void theResultsTabsSquadsButtonOpensTheSquadDialog() {
        GuiHarness harness;
        testing::Replace(*harness.division, SquadLeague());
        InstallPlayerDialogs(harness.app);
        Workspace workspace;
        ResultsTab tab(harness.app, workspace, nullptr);
        tab.show();
        tab.Setup();
        tab.sgResults->setCurrentIndex(tab.sgResults->model()->index(0, 0));
        tab.btnSquad->click();
        auto* squads = tab.findChild<TfrmSquad*>();
        QVERIFY(squads && squads->isVisible());
        QCOMPARE(squads->windowTitle(), QStringLiteral("Squads for Team 01 vs Team 02 (06/07/2009)"));
        squads->btnCancel->click();
    }

    void theMatchReportListsScorersAndOpensTheSquads() {
        GuiHarness harness;
        testing::Replace(*harness.division, SquadLeague());
        TfrmResult dialog(harness.app, 1, nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Result Details (06/07/2009)"));
        QCOMPARE(dialog.lbResult->text(), QStringLiteral("2 - 1"));
        QCOMPARE(dialog.lbHalfTime->text(), QStringLiteral("HT: 1 - 1"));
        QCOMPARE(dialog.lbAttend->text(), QStringLiteral("Att: 23456"));
        QCOMPARE(dialog.scorerLines.size(), std::size_t{2});
        QCOMPARE(dialog.scorerLines[0]->text(), QStringLiteral("P01 23 Pen,67"));
        QCOMPARE(dialog.scorerLines[1]->text(), QStringLiteral("Q1 30"));
        QVERIFY(dialog.scorerLines[1]->x() > dialog.lbAway->x() - 1);
        dialog.btnSquads->click();
        auto* squads = dialog.findChild<TfrmSquad*>();
        QVERIFY(squads && squads->isVisible());
        squads->btnCancel->click();
    }
};

} // namespace

VANTOREL_GUI_TEST(SquadDialogTest);

} // namespace vantorel::testing

#include "SquadDialogTest.moc"
