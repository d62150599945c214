#include <algorithm>

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTreeWidget>

#include "GuiHarness.h"
#include "players/Squads.h"
#include "results/TfrmResult.h"
#include "stats/DivisionStatsPage.h"
#include "stats/GoalStatsPage.h"
#include "stats/TeamStatisticsPage.h"
#include "stats/TfrmGraph.h"
#include "stats/TfrmPlayer.h"

namespace vantorel::testing {
namespace {

// Six teams meeting twice; fixture r played on day 40000 + r. Player 1 of team 1 is named as a top scorer's
// line would mislead a parser: with a leading number and a bracket.
std::unique_ptr<Division> League(bool withScorers) {
    auto league = MakeLeague(6, 2);
    testing::Edit(*league).Header().OwnTeam = 1;
    for (const char* name : {"9 O'Neil (Jr)", "Smith"})
        (void)AddPlayer(*league, PlayerRecord{ShortString<20>(name), 1, 0});
    for (std::uint16_t r = 1; r <= 6; ++r) {
        PlayFixture(*league, r, r % 4 + 1, r % 2, 40000 + r);
        const ResultRecord& match = league->Results[r];
        const std::uint16_t scorer = withScorers ? 1 : 0;
        for (std::uint16_t g = 0; g < match.HomeGoals; ++g)
            (void)AddGoal(*league,
                          {r, match.HomeTeam, scorer, static_cast<std::uint16_t>(10 * g + 5), false, g == 1});
        for (int g = 0; g < match.AwayGoals; ++g)
            (void)AddGoal(*league, {r, match.AwayTeam, 0, 50, false, false});
        testing::Edit(*league).Player(1).Goals += scorer * match.HomeGoals;
    }
    return league;
}

// Six teams meeting twice, team 3 the own team; team 1 has played four games, one with a squad and a goal of
// its player "Ann".
std::string WriteTeamLeague(GuiHarness& harness) {
    auto league = MakeLeague(6, 2);
    testing::Edit(*league).Header().OwnTeam = 3;
    testing::Edit(*league).Header().TrackGoals = true;
    (void)AddPlayer(*league, PlayerRecord{ShortString<20>("Ann"), 1, 0});
    const int scored = league->FindFixture(1, 2);
    PlayFixture(*league, scored, 3, 0, 45000);
    PlayFixture(*league, league->FindFixture(3, 1), 2, 2, 45007);
    PlayFixture(*league, league->FindFixture(1, 4), 1, 0, 45014);
    PlayFixture(*league, league->FindFixture(5, 1), 4, 1, 45021);
    (void)AddGoal(*league, {static_cast<std::uint16_t>(scored), 1, 1, 20, false, false});
    ++testing::Edit(*league).Player(1).Goals;
    SquadLines squad{};
    squad[0] = {1, 0, 90, true, false, false};
    (void)SaveSquad(*league, scored, 0, squad);
    return harness.Save(*league, "team.div");
}

class StatsPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTopScorersLineOpensThePlayerItStandsFor() {
        GuiHarness harness;
        OpenWorkspace window(harness, *League(true), WorkspacePage::GoalStatistics);
        GoalStatsPage& page = *window.goalStatsPage;
        QVERIFY(!page.Panel21->isVisible() && page.lbTopScorers->count() >= 1 &&
                page.lbTopScorers->item(0)->text().endsWith(u" 9 O'Neil (Jr) (Team 01)"_s));
        // Home scores r % 4 + 1 of fixtures 1..6 are 2 3 4 1 2 3, every home goal by player 1: the four
        // first.
        const QTreeWidgetItem& four = *page.lvGoalsPerMatch->topLevelItem(0);
        QCOMPARE((QStringList{four.text(0), four.text(1), four.text(2), four.text(3)}),
                 (QStringList{u"4"_s, u"9 O'Neil (Jr)"_s, u"Team 01"_s, u"Team 04"_s}));
        QVERIFY(!page.lbPenTot->text().isEmpty());

        std::vector<int> opened;
        page.onShowPlayer = [&](int player) { opened.push_back(player); };
        page.lbTopScorers->setCurrentRow(0);
        QTest::keyClick(page.lbTopScorers, Qt::Key_Return);
        page.lvGoalsPerMatch->setCurrentItem(page.lvGoalsPerMatch->topLevelItem(0));
        page.lvGoalsPerMatchDblClick();
        QCOMPARE(opened, (std::vector<int>{1, 1}));

        // The own team's name in a line is drawn in the own-team colour.
        harness.app.settings.Colour4 = 0x00FF00;
        QVERIFY(Drawn(page.lbTopScorers->viewport()->grab().toImage(), QColor(0, 255, 0)));

        const QImage picture = page.pbGoals->grab().toImage();
        QVERIFY(picture.pixelColor(page.pbGoals->width() / 19 / 2 + 2, page.pbGoals->height() - 2) ==
                QColor(Qt::blue));
    }

