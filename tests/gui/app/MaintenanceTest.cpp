#include <QAbstractItemView>
#include <QDropEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QStackedWidget>

#include "GuiHarness.h"
#include "app/TableSettingsTab.h"
#include "app/TeamsTab.h"
#include "players/PlayersTab.h"
#include "players/TfrmAddPlayer.h"
#include "standings/SortOrderTab.h"
#include "stats/TeamStatisticsPage.h"
#include "stats/TfrmGraph.h"

namespace vantorel::testing {
namespace {

// A league of four teams, one called Everton, with some results.
std::unique_ptr<Division> EvertonLeague() {
    auto league = MakeLeague(4, 2);
    testing::Edit(*league).Team(2).Name.assignStored("Everton");
    PlayFixture(*league, 1, 2, 0, 40000); // 1 beats Everton
    PlayFixture(*league, 2, 1, 1, 40000); // 1 draws 3
    PlayFixture(*league, 4, 0, 3, 40001); // Everton loses to 1 at home
    return league;
}

// Every text the item views, combo boxes and labels under a widget hold that contains `name`.
QStringList ShownTexts(const QWidget* root, const QString& name) {
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
    return texts.filter(name);
}

void Rename(OpenWorkspace& window, int team, const QString& name) {
    window.ShowTab(MaintenanceTab::Teams);
    TeamsTab& tab = *window.maintenancePage->teamsTab;
    tab.lbTeams->setCurrentRow(team - 1);
    tab.btnEditClick();
    tab.edTeam->setText(name);
    tab.btnUpTeamClick();
}

class MaintenanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTableTabEditsTheLeaguesSettings() {
        GuiHarness harness;
        OpenWorkspace window(harness, *EvertonLeague(), WorkspacePage::TableMaintenance);
        TableSettingsTab& tab = *window.maintenancePage->tableTab;
        Division& division = *harness.division;
        QCOMPARE(std::pair(tab.edtTableName->text(), tab.lbOwnTeam->item(0)->text()),
                 std::pair(u"Test League"_s, u"*** None ***"_s));
        QVERIFY(tab.rbWinThree->isChecked() && !division.DataChanged() && window.helpContext() == 900);

        tab.rbWinTwo->click();
        QCOMPARE(division.Teams[1].Points, std::int16_t{2 + 1 + 2});
        tab.rbWinThree->click();
        QCOMPARE(division.Teams[1].Points, std::int16_t{3 + 1 + 3});

        tab.edtTableName->clear();
        QTest::keyClicks(tab.edtTableName, u"Cup"_s);
        QCOMPARE(
            std::pair(std::string(division.Header().TableName.stored()), window.tablePage->panLeague->text()),
            std::pair("Cup"s, u"Cup"_s));
        // An emptied box leaves the name as it was, and shows it again once left.
        QTest::keyClick(tab.edtTableName, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(tab.edtTableName, Qt::Key_Backspace);
        QTest::keyClick(tab.edtTableName, Qt::Key_Return);
        QCOMPARE(std::pair(std::string(division.Header().TableName.stored()), tab.edtTableName->text()),
                 std::pair("Cup"s, u"Cup"_s));
        // A letter the league file's character set lacks is refused with a message.
        const auto shown = harness.prompts.shown.size();
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"\u0141"_s);
        QApplication::sendEvent(tab.edtTableName, &typed);
        QVERIFY(harness.prompts.shown.size() == shown + 1 && division.Header().TableName.stored() == "Cup"s);

        tab.seRelegate->setValue(9); // a zone holds at most the league's four teams
        QCOMPARE(division.Header().RelegateCount, std::uint8_t{4});

        tab.lbOwnTeam->setCurrentRow(2);
        QVERIFY(division.Header().OwnTeam == 2 &&
                harness.playedSounds == QStringList{QString::fromUtf8(kOwnTeamSound)});
        tab.lbOwnTeam->setCurrentRow(0); // no own team, and no sound
        QVERIFY(division.Header().OwnTeam == 0 && harness.playedSounds.size() == 1);
    }

