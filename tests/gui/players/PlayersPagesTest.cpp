
#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/MaintenancePage.h"
#include "players/GoalsTab.h"
#include "players/Players.h"
#include "players/PlayersTab.h"
#include "players/TfrmAddPlayer.h"
#include "players/TfrmUpGoal.h"
#include "results/EnterResultsPage.h"
#include "results/ResultEntry.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel::testing {
namespace {

using namespace Qt::StringLiterals;

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

class PlayersPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theGoalsTabIsReachedFromTheMaintenancePage() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.Save(*ThreeOneLeague(), "g.div"));
        window.ShowTab(MaintenanceTab::Goals);
        GoalsTab& tab = *window.maintenancePage->goalsTab;
        QCOMPARE(tab.panGoals->text(), QStringLiteral("3 Goals Scored (3 are not yet assigned)"));
        QCOMPARE(window.helpContext(), 920);
        window.ShowTab(MaintenanceTab::Players);
        QCOMPARE(window.maintenancePage->playersTab->cbPlayersTeam->currentText(),
                 QStringLiteral(" [All Teams]"));
        QCOMPARE(window.maintenancePage->playersTab->sgPlayers->rowCount(), 3);
    }

    void aGoalIsAssignedAndTurnedIntoAnOwnGoalFromTheGoalsTab() {
        GuiHarness harness;
        testing::Replace(*harness.division, ThreeOneLeague());
        GoalsTab tab(harness.app, nullptr);
        tab.show();
        tab.Setup();
        QCOMPARE(Items(tab.cbGoalsTeam).first(), QStringLiteral("Team 01"));
        tab.sgGoals->setCurrentCell(1, 0);
        tab.btnUpdGoal->click();
        TfrmUpGoal& dialog = *tab.frmUpGoal;
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.lbMatch->text(), QStringLiteral("Team 01 v Team 02"));
        QCOMPARE(dialog.lbGoal->text(), QStringLiteral("Goal for Team 01"));
        QCOMPARE(Items(dialog.cbScorer), (QStringList{u""_s, u"Ann"_s, u"Bea"_s}));
        dialog.cbScorer->setCurrentText(QStringLiteral("Bea"));
        dialog.edGoalTime->setValue(44);
        dialog.BitBtn1->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(harness.division->Players[1].Goals, std::uint8_t{1}); // Bea
        QCOMPARE(tab.sgGoals->item(1, 4)->text(), QStringLiteral("Bea"));
        QCOMPARE(tab.sgGoals->item(1, 5)->text(), QStringLiteral("44"));
        QCOMPARE(tab.panGoals->text(), QStringLiteral("3 Goals Scored (2 are not yet assigned)"));

        // The same goal as an own goal: the list turns to the other side and Bea loses the goal.
        tab.btnUpdGoal->click();
        QCOMPARE(dialog.cbScorer->currentText(), QStringLiteral("Bea"));
        dialog.cbOwnGoal->click();
        QCOMPARE(Items(dialog.cbScorer), (QStringList{u""_s, u"Cal"_s}));
        dialog.cbScorer->setCurrentText(QStringLiteral("Cal"));
        dialog.BitBtn1->click();
        QCOMPARE(harness.division->Players[1].Goals, std::uint8_t{0});
        QCOMPARE(harness.division->Players[3].Goals, std::uint8_t{0});
        QCOMPARE(tab.sgGoals->item(1, 2)->text(), QStringLiteral("OG"));

        // A new player of the other side is listed at once, the chosen scorer still listed and selected
        // though he has left the division since.
        QVERIFY(SavePlayer(*harness.division, 3, "Cal", 5));
        tab.btnUpdGoal->click();
        dialog.btnAddPlayer->click();
        QCOMPARE(dialog.frmAddPlayer->cbTeam->currentText(), QStringLiteral("Team 02"));
        dialog.frmAddPlayer->edName->setText(QStringLiteral("Abe"));
        dialog.frmAddPlayer->BitBtn1->click();
        dialog.frmAddPlayer->BitBtn2->click();
        QCOMPARE(Items(dialog.cbScorer), (QStringList{u""_s, u"Abe"_s, u"Cal"_s}));
        QCOMPARE(dialog.cbScorer->currentText(), QStringLiteral("Cal"));
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

    void enteringAResultAsksForEveryGoalInTurn() {
        GuiHarness harness;
        testing::Replace(*harness.division, ThreeOneLeague());
        testing::Edit(*harness.division).Header().TrackGoals = true;
        QWidget page;
        page.show();
        // The goal dialog as the program opens it for each goal, answered at once: Ann scores the first, the
        // others are cancelled and stay unassigned.
        QStringList asked;
        harness.app.askGoalDetails = [&](QWidget* parent, int goal, int goalNumber) {
            TfrmUpGoal dialog(harness.app, parent);
            dialog.FormShow(goal, goalNumber);
            dialog.show();
            asked << dialog.lbGoal->text();
            if (asked.size() == 1)
                dialog.cbScorer->setCurrentText(QStringLiteral("Ann"));
            (asked.size() == 1 ? dialog.BitBtn1 : dialog.BitBtn2)->click();
        };
        AskGoalDetails(harness.app, &page, {1, 2, 3, 4});
        QCOMPARE(asked, (QStringList{u"Goal 1 for Team 01"_s, u"Goal 2 for Team 01"_s,
                                     u"Goal 3 for Team 01"_s, u"Goal 1 for Team 02"_s}));
        QCOMPARE(harness.division->Goals[1].Player, std::uint16_t{2});
        QCOMPARE(harness.division->Players[2].Goals, std::uint8_t{1});
        QCOMPARE(harness.division->Goals[2].Player, std::uint16_t{0});
    }

    void thePlayersTabAddsChangesAndDeletes() {
        GuiHarness harness;
        testing::Replace(*harness.division, ThreeOneLeague());
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
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add New Players"));
        QCOMPARE(dialog.cbTeam->currentText(), QStringLiteral("Team 03"));
        for (const char* name : {"Dee", "ANN", "Eli"}) {
            dialog.edName->setText(QString::fromUtf8(name));
            dialog.BitBtn1->click();
        }
        QCOMPARE(harness.lastPrompt(), QStringLiteral("A player with the name \"ANN\" already exists"));
        QVERIFY(dialog.isVisible());
        dialog.BitBtn2->click();
        QCOMPARE(Column(tab.sgPlayers, 0), (QStringList{u"Dee"_s, u"Eli"_s}));

        tab.sgPlayers->setCurrentCell(0, 0);
        tab.btnPlChange->click();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Change Player Details"));
        dialog.edName->setText(QStringLiteral("DEE"));
        dialog.BitBtn1->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Column(tab.sgPlayers, 0), (QStringList{u"DEE"_s, u"Eli"_s}));

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
        QCOMPARE(harness.lastPrompt(), QStringLiteral("Are you sure you want to delete Ann of Team 01"));
        QCOMPARE(harness.division->Header().PlayerCount, std::int16_t{5});
        tab.btnPlDelete->click();
        QCOMPARE(harness.division->Header().PlayerCount, std::int16_t{4});
        QCOMPARE(harness.division->Goals[1].Player, std::uint16_t{2}); // Cal renumbered
        QCOMPARE(tab.sgPlayers->rowCount(), 4);
    }
};

} // namespace

VANTOREL_GUI_TEST(PlayersPagesTest);

} // namespace vantorel::testing

#include "PlayersPagesTest.moc"
