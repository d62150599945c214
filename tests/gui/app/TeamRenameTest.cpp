// A team renamed on the Teams tab shows under its new name on every page and in every dialog that lists
// teams, and each list still leads to that team.

#include <QAbstractItemView>
#include <QStackedWidget>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/MaintenancePage.h"
#include "app/TeamsTab.h"
#include "players/PlayersTab.h"
#include "players/TfrmAddPlayer.h"
#include "stats/TeamStatisticsPage.h"
#include "stats/TfrmGraph.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel::testing {
namespace {

// Every text the item views, combo boxes and labels under a widget hold.
QStringList ShownTexts(const QWidget* root) {
    QStringList texts;
    for (const QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!model)
            continue;
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column)
                texts << model->data(model->index(row, column)).toString();
    }
    for (const QComboBox* box : root->findChildren<QComboBox*>())
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
    for (const QLabel* label : root->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

bool Mentions(const QStringList& texts, const QString& name) {
    for (const QString& text : texts)
        if (text.contains(name))
            return true;
    return false;
}

void Rename(OpenWorkspace& window, int team, const QString& name) {
    window.ShowTab(MaintenanceTab::Teams);
    TeamsTab& tab = *window.maintenancePage->teamsTab;
    tab.lbTeams->setCurrentRow(team - 1);
    tab.btnEditClick();
    tab.edTeam->setText(name);
    tab.btnUpTeamClick();
}

class TeamRenameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPageAndDialogShowsTheNewName() {
        GuiHarness harness;
        auto league = MakeLeague(4, 2);
        PlayFixture(*league, 1, 2, 0, 40000);
        PlayFixture(*league, 2, 1, 1, 40001);
        (void)AddPlayer(*league, PlayerRecord{ShortString<20>("Ann"), 1, 0});
        OpenWorkspace window(harness, harness.Save(*league, "rename.div"));
        window.ShowPage(WorkspacePage::TeamStatistics);
        QCOMPARE(window.teamStatsPage->SelTeamList->currentText(), QStringLiteral("Team 01"));

        Rename(window, 1, QStringLiteral("Renamed FC"));
        const QString old = QStringLiteral("Team 01"), renamed = QStringLiteral("Renamed FC");
        // Each page as it is shown (the pages out of sight are refreshed when they are shown).
        for (int page = 0; page < window.TabSet1->count(); ++page) {
            window.TabSet1->setCurrentIndex(page);
            QTabWidget& tabs = *window.maintenancePage->TabbedNotebook1;
            for (int tab = 0; page == static_cast<int>(WorkspacePage::TableMaintenance) && tab < tabs.count();
                 ++tab) {
                tabs.setCurrentIndex(tab);
                QVERIFY2(!Mentions(ShownTexts(tabs.currentWidget()), old),
                         qPrintable(QStringLiteral("tab %1").arg(tab)));
            }
            QVERIFY2(!Mentions(ShownTexts(window.Notebook1->currentWidget()), old),
                     qPrintable(QStringLiteral("page %1").arg(page)));
        }

        // The team statistics list leads to the renamed team, and so does its graph.
        window.ShowPage(WorkspacePage::TeamStatistics);
        TeamStatisticsPage& stats = *window.teamStatsPage;
        QVERIFY(stats.SelTeamList->findText(renamed) >= 0);
        QCOMPARE(stats.SelTeamList->currentText(), renamed); // the team shown before the rename
        QCOMPARE(window.workspace().ShownTeam, 1);
        QVERIFY(Mentions(ShownTexts(&stats), renamed));
        stats.btnGraphClick();
        auto* graph = window.findChild<TfrmGraph*>();
        QVERIFY(graph);
        QVERIFY(graph->windowTitle().contains(renamed)); // the graph names the team it draws
        QVERIFY(!Mentions(ShownTexts(graph) << graph->windowTitle(), old));
        graph->close();

        window.ShowTab(MaintenanceTab::Players);
        window.maintenancePage->playersTab->btnPlAddClick();
        auto* addPlayer = window.maintenancePage->playersTab->findChild<TfrmAddPlayer*>();
        QVERIFY(addPlayer);
        QVERIFY(addPlayer->cbTeam->findText(renamed) >= 0);
        QCOMPARE(addPlayer->cbTeam->findText(old), -1);
        addPlayer->close();
    }

    void twoTeamsOfOneNameStayApartInTheTeamList() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.WriteLeague("same.div", "Same", 4));
        Rename(window, 3, QStringLiteral("Team 02"));
        window.ShowPage(WorkspacePage::TeamStatistics);
        QComboBox& list = *window.teamStatsPage->SelTeamList;
        QCOMPARE(list.count(), 4);
        QList<int> shown;
        for (int row = 0; row < list.count(); ++row) {
            list.setCurrentIndex(row);
            window.teamStatsPage->SelTeamListChange();
            shown << window.workspace().ShownTeam;
        }
        QCOMPARE(shown, (QList<int>{1, 2, 3, 4}));
    }
};

} // namespace

VANTOREL_GUI_TEST(TeamRenameTest);

} // namespace vantorel::testing

#include "TeamRenameTest.moc"