    void theTeamsTabRenamesAndDeducts() {
        GuiHarness harness;
        OpenWorkspace window(harness, *EvertonLeague(), WorkspacePage::TableMaintenance);
        window.ShowTab(MaintenanceTab::Teams);
        TeamsTab& tab = *window.maintenancePage->teamsTab;
        Division& division = *harness.division;
        QVERIFY(!tab.edTeam->isEnabled() && !tab.btnUpTeam->isEnabled() && tab.lbTeams->currentRow() == 0);

        tab.edDeduct->setValue(3);
        tab.edDeduct->setValue(5);
        QVERIFY(division.Teams[1].Points == 7 - 5 && tab.edDeduct->maximum() == 20);

        tab.lbTeams->setCurrentRow(2);
        QCOMPARE(tab.edDeduct->value(), 0);
        tab.edDeduct->setValue(2); // the selected team's
        QVERIFY(division.Teams[3].Deduction == 2 && division.Teams[1].Deduction == 5);
        tab.btnEditClick();
        QVERIFY(tab.edTeam->isEnabled() && tab.edTeam->text() == u"Team 03"_s);
        tab.edTeam->setText(u"Everton"_s); // another team's name is accepted
        tab.btnUpTeamClick();
        QCOMPARE(std::tuple(std::string(division.Teams[3].Name.stored()), tab.lbTeams->item(2)->text(),
                            division.Teams[3].Played),
                 std::tuple("Everton"s, u"Everton"_s, 1));
        QVERIFY(!tab.edTeam->isEnabled());
        // A name the league file cannot hold is refused with a message, and left to be corrected.
        const auto shown = harness.prompts.shown.size();
        tab.btnEditClick();
        tab.edTeam->setText(u"\u0141\u00F3d\u017A"_s); // Łódź
        tab.btnUpTeamClick();
        QVERIFY(harness.prompts.shown.size() == shown + 1 && tab.edTeam->isEnabled() &&
                tab.lbTeams->item(2)->text() == u"Everton"_s);
    }

