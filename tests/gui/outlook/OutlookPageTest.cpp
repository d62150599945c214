#include <algorithm>

#include <QProgressBar>

#include "GuiHarness.h"
#include "outlook/OutlookPage.h"
#include "outlook/TfrmOutlookChart.h"
#include "support/SyntheticSeason.h"

namespace vantorel::testing {
namespace {

class OutlookPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The outlook arrives in table order with its settled zones, and coming back shows the same outlook until
    // the league changes.
    void theOutlookArrivesWithItsSettledZonesAndIsKeptUntilTheLeagueChanges() {
        GuiHarness harness;
        auto season = MakeSyntheticSeason(6, 2, 3, SpreadStrengths(6), 3);
        testing::Edit(*season).Header().RelegateCount = 1;
        OpenWorkspace window(harness, *season, WorkspacePage::Outlook);
        OutlookPage& page = *window.outlookPage;
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        QVERIFY(page.shown() && page.OutlookTable->rowCount() == 6);
        // At the end of the season every position is settled: the champions' title cell says so exactly.
        QCOMPARE(Texts(page.OutlookTable->item(0, 0), page.OutlookTable->item(0, 7),
                       page.OutlookTable->item(0, 8)),
                 (QStringList{u"1"_s, u"Champions"_s, u"\u2713 100.0"_s}));
        QVERIFY(!page.OutlookTable->item(0, 4)->toolTip().isEmpty() && !page.btnCancel->isVisible());
        // The export writes the headings and a line a team.
        const std::string csv = harness.folder.file("outlook.csv");
        harness.chosenExportFiles = {QString::fromStdString(csv)};
        page.btnExportClick();
        QCOMPARE(std::ranges::count(FileText(csv), '\n'), 7);
        // Printed, saved as a picture and charted team by team, each with the deep blue of a certainty.
        const QColor certain(40, 90, 190);
        page.btnPrint->click();
        QVERIFY(harness.printJobs == QStringList{u"Vantorel Outlook"_s} &&
                Drawn(harness.printedPage, certain));
        harness.chosenPictureFiles = {QString::fromStdString(harness.folder.file("outlook"))};
        page.btnPicture->click();
        QCOMPARE(harness.offeredPictureFiles.value(0),
                 QString::fromStdString(harness.app.leagueFolder) + u"Outlook.png"_s);
        const QImage picture(QString::fromStdString(harness.folder.file("outlook.png")));
        QVERIFY(picture.size() == QSize(1600, 900) && Drawn(picture, certain));
        page.OutlookTable->setCurrentCell(1, 0);
        page.OutlookTable->setFocus();
        QTest::keyClick(page.OutlookTable, Qt::Key_Return);
        auto& chart = Opened<TfrmOutlookChart>(page);
        QCOMPARE(chart.windowTitle(), page.OutlookTable->item(1, 1)->text() + u" - Outlook"_s);
        QVERIFY(Drawn(chart.grab().toImage(), certain));
        chart.close();

        const Outlook* first = page.shown();
        harness.app.dateFormat = *DateFormat::FromPattern("yyyy-MM-dd");
        window.ShowPage(WorkspacePage::LeagueTable);
        window.ShowPage(WorkspacePage::Outlook);
        QVERIFY(!page.busy());
        QCOMPARE(page.shown(), first);
        // The dates shown follow the date format all the same.
        QVERIFY(page.lbDivDate->text().startsWith(u"20"_s) &&
                page.lbCaption->text().startsWith(u"As at 20"_s));

        const int leader = first->start.table.TableOrder[1];
        testing::Edit(harness.app.division).Team(leader).Name = ShortString<30>("Renamed Rovers");
        window.ShowPage(WorkspacePage::LeagueTable);
        window.ShowPage(WorkspacePage::Outlook);
        QVERIFY(page.busy());
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        QCOMPARE(page.OutlookTable->item(0, 1)->text(), u"Renamed Rovers"_s);

        // A date from the calendar starts it again as at that date; there is nothing before the first match.
        harness.pickedDates = {SyntheticRoundDate(1)};
        page.btnDivDate->click();
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        QCOMPARE(page.shown()->start.open.size(), std::size_t{24});
        for (int step = 0; step < 3; ++step)
            page.btnSpinDown->click();
        QCOMPARE(harness.prompts.beeps, 1);
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
    }

    void steppingBackReopensTheSeasonAndCancelKeepsTheExactPart() {
        GuiHarness harness;
        auto season = MakeSyntheticSeason(20, 2, 3, SpreadStrengths(20), 3);
        OpenWorkspace window(harness, *season, WorkspacePage::Outlook);
        OutlookPage& page = *window.outlookPage;
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        for (int step = 0; step < 20; ++step)
            page.btnSpinDown->click();
        page.btnCancelClick();
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        QVERIFY(page.shown() && page.shown()->start.open.size() > 100u &&
                page.OutlookTable->rowCount() == 20);
        // A cancelled outlook is not kept: coming back at the same date simulates again.
        window.ShowPage(WorkspacePage::LeagueTable);
        for (int step = 0; step < 20; ++step)
            window.tablePage->btnSpinDown->click();
        window.ShowPage(WorkspacePage::Outlook);
        page.btnCancelClick();
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        page.Refresh();
        QVERIFY(page.busy());
    }
};

} // namespace
VANTOREL_GUI_TEST(OutlookPageTest);
} // namespace vantorel::testing

#include "OutlookPageTest.moc"
