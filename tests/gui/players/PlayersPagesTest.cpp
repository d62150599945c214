#include <QApplication>
#include <QTableView>

#include "GuiHarness.h"
#include "players/GoalScorers.h"
#include "players/GoalsTab.h"
#include "players/PlayerDialogs.h"
#include "players/Players.h"
#include "players/PlayersTab.h"
#include "players/TfrmAddPlayer.h"
#include "players/TfrmSquad.h"
#include "players/TfrmUpGoal.h"
#include "players/TfrmUpSquad.h"
#include "results/ResultEntry.h"
#include "results/TfrmResult.h"

namespace vantorel::testing {
namespace {

// Four teams; Team 01 has Ann and Bea, Team 02 Cal; Team 01 beat Team 02 3-1 (goals 1-3 and 4).
std::unique_ptr<Division> ThreeOneLeague() {
    auto league = MakeLeague(4, 2);
    for (auto [name, team] : {std::pair{"Bea", 1}, {"Ann", 1}, {"Cal", 2}})
        if (!SavePlayer(*league, 0, name, team))
            throw std::logic_error("player refused");
    if (!EnterResult(*league, {1, 2, 3, 1, 40000, 0}))
        throw std::logic_error("result refused");
    testing::MarkSaved(*league);
    return league;
}

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

class PlayersPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theGoalsTabIsReachedFromTheMaintenancePage() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.Save(*ThreeOneLeague(), "g.div"));
        window.ShowTab(MaintenanceTab::Goals);
        QCOMPARE(window.maintenancePage->goalsTab->panGoals->text(),
                 u"3 Goals Scored (3 are not yet assigned)"_s);
        QCOMPARE(window.helpContext(), 920);
        window.ShowTab(MaintenanceTab::Players);
        const PlayersTab& players = *window.maintenancePage->playersTab;
        QVERIFY(players.cbPlayersTeam->currentText() == u" [All Teams]"_s &&
                players.sgPlayers->rowCount() == 3);
    }

    void aGoalIsAssignedAndTurnedIntoAnOwnGoalFromTheGoalsTab() {
        GuiHarness harness(ThreeOneLeague());
        GoalsTab tab(harness.app, nullptr);
        tab.show();
        tab.Setup();
        QCOMPARE(Items(tab.cbGoalsTeam).first(), u"Team 01"_s);
        tab.sgGoals->setCurrentCell(1, 0);
        tab.btnUpdGoal->click();
        TfrmUpGoal& dialog = *tab.frmUpGoal;
        QVERIFY(dialog.isVisible());
        QCOMPARE(Texts(dialog.lbMatch, dialog.lbGoal),
                 (QStringList{u"Team 01 v Team 02"_s, u"Goal for Team 01"_s}));
        QCOMPARE(Items(dialog.cbScorer), (QStringList{u""_s, u"Ann"_s, u"Bea"_s}));
        dialog.cbScorer->setCurrentText(u"Bea"_s);
        dialog.edGoalTime->setValue(44);
        dialog.BitBtn1->click();
        QVERIFY(!dialog.isVisible() && harness.division->Players[1].Goals == 1); // Bea
        QCOMPARE(Texts(tab.sgGoals->item(1, 4), tab.sgGoals->item(1, 5), tab.panGoals),
                 (QStringList{u"Bea"_s, u"44"_s, u"3 Goals Scored (2 are not yet assigned)"_s}));

        // The same goal as an own goal: the list turns to the other side and Bea loses the goal.
        tab.btnUpdGoal->click();
        QCOMPARE(dialog.cbScorer->currentText(), u"Bea"_s);
        dialog.cbOwnGoal->click();
        QCOMPARE(Items(dialog.cbScorer), (QStringList{u""_s, u"Cal"_s}));
        dialog.cbScorer->setCurrentText(u"Cal"_s);
        dialog.BitBtn1->click();
        QCOMPARE(tab.sgGoals->item(1, 2)->text(), u"OG"_s); // the scorers' totals follow in the goal model

        // A new player of the other side is listed at once; the chosen scorer, gone since, stays selected.
        QVERIFY(SavePlayer(*harness.division, 3, "Cal", 5));
        tab.btnUpdGoal->click();
        dialog.btnAddPlayer->click();
        QCOMPARE(dialog.frmAddPlayer->cbTeam->currentText(), u"Team 02"_s);
        dialog.frmAddPlayer->edName->setText(u"Abe"_s);
        dialog.frmAddPlayer->BitBtn1->click();
        dialog.frmAddPlayer->BitBtn2->click();
        QVERIFY(Items(dialog.cbScorer) == (QStringList{u""_s, u"Abe"_s, u"Cal"_s}) &&
                dialog.cbScorer->currentText() == u"Cal"_s);
        dialog.BitBtn2->click();

        // Headings sort; a team without goals leaves nothing to update.
        tab.hcGoalsSectionClick(4);
        QCOMPARE(Column(tab.sgGoals, 4), (QStringList{u""_s, u""_s, u"Cal"_s}));
        tab.cbGoalsTeam->setCurrentIndex(2);
        tab.cbGoalsTeamChange();
        QCOMPARE(tab.sgGoals->rowCount(), 0);
        tab.btnUpdGoal->click();
        QCOMPARE(harness.prompts.beeps, 1);
    }

    // The goal dialog names the goal of its side it asks for (which goals entry asks for, and in what order,
    // is the results pages test).
    void theGoalDialogNamesTheGoalOfItsSide() {
        GuiHarness harness(ThreeOneLeague());
        TfrmUpGoal dialog(harness.app, nullptr);
        QCOMPARE(Unplaced(dialog), QStringList{});
        dialog.FormShow(2, 2);
        QCOMPARE(dialog.lbGoal->text(), u"Goal 2 for Team 01"_s);
    }

    void thePlayersTabAddsChangesAndDeletes() {
        GuiHarness harness(ThreeOneLeague());
        testing::Edit(*harness.division).Goal(1).Player = 3; // Cal has scored, so he cannot be deleted
        testing::Edit(*harness.division).Player(3).Goals = 1;
        PlayersTab tab(harness.app, nullptr);
        tab.show();
        tab.Setup();
        QCOMPARE(Items(tab.cbPlayersTeam), (QStringList{u" [All Teams]"_s, u"Team 01"_s, u"Team 02"_s,
                                                        u"Team 03"_s, u"Team 04"_s, u"Transferred-Out"_s}));
        QCOMPARE(Column(tab.sgPlayers, 0), (QStringList{u"Ann"_s, u"Bea"_s, u"Cal"_s}));

        tab.cbPlayersTeam->setCurrentIndex(3); // Team 03
        tab.btnPlAdd->click();
        TfrmAddPlayer& dialog = *tab.frmAddPlayer;
        QVERIFY(dialog.windowTitle() == u"Add New Players"_s && dialog.cbTeam->currentText() == u"Team 03"_s);
        for (const char* name : {"Dee", "ANN", "Eli"}) {
            dialog.edName->setText(QString::fromUtf8(name));
            dialog.BitBtn1->click();
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(harness.lastPrompt(), u"A player with the name \"ANN\" already exists"_s);
        dialog.BitBtn2->click();
        QCOMPARE(Column(tab.sgPlayers, 0), (QStringList{u"Dee"_s, u"Eli"_s}));

        tab.sgPlayers->setCurrentCell(0, 0);
        tab.btnPlChange->click();
        QCOMPARE(dialog.windowTitle(), u"Change Player Details"_s);
        dialog.edName->setText(u"DEE"_s);
        dialog.BitBtn1->click();
        QVERIFY(!dialog.isVisible() && Column(tab.sgPlayers, 0) == (QStringList{u"DEE"_s, u"Eli"_s}));

        tab.cbPlayersTeam->setCurrentIndex(0);
        tab.cbPlayersTeamChange();
        tab.hcPlayersSectionClick(2);
        QCOMPARE(Column(tab.sgPlayers, 0), (QStringList{u"Cal"_s, u"Ann"_s, u"Bea"_s, u"DEE"_s, u"Eli"_s}));
        tab.sgPlayers->setCurrentCell(0, 0);
        tab.btnPlDelete->click();
        QCOMPARE(harness.lastPrompt(), QString::fromUtf8(kPlayerInUseError));
        harness.prompts.answers = {Answer::No, Answer::Yes};
        tab.sgPlayers->setCurrentCell(1, 0);
        tab.btnPlDelete->click();
        QCOMPARE(harness.lastPrompt(), u"Are you sure you want to delete Ann of Team 01"_s);
        QCOMPARE(harness.division->Header().PlayerCount, std::int16_t{5});
        tab.btnPlDelete->click();
        QVERIFY(harness.division->Header().PlayerCount == 4 && tab.sgPlayers->rowCount() == 4); // Ann is gone
    }

    void aSquadFillsThenBeepsIsSavedOnOkAndLeftAsItWasOnCancel() {
        GuiHarness harness(SquadLeague());
        TfrmSquad dialog(harness.app, 1, nullptr);
        QCOMPARE(Unplaced(dialog), QStringList{});
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Squads for Team 01 vs Team 02 (06/07/2009)"_s);
        // The cards are drawn in the heading row.
        const QImage image = dialog.sgSquad->grab().toImage();
        const QPoint frame(dialog.sgSquad->frameWidth(), dialog.sgSquad->frameWidth());
        auto heading = [&](int column) {
            return image.pixelColor(
                dialog.sgSquad->visualRect(dialog.sgSquad->model()->index(0, column)).center() + frame);
        };
        QCOMPARE(std::pair(heading(5), heading(3)), std::pair(QColor(255, 0, 0), QColor(255, 255, 0)));
        AddAvailable(dialog, 15);
        QVERIFY(harness.prompts.beeps == 1 && dialog.lbPlayers->count() == 1);
        dialog.sgSquad->setCurrentCell(5, 0);
        dialog.btnRemove->click();
        QCOMPARE(Texts(dialog.sgSquad->item(11, 0), dialog.sgSquad->item(14, 0)),
                 (QStringList{u"P12"_s, u""_s}));

        // A second yellow card ticks the first and the red; the grid shows three cards on that line.
        dialog.sgSquad->setCurrentCell(2, 0);
        dialog.btnUpdate->click();
        TfrmUpSquad& line = *dialog.frmUpSquad;
        QVERIFY(line.isVisible());
        QCOMPARE(Texts(line.lbPlayer, line.lbGame),
                 (QStringList{u"P02"_s, u"Team 01 v Team 02 (06/07/2009)"_s}));
        line.cbYellow2->click();
        QVERIFY(line.cbYellow1->isChecked() && line.cbRed->isChecked());
        line.edTimeOff->setValue(61);
        line.BitBtn1->click();
        QCOMPARE(Texts(dialog.sgSquad->item(2, 2), dialog.sgSquad->item(2, 5)),
                 (QStringList{u"61"_s, u"Y"_s}));

        dialog.btnOK->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(std::tuple(harness.division->Header().SquadCount, harness.division->Results[1].HomeSquad,
                            harness.division->Results[1].AwaySquad),
                 std::tuple(1, 1, 0));
        QVERIFY(harness.division->Squads[1].Entries[1].Red);

        // With Team 02 the own team its side comes first; Cancel leaves the squads as they were.
        testing::Edit(*harness.division).Header().OwnTeam = 2;
        testing::MarkSaved(*harness.division);
        TfrmSquad away(harness.app, 1, nullptr);
        away.show();
        QCOMPARE(away.cbTeams->currentText(), u"Team 02"_s);
        AddAvailable(away, 1);
        away.sgSquad->setCurrentCell(3, 0);
        away.btnRemove->click(); // an empty line
        QCOMPARE(harness.prompts.beeps, 2);
        // The other side shows its own squad, and a player added from here joins that side's team.
        away.cbTeams->setCurrentIndex(0);
        QCOMPARE(away.sgSquad->item(1, 0)->text(), u"P01"_s);
        away.btnAddPlayer->click();
        QVERIFY(away.frmAddPlayer->isVisible() && away.frmAddPlayer->cbTeam->currentText() == u"Team 01"_s);
        away.frmAddPlayer->reject();
        away.btnCancel->click();
        QCOMPARE(std::tuple(harness.division->Header().SquadCount, harness.division->Results[1].AwaySquad),
                 std::tuple(1, 0));
        QVERIFY(!harness.division->DataChanged());
    }

    // The match report lists the scorers and opens the match's squads, as the installed player dialogs do.
    void theMatchReportListsScorersAndItAndTheInstalledDialogsOpenTheSquads() {
        GuiHarness harness(SquadLeague());
        TfrmResult dialog(harness.app, 1, nullptr);
        QCOMPARE(Unplaced(dialog), QStringList{});
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Result Details (06/07/2009)"_s);
        QCOMPARE(Texts(dialog.lbResult, dialog.lbHalfTime, dialog.lbAttend),
                 (QStringList{u"2 - 1"_s, u"HT: 1 - 1"_s, u"Att: 23456"_s}));
        QCOMPARE(dialog.scorerLines.size(), std::size_t{2});
        QCOMPARE(Texts(dialog.scorerLines[0], dialog.scorerLines[1]),
                 (QStringList{u"P01 23 Pen,67"_s, u"Q1 30"_s}));
        QVERIFY(dialog.scorerLines[1]->x() > dialog.lbAway->x() - 1);
        // The scorers are blue, and on a dark window a blue light enough to be read there.
        QCOMPARE(dialog.scorerLines[0]->palette().color(QPalette::WindowText), QColor(Qt::blue));
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(45, 45, 48));
        QApplication::setPalette(dark);
        const QPalette lines = TfrmResult(harness.app, 1, nullptr).scorerLines[0]->palette();
        QApplication::setPalette(light);
        QVERIFY(lines.color(QPalette::WindowText).lightness() - lines.color(QPalette::Window).lightness() >
                100);
        dialog.btnSquads->click();
        TfrmSquad& squads = Opened<TfrmSquad>(dialog);
        QVERIFY(squads.isVisible());
        squads.btnCancel->click();

        // The squads the results tab asks for (the results pages test) open in the squads dialog.
        InstallPlayerDialogs(harness.app);
        QWidget tab;
        harness.app.showSquads(&tab, 1);
        TfrmSquad& fromTab = Opened<TfrmSquad>(tab);
        QVERIFY(fromTab.isVisible() &&
                fromTab.windowTitle() == u"Squads for Team 01 vs Team 02 (06/07/2009)"_s);
        fromTab.btnCancel->click();
    }
};

} // namespace
VANTOREL_GUI_TEST(PlayersPagesTest);
} // namespace vantorel::testing

#include "PlayersPagesTest.moc"
