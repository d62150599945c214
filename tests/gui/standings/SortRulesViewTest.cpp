#include <QHelpEvent>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "app/MaintenancePage.h"
#include "platform/HintSwitch.h"
#include "standings/LeagueTablePage.h"
#include "standings/SortOrderTab.h"
#include "support/LeagueMaker.h"

namespace vantorel::testing {
namespace {

class SortRulesViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headToHeadRulesReorderTheTableAndItsTooltipsSayWhy() {
        GuiHarness harness;
        // Teams 1 and 3 end on 3 points: team 1 beat team 2 5-0 and lost 0-1 at team 3.
        auto league = MakeLeague(4, 2);
        PlayFixture(*league, league->FindFixture(1, 2), 5, 0, 40000);
        PlayFixture(*league, league->FindFixture(3, 1), 1, 0, 40001);
        OpenWorkspace window(harness, harness.Save(*league, "tied.div"));
        const QTableWidget& grid = *window.tablePage->DivTable;
        QCOMPARE(grid.item(0, 1)->text(), QStringLiteral("Team 01"));
        QCOMPARE(
            grid.item(1, 1)->toolTip(),
            QStringLiteral("Team 01 above Team 03: Level on 3 points; ahead on goal difference: 4 to 1"));

        window.ShowTab(MaintenanceTab::SortOrder);
        SortOrderTab& tab = *window.maintenancePage->sortOrderTab;
        tab.lbAvail->setCurrentRow(1); // "Head-to-head points" after "Possible Points"
        tab.btnRightClick();
        for (int row = 4; row > 1; --row) {
            tab.lbActive->setCurrentRow(row);
            tab.btnUpClick();
        }
        QCOMPARE(tab.lbActive->item(0)->text(), QStringLiteral("Points total"));
        QCOMPARE(tab.lbActive->item(1)->text(), QStringLiteral("Head-to-head points"));
        // Eight codes at most: three more fit, the next is refused with a beep.
        for (int more = 0; more < 3; ++more) {
            tab.lbAvail->setCurrentRow(1);
            tab.btnRightClick();
        }
        QCOMPARE(tab.lbActive->count(), 8);
        QCOMPARE(harness.prompts.beeps, 0);
        tab.lbAvail->setCurrentRow(0);
        tab.btnRightClick();
        QCOMPARE(harness.prompts.beeps, 1);

        window.TabSet1->setCurrentIndex(0);
        QCOMPARE(std::string(harness.division->Header().SortRules.stored()), std::string("16234789"));
        QCOMPARE(grid.item(0, 1)->text(), QStringLiteral("Team 03"));
        for (int column : {0, 1, grid.columnCount() - 1})
            QCOMPARE(
                grid.item(1, column)->toolTip(),
                QStringLiteral("Team 03 above Team 01: Level on 3 points; ahead on head-to-head points: 3 "
                               "to 0"));
        QCOMPARE(grid.item(2, 1)->text(), QStringLiteral("Team 04"));
        QCOMPARE(grid.item(2, 1)->toolTip(), QString()); // behind on points
        QCOMPARE(
            grid.item(3, 1)->toolTip(),
            QStringLiteral("Team 04 above Team 02: Level on 0 points; ahead on goal difference: 0 to -5"));

        // With help hints switched off, the explanations still show; the grid's own hint does not.
        HintSwitch hints;
        hints.setHintsShown(false);
        QObject& filter = hints;
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), QPoint(5, 5));
        QVERIFY(!filter.eventFilter(grid.viewport(), &help));
        QVERIFY(filter.eventFilter(window.tablePage->DivTable, &help));
    }
};

} // namespace

VANTOREL_GUI_TEST(SortRulesViewTest);

} // namespace vantorel::testing

#include "SortRulesViewTest.moc"
