#include <QRadioButton>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/MaintenancePage.h"
#include "app/TableSettingsTab.h"
#include "app/TeamsTab.h"
#include "app/TfrmProcess.h"
#include "standings/LeagueTablePage.h"
#include "standings/SortOrderTab.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel::testing {
namespace {

using namespace Qt::StringLiterals;

// A workspace on a league of four teams, one called Everton, with some results, on the maintenance page.
struct MaintenanceWindow {
    explicit MaintenanceWindow(GuiHarness& harness) : window(harness.app) {
        auto league = MakeLeague(4, 2);
        testing::Edit(*league).Team(2).Name.assignStored("Everton");
        PlayFixture(*league, 1, 2, 0, 40000); // 1 beats Everton
        PlayFixture(*league, 2, 1, 1, 40000); // 1 draws 3
        PlayFixture(*league, 4, 0, 3, 40001); // Everton loses to 1 at home
        if (!window.OpenLeague(harness.Save(*league, "m.div")))
            throw std::runtime_error("cannot open league");
        window.show();
        window.TabSet1->setCurrentIndex(static_cast<int>(WorkspacePage::TableMaintenance));
    }
    MaintenancePage& page() { return *window.maintenancePage; }
    void ShowTab(MaintenanceTab tab) { page().TabbedNotebook1->setCurrentIndex(static_cast<int>(tab)); }
    TfrmProcess window;
};

class MaintenanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTableTabEditsTheLeaguesSettings() {
        GuiHarness harness;
        MaintenanceWindow maintenance(harness);
        TableSettingsTab& tab = *maintenance.page().tableTab;
        Division& division = *harness.division;
        QCOMPARE(tab.lbOwnTeam->item(0)->text(), QStringLiteral("*** None ***"));
        QVERIFY(tab.rbWinThree->isChecked());
        QVERIFY(!division.DataChanged());

        tab.rbWinTwo->click();
        QCOMPARE(division.Teams[1].Points, std::int16_t{2 + 1 + 2});
        tab.rbWinThree->click();
        QCOMPARE(division.Teams[1].Points, std::int16_t{3 + 1 + 3});

        tab.edtTableName->clear();
        QTest::keyClick(tab.edtTableName, Qt::Key_Backspace); // an emptied box keeps the name
        QCOMPARE(std::string(division.Header().TableName.stored()), std::string("Test League"));
        QTest::keyClicks(tab.edtTableName, QStringLiteral("Cup"));
        QCOMPARE(std::string(division.Header().TableName.stored()), std::string("Cup"));
        QCOMPARE(maintenance.window.tablePage->panLeague->text(), QStringLiteral("Cup"));

        tab.seRelegate->setValue(9); // a zone holds at most the league's four teams
        QCOMPARE(division.Header().RelegateCount, std::uint8_t{4});

        tab.lbOwnTeam->setCurrentRow(2);
        QCOMPARE(division.Header().OwnTeam, std::uint8_t{2});
        QCOMPARE(harness.playedSounds, QStringList{QString::fromUtf8(kOwnTeamSound)});
        tab.lbOwnTeam->setCurrentRow(0);
        QCOMPARE(division.Header().OwnTeam, std::uint8_t{0});
        QCOMPARE(harness.playedSounds.size(), 1);
    }

    void theTeamsTabRenamesAndDeducts() {
        GuiHarness harness;
        MaintenanceWindow maintenance(harness);
        maintenance.ShowTab(MaintenanceTab::Teams);
        TeamsTab& tab = *maintenance.page().teamsTab;
        Division& division = *harness.division;
        QVERIFY(!tab.edTeam->isEnabled());
        QVERIFY(!tab.btnUpTeam->isEnabled());
        QCOMPARE(tab.lbTeams->currentRow(), 0);

        tab.edDeduct->setValue(3);
        tab.edDeduct->setValue(5);
        QCOMPARE(division.Teams[1].Points, std::int16_t{7 - 5});
        QCOMPARE(tab.edDeduct->maximum(), 20);

        tab.lbTeams->setCurrentRow(2);
        QCOMPARE(tab.edDeduct->value(), 0);
        tab.btnEditClick();
        QVERIFY(tab.edTeam->isEnabled());
        QCOMPARE(tab.edTeam->text(), QStringLiteral("Team 03"));
        tab.edTeam->setText(QStringLiteral("Everton")); // another team's name is accepted
        tab.btnUpTeamClick();
        QCOMPARE(std::string(division.Teams[3].Name.stored()), std::string("Everton"));
        QCOMPARE(tab.lbTeams->item(2)->text(), QStringLiteral("Everton"));
        QVERIFY(!tab.edTeam->isEnabled());
        QCOMPARE(division.Teams[3].Played, std::uint8_t{1});
    }