    void theSortOrderTabMovesBeepsRestoresAndKeepsTheUserWithoutAnActiveRule() {
        GuiHarness harness;
        OpenWorkspace window(harness, *EvertonLeague(), WorkspacePage::TableMaintenance);
        window.ShowTab(MaintenanceTab::SortOrder);
        SortOrderTab& tab = *window.maintenancePage->sortOrderTab;
        // The lists show the model's rules in its order (which its own tests check rule by rule).
        QCOMPARE(std::pair(tab.lbAvail->count(), tab.lbAvail->item(0)->text()),
                 std::pair(9, u"Possible Points"_s));
        QCOMPARE(Items(tab.lbActive),
                 (QStringList{u"Points total"_s, u"Goal difference"_s, u"Goals scored"_s, u"Team name"_s}));

        tab.lbActive->setCurrentRow(0);
        tab.btnUp->click();
        QCOMPARE(harness.prompts.beeps, 1);
        tab.lbActive->setCurrentRow(3);
        tab.btnDown->click();
        QCOMPARE(harness.prompts.beeps, 2);
        tab.lbActive->setCurrentRow(1);
        tab.btnUp->click();
        QVERIFY(tab.lbActive->currentRow() == 0 && Items(tab.lbActive).first() == u"Goal difference"_s);
        tab.btnRestoreClick();
        QCOMPARE(Items(tab.lbActive).first(), u"Points total"_s);

        // Dropping an available rule on the active list, then one active rule on the available list.
        const auto drop = [](QListWidget* onto, SortRuleLists::List from, int index) {
            QMimeData data;
            data.setData(QString::fromLatin1(kRuleMimeType), RuleDragPayload(from, index));
            QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(onto->viewport(), &enter);
            QDropEvent dropped(QPointF(5, 5), Qt::MoveAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(onto->viewport(), &dropped);
            return enter.isAccepted();
        };
        QVERIFY(drop(tab.lbActive, SortRuleLists::List::Available, 0));
        QCOMPARE(Items(tab.lbActive).last(), u"Possible Points"_s);
        QVERIFY(drop(tab.lbAvail, SortRuleLists::List::Active, 3));
        QCOMPARE(Items(tab.lbAvail).last(), u"Team name"_s);

        window.ShowTab(MaintenanceTab::Table);
        QVERIFY(harness.division->Header().SortRules.stored() == "1235"s && harness.division->DataChanged());

        // With no active rule left the user stays on the tab, the page and the window.
        window.ShowTab(MaintenanceTab::SortOrder);
        while (tab.lbActive->count() > 0) {
            tab.lbActive->setCurrentRow(0);
            tab.btnLeftClick();
        }
        tab.btnLeftClick();
        QCOMPARE(harness.prompts.beeps, 3);
        window.ShowTab(MaintenanceTab::Teams);
        QCOMPARE(window.maintenancePage->TabbedNotebook1->currentIndex(),
                 static_cast<int>(MaintenanceTab::SortOrder));
        window.TabSet1->setCurrentIndex(0);
        QCOMPARE(window.TabSet1->currentIndex(), static_cast<int>(WorkspacePage::TableMaintenance));
        QVERIFY(!window.close() && harness.division->Header().SortRules.stored() == "1235"s);
        QCOMPARE(harness.lastPrompt(), u"You must have at least one active sort rule"_s);
        tab.lbAvail->setCurrentRow(0);
        tab.btnRightClick();
        window.TabSet1->setCurrentIndex(0);
        QCOMPARE(window.TabSet1->currentIndex(), 0);
    }

    // A renamed team shows under its new name on every page and dialog, and each list still leads to it.
    void everyPageAndDialogShowsTheNewName() {
        GuiHarness harness;
        auto league = MakeLeague(4, 2);
        PlayFixture(*league, 1, 2, 0, 40000);
        PlayFixture(*league, 2, 1, 1, 40001);
        (void)AddPlayer(*league, PlayerRecord{ShortString<20>("Ann"), 1, 0});
        OpenWorkspace window(harness, *league, WorkspacePage::TeamStatistics);
        QCOMPARE(window.teamStatsPage->SelTeamList->currentText(), u"Team 01"_s);

        Rename(window, 1, u"Renamed FC"_s);
        const QString old = u"Team 01"_s, renamed = u"Renamed FC"_s;
        // Each page as it is shown (the pages out of sight are refreshed when they are shown).
        for (int page = 0; page < window.TabSet1->count(); ++page) {
            window.TabSet1->setCurrentIndex(page);
            QTabWidget& tabs = *window.maintenancePage->TabbedNotebook1;
            for (int tab = 0; page == static_cast<int>(WorkspacePage::TableMaintenance) && tab < tabs.count();
                 ++tab) {
                tabs.setCurrentIndex(tab);
                QVERIFY2(ShownTexts(tabs.currentWidget(), old).isEmpty(), qPrintable(u"tab %1"_s.arg(tab)));
            }
            QVERIFY2(ShownTexts(window.Notebook1->currentWidget(), old).isEmpty(),
                     qPrintable(u"page %1"_s.arg(page)));
        }

        // The team statistics list leads to the renamed team, and so does its graph.
        window.ShowPage(WorkspacePage::TeamStatistics);
        TeamStatisticsPage& stats = *window.teamStatsPage;
        QCOMPARE(stats.SelTeamList->currentText(), renamed); // the team shown before the rename
        QCOMPARE(window.workspace().ShownTeam, 1);
        stats.btnGraphClick();
        TfrmGraph& graph = Opened<TfrmGraph>(window);
        QVERIFY(graph.windowTitle().contains(renamed)); // the graph names the team it draws
        QVERIFY(ShownTexts(&graph, old).isEmpty() && !graph.windowTitle().contains(old));
        graph.close();

        window.ShowTab(MaintenanceTab::Players);
        window.maintenancePage->playersTab->btnPlAddClick();
        TfrmAddPlayer& addPlayer = Opened<TfrmAddPlayer>(*window.maintenancePage->playersTab);
        QVERIFY(addPlayer.cbTeam->findText(renamed) >= 0 && addPlayer.cbTeam->findText(old) == -1);
        addPlayer.close();
    }

    void twoTeamsOfOneNameStayApartInTheTeamList() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.WriteLeague("same.div", "Same", 4));
        Rename(window, 3, u"Team 02"_s);
        window.ShowPage(WorkspacePage::TeamStatistics);
        QComboBox& list = *window.teamStatsPage->SelTeamList;
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
VANTOREL_GUI_TEST(MaintenanceTest);
} // namespace vantorel::testing

#include "MaintenanceTest.moc"
