#include <fstream>
#include <regex>

#include <QHeaderView>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "standings/LeagueTablePage.h"
#include "results/TfrmResult.h"
#include "stats/TeamStatisticsPage.h"
#include "stats/TfrmPlayer.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel::testing {
namespace {

using namespace Qt::StringLiterals;

// Six teams meeting twice; team 1 has played four games, one with a squad and a goal of its player "Ann",
// and its supporters are the own team's.
std::string WriteTeamLeague(GuiHarness& harness) {
    auto league = MakeLeague(6, 2);
    testing::Edit(*league).Header().OwnTeam = 3;
    testing::Edit(*league).Header().TrackGoals = true;
    PlayerRecord ann;
    ann.Name.assignStored("Ann");
    ann.Team = 1;
    (void)AddPlayer(*league, ann);
    const int scored = league->FindFixture(1, 2);
    PlayFixture(*league, scored, 3, 0, 45000);
    PlayFixture(*league, league->FindFixture(3, 1), 2, 2, 45007);
    PlayFixture(*league, league->FindFixture(1, 4), 1, 0, 45014);
    PlayFixture(*league, league->FindFixture(5, 1), 4, 1, 45021);
    (void)AddGoal(*league, {static_cast<std::uint16_t>(scored), 1, 1, 20, false, false});
    ++testing::Edit(*league).Player(1).Goals;
    SquadRecord squad;
    squad.Result = static_cast<std::uint16_t>(scored);
    squad.Team = 1;
    squad.Entries[0] = {1, 0, 90, true, false, false};
    (void)AddSquad(*league, squad);
    testing::Edit(*league).Result(scored).HomeSquad = 1;
    return harness.Save(*league, "team.div");
}

class TeamStatisticsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theLeagueTableOpensATeamAndItsFiguresShow() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteTeamLeague(harness));
        TeamStatisticsPage& page = *window.teamStatsPage;
        QCOMPARE(page.SelTeamList->currentText(), QStringLiteral("Team 03")); // the own team first
        int row = 1;
        while (window.workspace().table.TableOrder[row] != 1)
            ++row;
        window.tablePage->DivTableDblClick(row);
        QCOMPARE(window.TabSet1->currentIndex(), static_cast<int>(WorkspacePage::TeamStatistics));
        QCOMPARE(window.helpContext(), 400);
        QCOMPARE(page.SelTeamList->currentText(), QStringLiteral("Team 01"));
        QCOMPARE(page.lblPoints->text(), QStringLiteral("7"));
        QCOMPARE(page.lblLost->text(), QStringLiteral("1"));
        QCOMPARE(page.hfHome->text() + page.hfHomeTeam->text(), QStringLiteral("3Team 02"));
        QCOMPARE(page.haAwayTeam->text(), QStringLiteral("Team 05"));
        QCOMPARE(page.hForm->text() + u'|' + page.aForm->text(), QStringLiteral("WW|DL"));
        QCOMPARE(page.labFormSum->text(), QStringLiteral("Not won away"));
        QCOMPARE(page.labHmClean->text(), QStringLiteral("2 (100%)"));
        QCOMPARE(Column(page.sgGames, 3),
                 (QStringList{u"Team 05"_s, u"Team 04"_s, u"Team 03"_s, u"Team 02"_s})); // newest first
        QCOMPARE(Column(page.sgTmPlayers, 1), QStringList{u"1"_s});
        // Only the H/A, F and A headings are centred.
        for (int c = 0; c < 6; ++c)
            QCOMPARE(page.sgGames->horizontalHeaderItem(c)->textAlignment() & Qt::AlignHorizontal_Mask,
                     int(c == 2 || c >= 4 ? Qt::AlignHCenter : Qt::AlignLeft));

        // The A heading sorts by most goals conceded, then fewest; the own team is drawn in its colour.
        page.hcGames->sectionClicked(5);
        QCOMPARE(Column(page.sgGames, 5), (QStringList{u"4"_s, u"2"_s, u"0"_s, u"0"_s}));
        page.hcGames->sectionClicked(5);
        QCOMPARE(Column(page.sgGames, 5), (QStringList{u"0"_s, u"0"_s, u"2"_s, u"4"_s}));
        QCOMPARE(page.GamesSortKey, 12);
        page.sgGames->setCurrentCell(3, 0);
        page.sgGamesDblClick();
        auto* details = window.findChild<TfrmResult*>();
        QVERIFY(details != nullptr);
        QVERIFY(details->isModal());
        details->reject();

        page.SelTeamList->setCurrentIndex(page.SelTeamList->findText(QStringLiteral("Team 06")));
        page.SelTeamListChange();
        QCOMPARE(page.labTotClean->text(), QStringLiteral("n/a"));
        QCOMPARE(page.sgGames->rowCount(), 1);
        QCOMPARE(page.GamesSortKey, 12); // the sort key stays with the next team
        window.close();
    }

    void thePlayerRecordAndThePrintoutFollowTheShownTeam() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteTeamLeague(harness));
        TeamStatisticsPage& page = *window.teamStatsPage;
        page.SelectTeam(1);
        window.ShowPage(WorkspacePage::TeamStatistics);
        page.btnTSPrint->click();
        QCOMPARE(harness.printJobs, QStringList{u"Vantorel Team Summary"_s});
        QCOMPARE(harness.printedPages, 1);

        QList<int> shownResults;
        page.onShowResult = [&shownResults](int result) { shownResults.append(result); };
        page.sgTmPlayers->setCurrentCell(0, 0);
        page.sgTmPlayersDblClick();
        auto* record = page.findChild<TfrmPlayer*>();
        QVERIFY(record != nullptr);
        QVERIFY(record->isModal());
        QCOMPARE(record->windowTitle(), QStringLiteral("Statistics for Ann (Team 01)"));
        QCOMPARE(record->lbYellow->text(), QStringLiteral("1"));
        QCOMPARE(record->sgGoals->rowCount(), 1);
        QCOMPARE(record->sgGoals->item(0, 1)->text(), QStringLiteral("Team 01 v Team 02"));
        const QImage bars = record->pbGoals->grab().toImage();
        QVERIFY(!bars.isNull());
        record->sgGoals->setCurrentCell(0, 0);
        record->sgGoalsDblClick(); // the one match: the oldest game
        record->BitBtn1->click();

        // The record window is kept, and shows the next player with nothing left of the last.
        QVERIFY(AddPlayer(*harness.division, PlayerRecord{ShortString<20>("Bob"), 1, 0}));
        page.Refresh();
        page.sgTmPlayers->setCurrentCell(Column(page.sgTmPlayers, 0).indexOf(u"Bob"_s), 0);
        page.sgTmPlayersDblClick();
        QCOMPARE(page.findChildren<TfrmPlayer*>().size(), 1);
        QCOMPARE(record->windowTitle(), QStringLiteral("Statistics for Bob (Team 01)"));
        QCOMPARE(record->lbYellow->text(), QStringLiteral("n/a")); // in no squad
        QCOMPARE(Column(record->sgGoals, 1), QStringList{QString()});
        record->BitBtn1->click();

        page.sgGames->setCurrentCell(0, 0);
        page.sgGamesDblClick();
        QCOMPARE(shownResults, (QList<int>{page.shown().games[3], page.shown().games[0]}));
        page.SelectTeam(6);
        page.SelTeamListChange();
        page.sgGames->setCurrentCell(0, 0);
        page.sgGamesDblClick();
        QCOMPARE(harness.prompts.beeps, 1); // below the last game
        window.close();
    }

    void theSummaryOfALongSeasonPrintsToPdfOnTwoPages() {
        GuiHarness harness;
        const std::string league = harness.Save(*MakeLargestLeague(), "largest.div");
        const std::string pdf = harness.folder.file("summary.pdf");
        QCOMPARE(RunHeadless({"--print", "summary", league, "--team", "Team 01", "--pdf", pdf}), 0);
        const std::string text = FileText(pdf);
        QVERIFY(text.starts_with("%PDF-"));
        const std::regex page("/Type\\s*/Page[^s]");
        QCOMPARE(std::distance(std::sregex_iterator(text.begin(), text.end(), page), std::sregex_iterator()),
                 2);
        QCOMPARE(RunHeadless({"--print", "summary", league, "--pdf", pdf}), 1);
        QCOMPARE(RunHeadless({"--print", "summary", league, "--team", "Team 99", "--pdf", pdf}), 1);
    }
};

} // namespace

VANTOREL_GUI_TEST(TeamStatisticsTest);

} // namespace vantorel::testing

#include "TeamStatisticsTest.moc"