    void theSortOrderTabMovesBeepsAndRestores() {
        GuiHarness harness;
        MaintenanceWindow maintenance(harness);
        maintenance.ShowTab(MaintenanceTab::SortOrder);
        SortOrderTab& tab = *maintenance.page().sortOrderTab;
        // The further rules follow the first five, 'R' last.
        QCOMPARE(
            Items(tab.lbAvail),
            (QStringList{u"Possible Points"_s, u"Head-to-head points"_s, u"Head-to-head goal difference"_s,
                         u"Head-to-head goals scored"_s, u"Head-to-head away goals"_s,
                         u"Head-to-head only once all meetings are played"_s, u"Games won"_s,
                         u"Away goals scored"_s, u"Head-to-head again for a smaller tie"_s}));
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
        QCOMPARE(tab.lbActive->currentRow(), 0);
        QCOMPARE(Items(tab.lbActive).first(), QStringLiteral("Goal difference"));
        tab.btnRestoreClick();
        QCOMPARE(Items(tab.lbActive).first(), QStringLiteral("Points total"));

        // Dropping an available rule on the active list, then one active rule on the available list.
        tab.ListDrop(SortRuleLists::List::Available, 0, SortRuleLists::List::Active);
        QCOMPARE(Items(tab.lbActive).last(), QStringLiteral("Possible Points"));
        tab.ListDrop(SortRuleLists::List::Active, 3, SortRuleLists::List::Available);
        QCOMPARE(Items(tab.lbAvail).last(), QStringLiteral("Team name"));
        maintenance.ShowTab(MaintenanceTab::Table);
        QCOMPARE(std::string(harness.division->Header().SortRules.stored()), std::string("1235"));
        QVERIFY(harness.division->DataChanged());
    }

    void noActiveRuleKeepsTheUserOnTheTab() {
        GuiHarness harness;
        MaintenanceWindow maintenance(harness);
        maintenance.ShowTab(MaintenanceTab::SortOrder);
        SortOrderTab& tab = *maintenance.page().sortOrderTab;
        while (tab.lbActive->count() > 0) {
            tab.lbActive->setCurrentRow(0);
            tab.btnLeftClick();
        }
        tab.btnLeftClick();
        QCOMPARE(harness.prompts.beeps, 1);
        maintenance.ShowTab(MaintenanceTab::Teams);
        QCOMPARE(maintenance.page().TabbedNotebook1->currentIndex(),
                 static_cast<int>(MaintenanceTab::SortOrder));
        maintenance.window.TabSet1->setCurrentIndex(0);
        QCOMPARE(maintenance.window.TabSet1->currentIndex(),
                 static_cast<int>(WorkspacePage::TableMaintenance));
        QVERIFY(!maintenance.window.close());
        QCOMPARE(harness.lastPrompt(), QStringLiteral("You must have at least one active sort rule"));
        QCOMPARE(std::string(harness.division->Header().SortRules.stored()), std::string("1234"));

        tab.lbAvail->setCurrentRow(0);
        tab.btnRightClick();
        maintenance.window.TabSet1->setCurrentIndex(0);
        QCOMPARE(maintenance.window.TabSet1->currentIndex(), 0);
    }
};

} // namespace

VANTOREL_GUI_TEST(MaintenanceTest);

} // namespace vantorel::testing

#include "MaintenanceTest.moc"
