#include <QProgressBar>

#include "GuiHarness.h"
#include "outlook/OutlookPage.h"
#include "support/SyntheticSeason.h"

namespace vantorel::testing {
namespace {

class OutlookPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theOutlookArrivesInTableOrderWithItsSettledZones() {
        GuiHarness harness;
        auto season = MakeSyntheticSeason(6, 2, 3, SpreadStrengths(6), 3);
        testing::Edit(*season).Header().RelegateCount = 1;
        OpenWorkspace window(harness, harness.Save(*season, "season.div"));
        window.ShowPage(WorkspacePage::Outlook);
        QCOMPARE(window.helpContext(), 1600);
        OutlookPage& page = *window.outlookPage;
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        QVERIFY(page.shown() && page.OutlookTable->rowCount() == 6);
        // At the end of the season every position is settled: the champions' title cell says so exactly.
        QCOMPARE(Texts(page.OutlookTable->item(0, 7), page.OutlookTable->item(0, 8)),
                 (QStringList{u"Champions"_s, u"\u2713 100.0"_s}));
        QVERIFY(!page.OutlookTable->item(0, 4)->toolTip().isEmpty() && !page.btnCancel->isVisible());
    }

    void steppingBackReopensTheSeasonAndCancelKeepsTheExactPart() {
        GuiHarness harness;
        auto season = MakeSyntheticSeason(20, 2, 3, SpreadStrengths(20), 3);
        OpenWorkspace window(harness, harness.Save(*season, "season.div"));
        window.ShowPage(WorkspacePage::Outlook);
        OutlookPage& page = *window.outlookPage;
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        for (int step = 0; step < 20; ++step)
            page.btnSpinDown->click();
        page.btnCancelClick();
        QTRY_VERIFY_WITH_TIMEOUT(!page.busy(), 20000);
        QVERIFY(page.shown() && page.shown()->start.open.size() > 100u &&
                page.OutlookTable->rowCount() == 20);
    }
};

} // namespace
VANTOREL_GUI_TEST(OutlookPageTest);
} // namespace vantorel::testing

#include "OutlookPageTest.moc"
