#include <regex>

#include <QCalendarWidget>
#include <QHelpEvent>

#include "GuiHarness.h"
#include "platform/HintSwitch.h"
#include "results/TfrmCal.h"
#include "standings/SortOrderTab.h"
#include "standings/TfrmGrid.h"
#include "store/Dates.h"

namespace vantorel::testing {
namespace {

double Day(int year, int month, int day) {
    return *DayNumberOf({year, month, day});
}

// A league of 6 teams meeting four times, with results on 1 and 15 March 2025.
std::string WriteLeague(GuiHarness& harness) {
    auto league = MakeLeague(6, 4);
    for (int r = 1; r <= 6; ++r)
        PlayFixture(*league, r, 2, r % 3, r <= 3 ? Day(2025, 3, 1) : Day(2025, 3, 15));
    return harness.Save(*league, "four.div");
}

class TableViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theCalendarsKeys() {
        GuiHarness harness;
        TfrmCal calendar(harness.help, nullptr);
        QCOMPARE(Unplaced(calendar), QStringList{});
        calendar.Start(Day(2025, 1, 31), QPoint(10, 10));
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QCOMPARE(calendar.Panel1->text(), QLocale().toString(QDate(2025, 1, 31), u"MMMM yyyy"_s));
        QWidget* grid = &Opened<QAbstractItemView>(*calendar.Calendar1);
        // Keypad + and - step a day, Tab and Shift+Tab a month.
        const std::tuple<Qt::Key, Qt::KeyboardModifier, QDate> steps[] = {
            {Qt::Key_Plus, Qt::KeypadModifier, {2025, 2, 1}},
            {Qt::Key_Minus, Qt::KeypadModifier, {2025, 1, 31}},
            {Qt::Key_Tab, Qt::NoModifier, {2025, 2, 28}},
            {Qt::Key_Backtab, Qt::NoModifier, {2025, 1, 28}}};
        for (const auto& [key, modifier, date] : steps) {
            QTest::keyClick(grid, key, modifier);
            QCOMPARE(calendar.Calendar1->selectedDate(), date);
        }
        QTest::keyClick(grid, Qt::Key_Right); // the arrows move without closing
        QVERIFY(calendar.isVisible());
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!calendar.isVisible() && calendar.CalDate() == Day(2025, 1, 29));

