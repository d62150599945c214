#include <map>

#include <QHeaderView>
#include <QTableView>

#include "GuiHarness.h"
#include "results/MatchDaysBox.h"
#include "results/PredictResultsPage.h"
#include "results/Predictions.h"
#include "results/ResultListModel.h"
#include "results/ResultsTab.h"
#include "results/TfrmChScore.h"
#include "results/TfrmPredict.h"
#include "results/TfrmSchedule.h"

namespace vantorel::testing {
namespace {

QString Cell(QTableView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

void ClickCell(QTableView* grid, int row, int column, bool twice = false) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    if (twice)
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// A day as the league's date format writes it.
QString Shown(const GuiHarness& harness, double day) {
    return QString::fromStdString(harness.app.dateFormat.Format(day));
}

class ResultsPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enteringWithholdsTheTeamsAndRefusesBadInput() {
        GuiHarness harness;
        auto league = MakeLeague(4, 2);
        testing::Edit(*league).Result(2).Predicted = true; // Team 01 v Team 03, 0-0
        OpenWorkspace window(harness, *league, WorkspacePage::EnterResults);
        EnterResultsPage& page = *window.enterPage;
        QVERIFY(page.HomeList->count() == 4 && !page.btnUpdate->isEnabled());
        QVERIFY(!page.cbTrackGoals->isEnabled()); // no goal dialog to ask with

        Choose(page.HomeList, u"Team 01"_s);
        QCOMPARE(page.AwayList->count(), 3);
        page.btnUpdate->click(); // enabled now
        QCOMPARE(harness.lastPrompt(), u"You have not selected both teams"_s);
        Choose(page.AwayList, u"Team 03"_s);
        QCOMPARE(page.panResults->text(), u"Predicted result for this match: 0-0"_s);
        // A half-entered result keeps the page (shown by the tabs even during the warning) and the window.
        int tabDuringWarning = -1;
        harness.prompts.whileWarning = [&] { tabDuringWarning = window.TabSet1->currentIndex(); };
        window.ShowPage(WorkspacePage::LeagueTable);
        const int enter = static_cast<int>(WorkspacePage::EnterResults);
        QCOMPARE(std::pair(tabDuringWarning, window.TabSet1->currentIndex()), std::pair(enter, enter));
        QVERIFY(!window.close());
        const std::string pending = "Result update in progress. Complete it or cancel";
        QCOMPARE(harness.prompts.texts(),
                 (std::vector<std::string>{"You have not selected both teams", pending, pending}));

        page.edAttend->setText(u"12a"_s);
        page.btnUpdate->click();
        QVERIFY(harness.lastPrompt() == u"Input is invalid, please correct"_s &&
                !harness.division->DataChanged());
        page.edAttend->setText(u"1200"_s);
        page.Score1->setValue(2);
        QTest::keyClick(page.edAttend, Qt::Key_Return);
        QCOMPARE(page.panResults->text(), u"Team 01 v Team 03 Result recorded"_s);
        QCOMPARE(std::pair(harness.division->Results[2].Attendance, harness.division->Results[2].MatchDate),
                 std::pair(1200, 46000.0));
        QVERIFY(page.HomeList->count() == 2 && !window.workspace().ResultPending);

        Choose(page.HomeList, u"Team 02"_s);
        QTest::keyClick(page.HomeList, Qt::Key_Escape);
        QCOMPARE(page.panResults->text(), u"Result input canceled"_s);
        harness.pickedDates = {46007};
        page.btnCal->click();
        QVERIFY(page.HomeList->count() == 4 && page.Date1->text() == Shown(harness, 46007));
    }

    void aPlayedOutLeagueOffersNoTeam() {
        GuiHarness harness;
        auto league = MakeLeague(4, 1);
        for (int r = 1; r <= league->Header().ResultCount; ++r)
            PlayFixture(*league, r, 1, 0, 40000);
        OpenWorkspace window(harness, *league, WorkspacePage::EnterResults);
        QCOMPARE(window.enterPage->HomeList->count(), 0);
        QCOMPARE(window.enterPage->panResults->text(), u"All matches have been played !"_s);
        window.ShowPage(WorkspacePage::PredictResults);
        PredictResultsPage& predict = *window.predictPage;
        QCOMPARE(predict.panPredict->text(), u"All games have been played"_s);
        QVERIFY(predict.sgPredict->isHidden() && predict.btnPrScore->isHidden());
    }

    void theResultsTabCorrectsAndCancelsResults() {
        GuiHarness harness;
        auto league = MakeLeague(4, 2);
        PlayFixture(*league, 1, 0, 31, 40000); // Team 01 v Team 02, entered with the wider away range
        PlayFixture(*league, 12, 1, 0, 40001); // Team 04 v Team 03
        testing::Edit(*league).Result(1).Attendance = 5000;
        testing::Edit(*league).Result(12).Attendance = 12000;
        OpenWorkspace window(harness, harness.Save(*league, "r.div"));
        std::vector<int> squadsShown;
        harness.app.showSquads = [&](QWidget*, int result) { squadsShown.push_back(result); };
        window.ShowTab(MaintenanceTab::Results);
        ResultsTab& tab = *window.maintenancePage->resultsTab;
        QTableView* grid = tab.sgResults;
        QVERIFY(grid->model()->rowCount() == 2 && Cell(grid, 0, 2) == u"Team 01"_s); // by home team
        QTest::mouseClick(tab.hcResults->viewport(), Qt::LeftButton, {},
                          QPoint(tab.hcResults->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(Cell(grid, 0, 1), u"12,000"_s); // the largest crowd first

        grid->setCurrentIndex(grid->model()->index(0, 0));
        tab.btnSquad->click();
        QCOMPARE(squadsShown, (std::vector<int>{12}));

        // Team 04 v Team 03 is moved to another day, and its 1-0 becomes 1-1 (Return opens the score).
        harness.pickedDates = {40010};
        const QSignalSpy changed(grid->model(), &QAbstractItemModel::dataChanged); // the row is redrawn
        tab.btnChDate->click();
        QVERIFY(!changed.isEmpty());
        QVERIFY(Cell(grid, 0, 0) == u"16/07/2009"_s && harness.division->Results[12].MatchDate == 40010);
        QCOMPARE(harness.app.edits->UndoCaption(), "Undo: re-date Team 04 v Team 03"s);
        QTest::keyClick(grid, Qt::Key_Return);
        TfrmChScore& dialog = Opened<TfrmChScore>(tab);
        dialog.udAgainst->setValue(1);
        dialog.edAttend->setText(u"12a"_s);
        dialog.BitBtn2->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(harness.lastPrompt(), u"Attendance figure is not numeric"_s);
        dialog.edAttend->setText(u"11000"_s);
        dialog.BitBtn2->click();
        // The grid shows the new score and crowd; the running totals follow in the result model.
        QCOMPARE(std::pair(Cell(grid, 0, 5), Cell(grid, 0, 1)), std::pair(u"1"_s, u"11,000"_s));

        harness.prompts.answers = {Answer::Yes};
        tab.btnRemove->click();
        QCOMPARE(harness.lastPrompt(), u"Cancel result for Team 04 v Team 03"_s);
        QVERIFY(Cell(grid, 0, 0) == u"  N/A"_s && !harness.division->Results[12].Played);
        tab.btnChDate->click();
        QCOMPARE(harness.prompts.beeps, 1);
        tab.hcResultsSectionClick(0);
        QCOMPARE(grid->model()->rowCount(), 1);

        // A score above the dialog's range survives a change of the crowd.
        QTRY_VERIFY(!FindOpened<TfrmChScore>(tab)); // the last dialog is gone
        grid->setCurrentIndex(grid->model()->index(0, 0));
        tab.btnChScore->click();
        TfrmChScore& crowd = Opened<TfrmChScore>(tab);
        crowd.edAttend->setText(u"900"_s);
        crowd.BitBtn2->click();
        QCOMPARE(std::tuple(harness.division->Results[1].AwayGoals, harness.division->Results[1].Attendance),
                 std::tuple(31, 900));
        // Delete asks to cancel the selected result too.
        harness.prompts.answers = {Answer::No};
        QTest::keyClick(grid, Qt::Key_Delete);
        QVERIFY(harness.lastPrompt() == u"Cancel result for Team 01 v Team 02"_s &&
                harness.division->Results[1].Played);
        // Squads stands left of Delete, which is the rightmost button.
        QVERIFY(tab.btnSquad->geometry().right() < tab.btnRemove->geometry().left());
    }

    void predictionsTickSpinAndTakeDates() {
        GuiHarness harness;
        OpenWorkspace window(harness, *MakeLeague(4, 2), WorkspacePage::PredictResults);
        PredictResultsPage& page = *window.predictPage;
        QTableView* grid = page.sgPredict;
        QCOMPARE(page.panPredict->text(), u"Remaining 12 Games"_s);
        const int first = page.model->list().At(0);

        ClickCell(grid, 0, 0, true); // a quick second click arrives as a double click, and unticks
        QVERIFY(!harness.division->Results[first].Predicted);
        QCOMPARE(Cell(grid, 0, 1), u" "_s); // still undated: nothing set yet
        ClickCell(grid, 0, 0);
        QVERIFY(harness.division->Results[first].Predicted &&
                !grid->model()->index(0, 0).data(Qt::DecorationRole).isNull()); // the tick shows
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(!harness.division->Results[first].Predicted);

        grid->setCurrentIndex(grid->model()->index(0, 5));
        QVERIFY(page.sbScore->isVisible());
        const auto spin = [&page](Qt::ArrowType arrow) {
            for (QToolButton* half : page.sbScore->findChildren<QToolButton*>())
                if (half->arrowType() == arrow)
                    return half;
            throw std::runtime_error("no spin half");
        };
        spin(Qt::DownArrow)->click();
        QCOMPARE(harness.prompts.beeps, 1);
        QTest::keyClick(grid, Qt::Key_Plus);
        spin(Qt::UpArrow)->click();
        QVERIFY(harness.division->Results[first].AwayGoals == 2 &&
                harness.division->Results[first].Predicted);
        QCOMPARE(Cell(grid, 0, 5), u"2"_s);

        // Right after opening a double click does nothing; after a Set Date it copies that date.
        const int second = page.model->list().At(1);
        grid->setCurrentIndex(grid->model()->index(1, 1));
        QVERIFY(!page.sbScore->isVisible()); // only a score cell has the spin button
        page.sgPredictDblClick();
        QCOMPARE(harness.division->Results[second].MatchDate, 0.0);
        grid->setCurrentIndex(grid->model()->index(0, 1));
        harness.pickedDates = {46010};
        page.btnPrDate->click();
        QVERIFY(harness.division->Results[first].MatchDate == 46010 &&
                harness.calendarStarts.back() == 46000);
        grid->setCurrentIndex(grid->model()->index(1, 1));
        page.sgPredictDblClick();
        QCOMPARE(harness.division->Results[second].MatchDate, 46010.0);

        QTest::keyClick(grid, Qt::Key_Return); // opens the score dialog as Set Score does
        Opened<TfrmPredict>(page).reject();
        QTRY_VERIFY(!FindOpened<TfrmPredict>(page));
        page.btnPrScore->click();
        TfrmPredict& dialog = Opened<TfrmPredict>(page);
        QCOMPARE(dialog.edDate->text(), Shown(harness, 46010));
        dialog.udFor->setValue(3);
        dialog.udAgainst->setValue(kMaxPredictedGoals); // the largest score a match holds
        dialog.btnOK->click();
        QVERIFY(harness.division->Results[second].HomeGoals == 3 &&
                harness.division->Results[second].AwayGoals == kMaxPredictedGoals &&
                harness.division->Results[second].Predicted);
        QCOMPARE(Cell(grid, 1, 4), u"3"_s);

        page.hcPredictSectionClick(0); // the ticked fixtures first, by date
        QCOMPARE(std::pair(page.model->list().At(0), page.model->list().At(1)), std::pair(first, second));
    }

    void matchDaysDateTheOpenFixturesAndEntryOffersThemAndAsksForEachGoal() {
        GuiHarness harness;
        std::vector<std::pair<int, int>> asked; // goal, its number for its side
        harness.app.askGoalDetails = [&](QWidget*, int goal, int number) {
            asked.emplace_back(goal, number);
        };
        OpenWorkspace window(harness, *MakeLeague(4, 2), WorkspacePage::PredictResults);
        PredictResultsPage& page = *window.predictPage;
        page.btnPrSchedule->click();
        TfrmSchedule& dialog = Opened<TfrmSchedule>(page);
        harness.pickedDates = {46010};
        dialog.gbMatchDays->btnFirstDate->click();
        dialog.gbMatchDays->seEvery->setValue(3);
        dialog.gbMatchDays->edSkip->setText(u"not a date"_s);
        dialog.btnOK->click();
        QVERIFY(dialog.isVisible() && !harness.division->DataChanged());
        dialog.gbMatchDays->edSkip->setText(Shown(harness, 46013));
        dialog.btnOK->click();
        QTRY_VERIFY(!FindOpened<TfrmSchedule>(page));
        QVERIFY(harness.division->DataChanged());
        // Six match days of two matches, the second moved past the skipped date; the grid shows them.
        const int first = page.model->list().At(0);
        QCOMPARE(Cell(page.sgPredict, 0, 1), Shown(harness, harness.division->Results[first].MatchDate));
        std::map<double, int> perDay;
        for (int r = 1; r <= 12; ++r)
            ++perDay[harness.division->Results[r].MatchDate];
        QCOMPARE(perDay, (std::map<double, int>{
                             {46010, 2}, {46016, 2}, {46019, 2}, {46022, 2}, {46025, 2}, {46028, 2}}));

        // Entering a result offers the fixture's own date (until a date is picked: the entry session's own
        // test); with goals tracked each goal is asked for.
        window.ShowPage(WorkspacePage::EnterResults);
        EnterResultsPage& entry = *window.enterPage;
        entry.cbTrackGoals->click();
        QVERIFY(harness.division->Header().TrackGoals);
        const int fixture = harness.division->FindFixture(2, 1);
        const double scheduled = harness.division->Results[fixture].MatchDate;
        Choose(entry.HomeList, u"Team 02"_s);
        Choose(entry.AwayList, u"Team 01"_s);
        QCOMPARE(entry.Date1->text(), Shown(harness, scheduled));
        entry.Score1->setValue(2);
        entry.Score2->setValue(1);
        entry.btnUpdate->click();
        QVERIFY(harness.division->Results[fixture].Played &&
                harness.division->Results[fixture].MatchDate == scheduled);
        QCOMPARE(asked, (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 1}}));
    }
};

} // namespace
VANTOREL_GUI_TEST(ResultsPagesTest);
} // namespace vantorel::testing

#include "ResultsPagesTest.moc"
