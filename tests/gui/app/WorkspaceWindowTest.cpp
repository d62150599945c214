#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>

#include "GuiHarness.h"
#include "app/LeagueSettings.h"
#include "outlook/OutlookPage.h"
#include "platform/AccessibleNames.h"

namespace vantorel::testing {
namespace {

// A league of 20 teams meeting twice with two match days played.
std::string WritePlayedLeague(GuiHarness& harness) {
    auto league = MakeLeague(20, 2);
    auto& header = testing::Edit(*league).Header();
    std::tie(header.PromoteCount, header.PlayoffCount, header.RelegateCount, header.OwnTeam) =
        std::tuple(2, 4, 3, 5);
    for (int r = 1; r <= 20; ++r)
        PlayFixture(*league, r, r % 3, 1, r <= 10 ? 40000 : 40007);
    return harness.Save(*league, "played.div");
}

class WorkspaceWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closingAsksToSaveOnlyAfterAChangeAndSaveLeavesNothingToSave() {
        GuiHarness harness;
        const std::string path = WritePlayedLeague(harness);
        OpenWorkspace window(harness, path);
        QVERIFY(!window.PopupMenu1Popup()->actions().isEmpty() && !window.miSave->isEnabled());
        QVERIFY(window.close() && harness.prompts.shown.empty());

        // Save on the popup menu saves (what it writes is the workspace's test), leaving nothing to save.
        QVERIFY(window.OpenLeague(path) && SetDeduction(*harness.division, 2, 1));
        window.PopupMenu1Popup(); // the menu enables Save as it opens
        window.miSave->trigger();
        window.PopupMenu1Popup();
        QVERIFY(!harness.division->DataChanged() && !window.miSave->isEnabled());

        window.show();
        QVERIFY(SetDeduction(*harness.division, 1, 3));
        window.PopupMenu1Popup();
        QVERIFY(window.miSave->isEnabled());
        harness.prompts.answers = {Answer::Cancel, Answer::No};
        QVERIFY(!window.close() && window.isVisible());
        QCOMPARE(harness.lastPrompt(), u"Table data updated ! Do you want to save the changes?"_s);
        QVERIFY(window.close()); // what No and Yes do to the file is the workspace's own test
    }