    void withoutScorersTheGoalPageExplainsAndTheDivisionPageFillsItsFigures() {
        GuiHarness harness;
        OpenWorkspace window(harness, *League(false), WorkspacePage::GoalStatistics);
        QCOMPARE(window.helpContext(), 500);
        const GoalStatsPage& goals = *window.goalStatsPage;
        QVERIFY(goals.Panel21->isVisible() && !goals.GroupBox15->isVisible() &&
                !goals.GroupBox14->isVisible());

        window.ShowPage(WorkspacePage::DivisionStatistics);
        QCOMPARE(window.helpContext(), 600);
        DivisionStatsPage& page = *window.divisionStatsPage;
        QVERIFY(page.edtGames->text() == u"6"_s && page.edtGames->isReadOnly());
        // Home scores r % 4 + 1 of fixtures 1..6: 2 3 4 1 2 3; the highest is 4, in fixture 3.
        QCOMPARE(page.HighHome->count(), 1);
        std::vector<int> opened;
        page.onShowResult = [&](int result) { opened.push_back(result); };
        page.HighHome->setCurrentRow(0);
        page.HighHomeDblClick();
        QCOMPARE(opened, std::vector<int>{3});
        page.HighAway->setCurrentRow(-1);
        page.HighAwayDblClick();
        QCOMPARE(harness.prompts.beeps, 1);
    }

    // The graph the workspace opens switches type and style, reads out a game, saves a picture, and once
    // closed starts again on the next team's own progress.
    void theGraphSwitchesReadsOutSavesAndStartsAgainForTheNextTeam() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.Save(*League(false), "plain.div"));
        window.ShowProgressGraph(2);
        TfrmGraph& graph = Opened<TfrmGraph>(window);
        graph.resize(700, 500);
        QTRY_VERIFY(graph.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QCOMPARE(graph.windowTitle(), u"Points Progress for Team 02"_s);
        graph.pbGraph->repaint();

        // Ten games a season in 680 of the 700 pixels: Team 2's first game's column runs from x = 10 to 78.
        const QSize graphSize = graph.pbGraph->size();
        const QPoint firstGame(20, graph.pbGraph->height() / 2);
        QMouseEvent move(QEvent::MouseMove, firstGame, graph.pbGraph->mapToGlobal(firstGame), Qt::NoButton,
                         {}, {});
        QApplication::sendEvent(graph.pbGraph, &move);
        QVERIFY(graph.hoverGame() == 1 && graph.edMatch->isVisible());
        // The read-out never widens the window under the pointer.
        QApplication::processEvents();
        QCOMPARE(graph.pbGraph->size(), graphSize);
        QVERIFY(graph.edMatch->text().contains(u"Team 02"_s));
        std::vector<int> opened;
        graph.onShowResult = [&](int result) { opened.push_back(result); };
        QTest::mouseDClick(graph.pbGraph, Qt::LeftButton, {}, firstGame);
        QCOMPARE(opened.size(), std::size_t{1});
        QEvent leave(QEvent::Leave); // the pointer leaves the graph, and the read-out goes
        QApplication::sendEvent(graph.pbGraph, &leave);
        QVERIFY(!graph.edMatch->isVisible());

        graph.RadioGroup1->button(1)->click();
        QVERIFY(graph.RadioGroup2Box->isEnabled() && graph.lineStyle());
        const GraphTeams top = graph.graphTeams();
        QVERIFY(std::find(top.begin(), top.end(), 2) != top.end() && top[2] != 0);
        graph.RadioGroup2->button(0)->click();
        QVERIFY(!graph.lineStyle());

        QTest::keyClick(&graph, Qt::Key_F1);
        QCOMPARE(harness.help.contexts.back(), 1300);

        // The picture is offered in the league folder under the team's name, and is a .png file.
        const QString file = QString::fromStdString((harness.folder.path() / "graph").string());
        harness.chosenPictureFiles = {file};
        QVERIFY(graph.btnSaveClick());
        QCOMPARE(harness.offeredPictureFiles.value(0),
                 QString::fromStdString(harness.app.leagueFolder) + u"Points Progress for Team 02.png"_s);
        QCOMPARE(QImage(file + u".png"_s).size(), graph.pbGraph->size());
        graph.btnExit->click();
        QTRY_VERIFY(!graph.isVisible());

        window.ShowProgressGraph(5); // the window is kept
        QCOMPARE(window.findChildren<TfrmGraph*>().size(), 1);
        QTRY_VERIFY(graph.isVisible());
        QCOMPARE(graph.windowTitle(), u"Points Progress for Team 05"_s);
        QVERIFY(graph.graphTeams() == (GraphTeams{5, 0, 0, 0}) && graph.RadioGroup1->checkedId() == 0 &&
                !graph.RadioGroup2Box->isEnabled());
        graph.btnExit->click();
    }