        calendar.Start(Day(2025, 1, 31), QPoint(10, 10));
        calendar.show();
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!calendar.isVisible() && calendar.CalDate() == 0);
    }

    void aDateBetweenMatchDatesCountsTheMatchesUpToIt() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteLeague(harness), false);
        LeagueTablePage& page = *window.tablePage;
        auto played = [&] {
            int total = 0;
            for (int row = 0; row < 6; ++row)
                total += page.DivTable->item(row, 2)->text().toInt();
            return total;
        };
        QCOMPARE(played(), 12);
        harness.pickedDates << Day(2025, 3, 8);
        page.btnDivDate->click();
        QCOMPARE(harness.calendarStarts.back(), Day(2025, 3, 15));
        QVERIFY(played() == 6 && page.lbDivDate->text() == u"08/03/2025"_s);
        page.btnSpinUp->click();
        QCOMPARE(page.lbDivDate->text(), u"15/03/2025"_s);
        page.btnDivDate->click(); // cancelled: nothing changes
        QCOMPARE(played(), 12);
    }

    void theKeyboardOpensATeamPrintDrawsThePageAndABorderDragResizes() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteLeague(harness));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTableWidget* table = window.tablePage->DivTable;
        // The headings are the table's header, not its first row.
        QVERIFY(table->rowCount() == window.workspace().table.TeamCount &&
                table->horizontalHeaderItem(1)->text() == u"Team"_s);
        table->setFocus();
        QCOMPARE(table->currentRow(), 0);
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(std::pair(window.workspace().ShownTeam, window.TabSet1->currentIndex()),
                 std::pair(window.workspace().table.TableOrder[2],
                           static_cast<int>(WorkspacePage::TeamStatistics)));

        // Printing draws the page; position 0 opens no team (the team statistics test opens one by position).
        window.ShowPage(WorkspacePage::LeagueTable);
        window.tablePage->btnPrint->click();
        QCOMPARE(harness.printJobs, QStringList{u"Vantorel League Table"_s});
        window.tablePage->DivTableDblClick(0);
        QCOMPARE(window.TabSet1->currentIndex(), static_cast<int>(WorkspacePage::LeagueTable));

        // Dragging a column border resizes the column, and a new as-at date keeps the user's width.
        const int before = table->columnWidth(2);
        const QPoint border(table->columnViewportPosition(2) + before, 5);
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(table->viewport(), border + QPoint(30, 0));
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, border + QPoint(30, 0));
        QCOMPARE(table->columnWidth(2), before + 30);
        window.tablePage->Recompute();
        QCOMPARE(table->columnWidth(2), before + 30);
        window.close();
    }

    void theGridOffersTheSecondSetOnlyWhenThereIsOne() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteLeague(harness), false);
        TfrmGrid four(harness.app, nullptr);
        QCOMPARE(Unplaced(four), QStringList{});
        QVERIFY(four.cbSecond->isEnabled() && !four.cbSecond->isChecked());
        four.btnPrintClick();
        QVERIFY(harness.printJobs == QStringList{u"Vantorel Grid"_s} && four.btnExit->isEnabled());
        // On paper the diagonal is button face, not the screen's blue.
        QVERIFY(Drawn(harness.printedPage, QColor(192, 192, 192)) && !Drawn(harness.printedPage, Qt::blue));

        GuiHarness other;
        OpenWorkspace twiceWindow(other, other.WriteLeague("twice.div", "Twice", 6, 2), false);
        TfrmGrid twice(other.app, nullptr);
        QVERIFY(!twice.cbSecond->isEnabled());
    }

    // The command line's printouts and screenshot, drawn without a window. A request not to be met fails: a
    // refused argument (one stands for those the startup arguments' test reads) or a league or team not
    // there.
    void printoutsAndAScreenshotAreDrawnWithoutAWindow() {
        GuiHarness harness;
        const std::string league = WriteLeague(harness);
        const std::string pdf = harness.folder.file("out.pdf"), png = harness.folder.file("out.png");
        QCOMPARE(RunHeadless({"--print", "table", league, "--pdf", pdf, "--short", "--as-at", "01/03/2025"}),
                 0);
        QCOMPARE(FileText(pdf).substr(0, 5), "%PDF-"s);
        QCOMPARE(
            RunHeadless({"--print", "grid", league, "--pdf", harness.folder.file("grid.pdf"), "--second"}),
            0);
        QCOMPARE(RunHeadless({"--print", "chart", league, "--pdf", pdf}), 1);
        QCOMPARE(RunHeadless({"--print", "table", harness.folder.file("none.div"), "--pdf", pdf}), 1);

        QCOMPARE(RunHeadless({"--print", "graph", league, "--team", "Team 02", "--type", "top", "--style",
                              "lines", "--size", "500x300", "--png", png}),
                 0);
        QCOMPARE(QImage(QString::fromStdString(png)).size(), QSize(500, 300));
        QCOMPARE(RunHeadless({"--print", "graph", league, "--team", "Nobody", "--png", png}), 1);

        QCOMPARE(RunHeadless({league, "--page", "maintenance", "--tab", "results", "--screenshot", png,
                              "--size", "700x500"}),
                 0);
        QCOMPARE(QImage(QString::fromStdString(png)).size(), QSize(700, 500));
        QCOMPARE(RunHeadless({harness.folder.file("none.div"), "--screenshot", png}), 1);
        // Each window on its own; a league without scorers has no player to show.
        for (const char* shown :
             {"main", "wizard", "graph", "details", "squad", "export", "import", "player"})
            QCOMPARE(RunHeadless({league, "--window", shown, "--screenshot", png}),
                     shown == "player"s ? 1 : 0);

        // A long season's team summary fills two pages.
        const std::string largest = harness.Save(*MakeLargestLeague(), "largest.div");
        const std::string summary = harness.folder.file("summary.pdf");
        QCOMPARE(RunHeadless({"--print", "summary", largest, "--team", "Team 01", "--pdf", summary}), 0);
        const std::string text = FileText(summary);
        QVERIFY(text.starts_with("%PDF-"));
        const std::regex page("/Type\\s*/Page[^s]");
        QCOMPARE(std::distance(std::sregex_iterator(text.begin(), text.end(), page), std::sregex_iterator()),
                 2);
        QCOMPARE(RunHeadless({"--print", "summary", largest, "--team", "Team 99", "--pdf", pdf}), 1);
    }

    void headToHeadRulesReorderTheTableAndItsTooltipsSayWhy() {
        GuiHarness harness;
        // Teams 1 and 3 end on 3 points: team 1 beat team 2 5-0 and lost 0-1 at team 3.
        auto league = MakeLeague(4, 2);
        PlayFixture(*league, league->FindFixture(1, 2), 5, 0, 40000);
        PlayFixture(*league, league->FindFixture(3, 1), 1, 0, 40001);
        OpenWorkspace window(harness, harness.Save(*league, "tied.div"));
        const QTableWidget& grid = *window.tablePage->DivTable;
        QCOMPARE(grid.item(0, 1)->text(), u"Team 01"_s);
        QCOMPARE(grid.item(1, 1)->toolTip(),
                 u"Team 01 above Team 03: Level on 3 points; ahead on goal difference: 4 to 1"_s);

        window.ShowTab(MaintenanceTab::SortOrder);
        SortOrderTab& tab = *window.maintenancePage->sortOrderTab;
        tab.lbAvail->setCurrentRow(1); // "Head-to-head points" after "Possible Points"
        tab.btnRightClick();
        for (int row = 4; row > 1; --row) {
            tab.lbActive->setCurrentRow(row);
            tab.btnUpClick();
        }
        QCOMPARE(Items(tab.lbActive).mid(0, 2), (QStringList{u"Points total"_s, u"Head-to-head points"_s}));
        // A move the lists refuse (here with no rule selected; the rule lists' own tests say which) beeps.
        tab.lbAvail->setCurrentRow(-1);
        tab.btnRightClick();
        QCOMPARE(harness.prompts.beeps, 1);

        window.TabSet1->setCurrentIndex(0);
        QCOMPARE(std::string(harness.division->Header().SortRules.stored()), std::string("16234"));
        QCOMPARE(grid.item(0, 1)->text(), u"Team 03"_s);
        for (int column : {0, 1, grid.columnCount() - 1})
            QCOMPARE(
                grid.item(1, column)->toolTip(),
                QStringLiteral("Team 03 above Team 01: Level on 3 points; ahead on head-to-head points: 3 "
                               "to 0"));
        // Level on no points reads "0 points" (the only check of that plural).
        QCOMPARE(grid.item(3, 1)->toolTip(),
                 u"Team 04 above Team 02: Level on 0 points; ahead on goal difference: 0 to -5"_s);

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
VANTOREL_GUI_TEST(TableViewTest);
} // namespace vantorel::testing

#include "TableViewTest.moc"