    void theKeyboardStepsRoundThePagesWhereverTheFocusIs() {
        GuiHarness harness;
        OpenWorkspace window(harness, WritePlayedLeague(harness));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const int pages = window.TabSet1->count();
        QTest::keyClick(window.tablePage->DivTable, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(window.TabSet1->currentIndex(), pages - 1);
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window.TabSet1->currentIndex(), 0);
        // Ctrl+P prints the table, the outlook and the team's summary, and has nothing to print elsewhere.
        QTest::keyClick(window.focusWidget(), Qt::Key_P, Qt::ControlModifier);
        window.TabSet1->setCurrentIndex(int(WorkspacePage::Outlook));
        QTRY_VERIFY_WITH_TIMEOUT(!window.outlookPage->busy(), 20000);
        QTest::keyClick(window.focusWidget(), Qt::Key_P, Qt::ControlModifier);
        window.TabSet1->setCurrentIndex(int(WorkspacePage::TeamStatistics));
        QTest::keyClick(window.focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(harness.printJobs, (QStringList{u"Vantorel League Table"_s, u"Vantorel Outlook"_s,
                                                 u"Vantorel Team Summary"_s}));
        window.TabSet1->setCurrentIndex(0);
        QTest::keyClick(window.focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.TabSet1->currentIndex(), pages - 1);
        QTest::keyClick(window.focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(harness.prompts.beeps, 1);
        // In the "Game:" list Ctrl+PgDn moves on and picks no home team, so nothing is left half entered.
        const int enter = int(WorkspacePage::EnterResults);
        window.TabSet1->setCurrentIndex(enter);
        QComboBox* game = window.enterPage->HomeList;
        game->setFocus();
        QTest::keyClick(game, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(window.TabSet1->currentIndex(), enter + 1);
        QVERIFY(game->currentIndex() == -1 && !window.workspace().ResultPending);
        // Ctrl+S saves only a changed league; Ctrl+W closes.
        QTest::keyClick(window.focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(harness.prompts.beeps, 2);
        window.TabSet1->setCurrentIndex(0);
        QTest::keyClick(window.tablePage->DivTable, Qt::Key_Menu); // the table's menu
        QVERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QApplication::activePopupWidget()->close();
        QTest::keyClick(window.focusWidget(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    void aLeagueReopensOnThePageAndTabItWasLeftOn() {
        GuiHarness harness;
        const std::string path = WritePlayedLeague(harness);
        {
            OpenWorkspace window(harness, path);
            window.ShowTab(MaintenanceTab::Players);
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(window.focusWidget(), Qt::Key_Q, Qt::ControlModifier); // closes to quit
            QVERIFY(!window.isVisible() && window.quitRequested());
        }
        OpenWorkspace window(harness, path, false);
        QCOMPARE(std::tuple(window.TabSet1->currentIndex(), window.Notebook1->currentIndex(),
                            window.maintenancePage->TabbedNotebook1->currentIndex(), window.helpContext()),
                 std::tuple(int(WorkspacePage::TableMaintenance), int(WorkspacePage::TableMaintenance),
                            int(MaintenanceTab::Players), 930));
    }

    void everyInputOfEveryPageHasAName() {
        GuiHarness harness;
        OpenWorkspace window(harness, WritePlayedLeague(harness));
        NameInputs(window);
        QSet<const QWidget*> labelled;
        for (const QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy())
                labelled.insert(label->buddy());
        QStringList unnamed;
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            const bool input = button || qobject_cast<const QComboBox*>(widget) ||
                               qobject_cast<const QAbstractSpinBox*>(widget) ||
                               qobject_cast<const QAbstractItemView*>(widget) ||
                               (qobject_cast<const QLineEdit*>(widget) &&
                                !qobject_cast<QComboBox*>(widget->parentWidget()) &&
                                !qobject_cast<QAbstractSpinBox*>(widget->parentWidget()));
            // Pop-up lists of combo boxes are windows of their own; what takes no focus is not an input.
            if (!input || widget->window() != &window || widget->focusPolicy() == Qt::NoFocus ||
                qobject_cast<const QTabBar*>(widget->parentWidget()))
                continue;
            const bool named = !widget->accessibleName().isEmpty() || labelled.contains(widget) ||
                               (button && !button->text().isEmpty() && button->text() != u"..."_s);
            if (!named)
                unnamed.append(QString(QString::fromUtf8(widget->metaObject()->className()) + u" in "_s +
                                       QString::fromUtf8(widget->parentWidget()->metaObject()->className())));
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));
        QCOMPARE(Unplaced(window), QStringList{}); // and every widget stands in its page's layout
        const LeagueTablePage& table = *window.tablePage;
        QVERIFY(table.btnSpinUp->accessibleName() != table.btnSpinDown->accessibleName());
        QCOMPARE(table.DivTable->accessibleName(), u"League table"_s);
    }

    // Wrong running totals are recomputed as the league opens (the workspace's own test), and the user told
    // once.
    void theUserIsToldOnceThatWrongRunningTotalsWereRecomputed() {
        GuiHarness harness;
        auto league = MakeLeague(4, 2);
        PlayFixture(*league, 1, 2, 0, 40000);
        testing::Edit(*league).Team(1).Points = 30;
        OpenWorkspace window(harness, harness.Save(*league, "wrong.div"), false);
        QCOMPARE(harness.prompts.texts(), std::vector<std::string>{kTotalsRecomputedMessage});
    }

    void theTableShowsZonesTheOwnTeamAndEachFormat() {
        GuiHarness harness;
        harness.app.settings.ShowPoss = true;
        OpenWorkspace window(harness, WritePlayedLeague(harness));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        LeagueTablePage& page = *window.tablePage;
        QVERIFY(page.cbShowPoss->isChecked());
        QCOMPARE(std::pair(page.DivTable->columnCount(), page.DivTable->rowCount()), std::pair(16, 20));
        const QImage drawn = page.DivTable->viewport()->grab().toImage();
        // The cell of the team at a table position: the headings are the header's.
        auto cellRect = [&](int position, int column) {
            return page.DivTable->visualRect(page.DivTable->model()->index(position - 1, column));
        };
        // The zone colour is drawn in a cell's corner, where no text reaches; the own team's name is drawn in
        // the own-team colour, wherever it stands.
        const QColor zones[] = {{255, 255, 0}, {0, 255, 0}, Qt::white, {0, 255, 255}};
        for (int row = 1; row <= 20; ++row) {
            const QRect cell = cellRect(row, 3);
            QCOMPARE(QColor(drawn.pixel(cell.left() + 1, cell.bottom() - 1)),
                     zones[(row > 2) + (row > 6) + (row > 17)]);
            QCOMPARE(Drawn(drawn, Qt::red, cellRect(row, 1).adjusted(0, 0, -1, -1)),
                     page.DivTable->item(row - 1, 1)->text() == u"Team 05"_s);
        }
        page.cbShort->click();
        QVERIFY(page.DivTable->columnCount() == 11 &&
                page.DivTable->horizontalHeaderItem(10)->text() == u"PP"_s);
        page.cbShowPoss->click();
        QCOMPARE(page.DivTable->columnCount(), 10);
        page.cbShort->click();
        QVERIFY(page.DivTable->columnCount() == 15 &&
                page.DivTable->horizontalHeaderItem(14)->text() == u"Pts"_s);
        window.close();
    }

    void fitsSmallScreensWithTheTableScrollingSideways_data() {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("640 x 480") << QSize(640, 480);
        QTest::newRow("800 x 600") << QSize(800, 600);
    }

    void fitsSmallScreensWithTheTableScrollingSideways() {
        QFETCH(QSize, screen);
        // The area left by a title bar and a task bar.
        const QRect available(QPoint(0, 0), screen - QSize(0, 60));
        GuiHarness harness;
        OpenWorkspace window(harness, WritePlayedLeague(harness), false);
        window.FitToScreen(available);
        window.setWindowState(Qt::WindowNoState); // what the window needs, not what maximising gives it
        window.show();
        for (int page = 0; page < window.Notebook1->count(); ++page) {
            window.TabSet1->setCurrentIndex(page);
            const QSize needed = window.layout()->totalMinimumSize();
            QVERIFY2(
                needed.width() <= available.width() && needed.height() <= available.height(),
                qPrintable(u"page %1 needs %2 x %3"_s.arg(page).arg(needed.width()).arg(needed.height())));
        }
        QVERIFY(available.contains(QRect(QPoint(0, 0), window.size())));

        // In the full format every column shows its widest text, and what does not fit scrolls.
        window.TabSet1->setCurrentIndex(0);
        window.resize(available.size());
        QApplication::processEvents();
        QTableWidget* table = window.tablePage->DivTable;
        int total = 0;
        for (int c = 0; c < table->columnCount(); ++c) {
            total += table->columnWidth(c);
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY(table->fontMetrics().horizontalAdvance(table->item(row, c)->text()) <
                        table->columnWidth(c));
        }
        if (total > table->viewport()->width())
            QVERIFY(table->horizontalScrollBar()->isVisible());
        window.close();
    }

    void everyPageHasAnExitThatClosesTheWorkspaceAndABadFileIsNotOpened() {
        GuiHarness harness;
        const std::string path = WritePlayedLeague(harness);
        TfrmProcess window(harness.app);
        for (int page = 0; page < window.Notebook1->count(); ++page) {
            QVERIFY(window.OpenLeague(path));
            window.show();
            window.TabSet1->setCurrentIndex(page);
            auto* exit =
                window.Notebook1->currentWidget()->findChild<QPushButton*>(u"btnExit%1"_s.arg(page + 1));
            QVERIFY2(exit && exit->isVisible() && exit->text() == u"Exit"_s,
                     qPrintable(u"page %1"_s.arg(page)));
            exit->click();
            QVERIFY(!window.isVisible());
        }
        // A file that cannot be loaded is not opened.
        std::ofstream(harness.app.leagueFolder + "cut.div") << "DIVHD";
        QVERIFY(!window.OpenLeague(harness.app.leagueFolder + "cut.div"));
        QCOMPARE(harness.lastPrompt(), u"Read beyond end of file"_s);
    }

    void theAsAtDateStepsThroughMatchDatesAndBeepsAtTheEnds() {
        GuiHarness harness;
        OpenWorkspace window(harness, WritePlayedLeague(harness), false);
        LeagueTablePage& page = *window.tablePage;
        auto played = [&] {
            return page.DivTable->item(0, 2)->text().toInt() + page.DivTable->item(19, 2)->text().toInt();
        };
        const int atEnd = played();
        page.btnSpinUp->click();
        QCOMPARE(harness.prompts.beeps, 1);
        page.btnSpinDown->click();
        QVERIFY(played() < atEnd);
        // The table's width, once every layout of the window has been worked out afresh.
        window.show();
        auto tableWidth = [&] {
            for (QLayout* layout : window.findChildren<QLayout*>())
                layout->invalidate();
            window.layout()->activate();
            return page.DivTable->width();
        };
        const int dated = tableWidth();
        page.btnSpinDown->click();
        QVERIFY(played() == 0 && page.lbDivDate->text() == u"Before the first match"_s);
        QCOMPARE(tableWidth(), dated); // the panel beside it keeps its width
        page.btnSpinDown->click();
        QCOMPARE(harness.prompts.beeps, 2);
        page.RadioGroup1->button(2)->click();
        QVERIFY(!page.btnSpinUp->isEnabled());
        page.RadioGroup1->button(0)->click();
        QVERIFY(page.btnSpinUp->isEnabled() && played() == atEnd);
    }
};

} // namespace
VANTOREL_GUI_TEST(WorkspaceWindowTest);
} // namespace vantorel::testing

#include "WorkspaceWindowTest.moc"
