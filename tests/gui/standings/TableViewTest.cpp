#include <fstream>

#include <QCalendarWidget>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "results/TfrmCal.h"
#include "standings/LeagueTablePage.h"
#include "standings/TfrmGrid.h"
#include "store/Dates.h"
#include "support/LeagueMaker.h"

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
        calendar.Start(Day(2025, 1, 31), QPoint(10, 10));
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        QCOMPARE(calendar.Panel1->text(),
                 QLocale().toString(QDate(2025, 1, 31), QStringLiteral("MMMM yyyy")));
        QWidget* grid = calendar.Calendar1->findChild<QAbstractItemView*>();
        QVERIFY(grid);
        QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(calendar.Calendar1->selectedDate(), QDate(2025, 2, 1));
        QTest::keyClick(grid, Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(calendar.Calendar1->selectedDate(), QDate(2025, 1, 31));
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(calendar.Calendar1->selectedDate().month(), 2);
        QTest::keyClick(grid, Qt::Key_Backtab);
        QCOMPARE(calendar.Calendar1->selectedDate().month(), 1);
        QTest::keyClick(grid, Qt::Key_Right); // the arrows move without closing
        QVERIFY(calendar.isVisible());
        const QDate moved = calendar.Calendar1->selectedDate();
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!calendar.isVisible());
        QCOMPARE(calendar.CalDate(), Day(moved.year(), moved.month(), moved.day()));

        calendar.Start(Day(2025, 1, 31), QPoint(10, 10));
        calendar.show();
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!calendar.isVisible());
        QCOMPARE(calendar.CalDate(), 0.0);
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
        QCOMPARE(played(), 6);
        QCOMPARE(page.lbDivDate->text(), QStringLiteral("08/03/2025"));
        page.btnSpinUp->click();
        QCOMPARE(page.lbDivDate->text(), QStringLiteral("15/03/2025"));
        page.btnDivDate->click(); // cancelled: nothing changes
        QCOMPARE(played(), 12);
    }

    void draggingAColumnBorderResizesTheColumn() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteLeague(harness));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableWidget* table = window.tablePage->DivTable;
        const int before = table->columnWidth(2);
        const QPoint border(table->columnViewportPosition(2) + before, 5);
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(table->viewport(), border + QPoint(30, 0));
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, border + QPoint(30, 0));
        QCOMPARE(table->columnWidth(2), before + 30);
        window.tablePage->Recompute(); // a new as-at date keeps the user's width
        QCOMPARE(table->columnWidth(2), before + 30);
        window.close();
    }

    void theKeyboardAndADoubleClickOpenATeamAndPrintDrawsThePage() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteLeague(harness));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTableWidget* table = window.tablePage->DivTable;
        // The headings are the table's header, not its first row.
        QCOMPARE(table->rowCount(), window.workspace().table.TeamCount);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Team"));
        table->setFocus();
        QCOMPARE(table->currentRow(), 0);
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(window.workspace().ShownTeam, window.workspace().table.TableOrder[2]);
        QCOMPARE(window.TabSet1->currentIndex(), static_cast<int>(WorkspacePage::TeamStatistics));

        // Printing draws the page; a double click opens the team at a position from 1, none at 0.
        window.ShowPage(WorkspacePage::LeagueTable);
        window.tablePage->btnPrint->click();
        QCOMPARE(harness.printJobs, QStringList{QStringLiteral("Vantorel League Table")});
        const int team = window.workspace().table.TableOrder[3];
        window.tablePage->DivTableDblClick(0);
        QCOMPARE(window.TabSet1->currentIndex(), static_cast<int>(WorkspacePage::LeagueTable));
        window.tablePage->DivTableDblClick(3);
        QCOMPARE(window.workspace().ShownTeam, team);
        QCOMPARE(window.TabSet1->currentIndex(), static_cast<int>(WorkspacePage::TeamStatistics));
        window.tablePage->DivTableDblClick(0);
        QCOMPARE(window.workspace().ShownTeam, team);
        window.close();
    }

    void theGridOffersTheSecondSetOnlyWhenThereIsOne() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteLeague(harness), false);
        TfrmGrid four(harness.app, nullptr);
        QVERIFY(four.cbSecond->isEnabled());
        QVERIFY(!four.cbSecond->isChecked());
        four.btnPrintClick();
        QCOMPARE(harness.printJobs, QStringList{QStringLiteral("Vantorel Grid")});
        QVERIFY(four.btnExit->isEnabled());

        GuiHarness other;
        OpenWorkspace twiceWindow(other, other.WriteLeague("twice.div", "Twice", 6, 2), false);
        TfrmGrid twice(other.app, nullptr);
        QVERIFY(!twice.cbSecond->isEnabled());
    }

    void printsALeagueToPdfWithoutAWindow() {
        GuiHarness harness;
        const std::string league = WriteLeague(harness);
        const std::string pdf = harness.folder.file("table.pdf");
        QCOMPARE(RunHeadless({"--print", "table", league, "--pdf", pdf, "--short", "--as-at", "01/03/2025"}),
                 0);
        std::ifstream in(pdf, std::ios::binary);
        std::string start(5, ' ');
        in.read(start.data(), 5);
        QCOMPARE(QString::fromStdString(start), QStringLiteral("%PDF-"));
        QCOMPARE(
            RunHeadless({"--print", "grid", league, "--pdf", harness.folder.file("grid.pdf"), "--second"}),
            0);
        QCOMPARE(RunHeadless({"--print", "chart", league, "--pdf", pdf}), 1);
        QCOMPARE(RunHeadless({"--print", "table", harness.folder.file("none.div"), "--pdf", pdf}), 1);
    }
};

} // namespace

VANTOREL_GUI_TEST(TableViewTest);

} // namespace vantorel::testing

#include "TableViewTest.moc"