    void theLeagueTableOpensATeamAndItsFiguresShow() {
        GuiHarness harness;
        OpenWorkspace window(harness, WriteTeamLeague(harness));
        TeamStatisticsPage& page = *window.teamStatsPage;
        QCOMPARE(page.SelTeamList->currentText(), u"Team 03"_s); // the own team first
        int row = 1;
        while (window.workspace().table.TableOrder[row] != 1)
            ++row;
        QTableWidget& table = *window.tablePage->DivTable;
        const QPoint cell = table.visualRect(table.model()->index(row - 1, 1)).center();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(window.helpContext() == 400 && page.SelTeamList->currentText() == u"Team 01"_s);
        QCOMPARE(Texts(page.lblPoints, page.lblLost, page.hfHome, page.hfHomeTeam, page.haAwayTeam,
                       page.hForm, page.aForm, page.labFormSum, page.labHmClean),
                 (QStringList{u"7"_s, u"1"_s, u"3"_s, u"Team 02"_s, u"Team 05"_s, u"WW"_s, u"DL"_s,
                              u"Not won away"_s, u"2 (100%)"_s}));
        QCOMPARE(Column(page.sgGames, 3),
                 (QStringList{u"Team 05"_s, u"Team 04"_s, u"Team 03"_s, u"Team 02"_s})); // newest first
        QCOMPARE(Column(page.sgTmPlayers, 1), QStringList{u"1"_s});
        QPalette dark = page.PointsGraph->palette(); // the graph's black is the screen's ink
        dark.setColor(QPalette::WindowText, Qt::green);
        page.PointsGraph->setPalette(dark);
        QVERIFY(Drawn(page.PointsGraph->grab().toImage(), Qt::green));
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
        page.sgGames->setCurrentCell(3, 0); // drawn in the highlight; Return opens it
        QVERIFY(Drawn(page.sgGames->viewport()->grab().toImage(), page.palette().color(QPalette::Highlight)));
        QCOMPARE(page.sgGames->horizontalHeader()->length(), page.sgGames->viewport()->width());
        QTest::keyClick(page.sgGames, Qt::Key_Return);
        TfrmResult& details = Opened<TfrmResult>(window);
        QVERIFY(details.isModal());
        details.reject();

        page.SelTeamList->setCurrentIndex(page.SelTeamList->findText(u"Team 06"_s));
        page.SelTeamListChange();
        QVERIFY(page.labTotClean->text() == u"n/a"_s && page.sgGames->rowCount() == 1);
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
        QVERIFY(harness.printJobs == QStringList{u"Vantorel Team Summary"_s} && harness.printedPages == 1);

        QList<int> shownResults;
        page.onShowResult = [&shownResults](int result) { shownResults.append(result); };
        std::vector<int> graphs; // a double click on the points graph opens the team's graph
        page.onShowGraph = [&graphs](int team) { graphs.push_back(team); };
        QTest::mouseDClick(page.PointsGraph, Qt::LeftButton);
        QCOMPARE(graphs, std::vector<int>{1});
        page.sgTmPlayers->setCurrentCell(-1, -1);
        QTest::keyClick(page.sgTmPlayers, Qt::Key_Return); // no player: nothing opens
        QVERIFY(!FindOpened<TfrmPlayer>(page));
        page.sgTmPlayers->setCurrentCell(0, 0);
        QTest::keyClick(page.sgTmPlayers, Qt::Key_Return);
        TfrmPlayer& record = Opened<TfrmPlayer>(page);
        QVERIFY(record.isModal() && record.lbYellow->text() == u"1"_s);
        QCOMPARE(record.windowTitle(), u"Statistics for Ann (Team 01)"_s);
        QCOMPARE(Column(record.sgGoals, 1), QStringList{u"Team 01 v Team 02"_s});
        QCOMPARE(record.sgGoals->horizontalHeader()->length(), record.sgGoals->viewport()->width());
        QVERIFY(!record.pbGoals->grab().toImage().isNull());
        record.sgGoals->setCurrentCell(0, 0);
        record.sgGoalsDblClick(); // the one match: the oldest game
        record.BitBtn1->click();

        // The record window is kept, and shows the next player with nothing left of the last.
        QVERIFY(AddPlayer(*harness.division, PlayerRecord{ShortString<20>("Bob"), 1, 0}));
        page.Refresh();
        page.sgTmPlayers->setCurrentCell(Column(page.sgTmPlayers, 0).indexOf(u"Bob"_s), 0);
        page.sgTmPlayersDblClick();
        QCOMPARE(page.findChildren<TfrmPlayer*>().size(), 1);
        QCOMPARE(record.windowTitle(), u"Statistics for Bob (Team 01)"_s);
        QCOMPARE(record.lbYellow->text(), u"n/a"_s); // in no squad
        QCOMPARE(Column(record.sgGoals, 1), QStringList{QString()});
        record.BitBtn1->click();

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
};

} // namespace
VANTOREL_GUI_TEST(StatsPagesTest);
} // namespace vantorel::testing

#include "StatsPagesTest.moc"
