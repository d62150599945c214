#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QImage>
#include <QTreeWidget>

#include "GuiHarness.h"
#include "GuiTests.h"
#include "stats/DivisionStatsPage.h"
#include "stats/GoalStatsPage.h"
#include "stats/TfrmGraph.h"
#include "support/LeagueMaker.h"
#include "support/LeagueEdits.h"

namespace vantorel::testing {
namespace {

// Six teams meeting twice; fixture r played on day 40000 + r. Player 1 of team 1 is named as a top scorer's
// line would mislead a parser: with a leading number and a bracket.
std::unique_ptr<Division> League(bool withScorers) {
    auto league = MakeLeague(6, 2);
    testing::Edit(*league).Header().OwnTeam = 1;
    for (const char* name : {"9 O'Neil (Jr)", "Smith"})
        (void)AddPlayer(*league, PlayerRecord{ShortString<20>(name), 1, 0});
    for (int r = 1; r <= 6; ++r)
        PlayFixture(*league, r, r % 4 + 1, r % 2, 40000 + r);
    for (int r = 1; r <= 6; ++r) {
        const ResultRecord& match = league->Results[r];
        for (int g = 0; g < match.HomeGoals; ++g) {
            const int scorer = withScorers ? 1 : 0;
            (void)AddGoal(*league,
                          {static_cast<std::uint16_t>(r), match.HomeTeam, static_cast<std::uint16_t>(scorer),
                           static_cast<std::uint16_t>(10 * g + 5), false, g == 1});
            if (scorer)
                ++testing::Edit(*league).Player(scorer).Goals;
        }
        for (int g = 0; g < match.AwayGoals; ++g)
            (void)AddGoal(*league, {static_cast<std::uint16_t>(r), match.AwayTeam, 0, 50, false, false});
    }
    return league;
}

class StatsPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTopScorersLineOpensThePlayerItStandsFor() {
        GuiHarness harness;
        auto league = League(true);
        OpenWorkspace window(harness, harness.Save(*league, "scorers.div"));
        window.ShowPage(WorkspacePage::GoalStatistics);
        GoalStatsPage& page = *window.goalStatsPage;
        QVERIFY(!page.Panel21->isVisible());
        QVERIFY(page.lbTopScorers->count() >= 1);
        QVERIFY(page.lbTopScorers->item(0)->text().endsWith(QStringLiteral(" 9 O'Neil (Jr) (Team 01)")));
        // Home scores r % 4 + 1 of fixtures 1..6 are 2 3 4 1 2 3, every home goal by player 1.
        QCOMPARE(page.lvGoalsPerMatch->topLevelItemCount(), 3);
        QCOMPARE(page.lvGoalsPerMatch->topLevelItem(0)->text(0), QStringLiteral("4"));
        QCOMPARE(page.lvGoalsPerMatch->topLevelItem(0)->text(1), QStringLiteral("9 O'Neil (Jr)"));
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
        QImage list(page.lbTopScorers->viewport()->size(), QImage::Format_RGB32);
        page.lbTopScorers->viewport()->render(&list);
        bool ownColourDrawn = false;
        for (int y = 0; y < list.height() && !ownColourDrawn; ++y)
            for (int x = 0; x < list.width() && !ownColourDrawn; ++x)
                ownColourDrawn = list.pixelColor(x, y) == QColor(0, 255, 0);
        QVERIFY(ownColourDrawn);

        QImage picture(page.pbGoals->size(), QImage::Format_RGB32);
        page.pbGoals->render(&picture);
        QVERIFY(picture.pixelColor(page.pbGoals->width() / 19 / 2 + 2, page.pbGoals->height() - 2) ==
                QColor(Qt::blue));
    }

    void withoutScorersTheGoalPageExplainsAndTheDivisionPageFillsItsFigures() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.Save(*League(false), "plain.div"));
        window.ShowPage(WorkspacePage::GoalStatistics);
        QCOMPARE(window.helpContext(), 500);
        QVERIFY(window.goalStatsPage->Panel21->isVisible());
        QVERIFY(!window.goalStatsPage->GroupBox15->isVisible());
        QVERIFY(!window.goalStatsPage->GroupBox14->isVisible());

        window.ShowPage(WorkspacePage::DivisionStatistics);
        QCOMPARE(window.helpContext(), 600);
        DivisionStatsPage& page = *window.divisionStatsPage;
        QCOMPARE(page.edtGames->text(), QStringLiteral("6"));
        QVERIFY(page.edtGames->isReadOnly());
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

    void theWorkspaceOpensTheGraphOfATeamAndItsCloseButtonEndsIt() {
        GuiHarness harness;
        OpenWorkspace window(harness, harness.Save(*League(false), "plain.div"));
        window.ShowProgressGraph(3);
        auto* graph = window.findChild<TfrmGraph*>();
        QVERIFY(graph);
        QTRY_VERIFY(graph->isVisible());
        QCOMPARE(graph->windowTitle(), QStringLiteral("Points Progress for Team 03"));
        graph->RadioGroup1->button(1)->click();
        graph->btnExit->click();
        QTRY_VERIFY(!graph->isVisible());

        // The window is kept, and starts again on the next team's own progress.
        window.ShowProgressGraph(5);
        QCOMPARE(window.findChildren<TfrmGraph*>().size(), 1);
        QTRY_VERIFY(graph->isVisible());
        QCOMPARE(graph->windowTitle(), QStringLiteral("Points Progress for Team 05"));
        QCOMPARE(graph->graphTeams(), (GraphTeams{5, 0, 0, 0}));
        QVERIFY(!graph->RadioGroup2Box->isEnabled());
        graph->btnExit->click();
    }

    void aGraphPictureIsDrawnWithoutAWindow() {
        GuiHarness harness;
        const std::string league = harness.Save(*League(false), "plain.div");
        const std::string png = harness.folder.file("graph.png");
        QCOMPARE(RunHeadless({"--print", "graph", league, "--team", "Team 02", "--type", "top", "--style",
                              "lines", "--size", "500x300", "--png", png}),
                 0);
        QCOMPARE(QImage(QString::fromStdString(png)).size(), QSize(500, 300));
        QCOMPARE(RunHeadless({"--print", "graph", league, "--team", "Nobody", "--png", png}), 1);
    }

    void theGraphSwitchesTypeAndStyleReadsOutAGameAndSavesAPicture() {
        GuiHarness harness;
        testing::Replace(*harness.division, League(false));
        TfrmGraph graph(harness.app, 2, 46000, nullptr);
        graph.resize(700, 500);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QCOMPARE(graph.windowTitle(), QStringLiteral("Points Progress for Team 02"));
        QVERIFY(!graph.RadioGroup2Box->isEnabled());
        QCOMPARE(graph.graphTeams(), (GraphTeams{2, 0, 0, 0}));
        graph.pbGraph->repaint();

        // Team 2's first game sits in the first column of the graph.
        // Ten games a season in 680 of the 700 pixels: the first column runs from x = 10 to 78.
        const QSize graphSize = graph.pbGraph->size();
        graph.pbGraphMouseMove(20, graph.pbGraph->height() / 2);
        QCOMPARE(graph.hoverGame(), 1);
        QVERIFY(graph.edMatch->isVisible());
        // The read-out never widens the window under the pointer.
        QApplication::processEvents();
        QCOMPARE(graph.pbGraph->size(), graphSize);
        QVERIFY(graph.edMatch->text().contains(QStringLiteral("Team 02")));
        std::vector<int> opened;
        graph.onShowResult = [&](int result) { opened.push_back(result); };
        graph.pbGraphDblClick();
        QCOMPARE(opened.size(), std::size_t{1});

        graph.RadioGroup1->button(1)->click();
        QVERIFY(graph.RadioGroup2Box->isEnabled());
        QVERIFY(graph.lineStyle());
        const GraphTeams top = graph.graphTeams();
        QVERIFY(std::find(top.begin(), top.end(), 2) != top.end());
        QVERIFY(top[2] != 0);
        graph.RadioGroup2->button(0)->click();
        QVERIFY(!graph.lineStyle());

        QTest::keyClick(&graph, Qt::Key_F1);
        QCOMPARE(harness.help.contexts.back(), 1300);

        // The picture is offered in the league folder under the team's name, and is a .png file.
        QString offered;
        const QString file = QString::fromStdString((harness.folder.path() / "graph").string());
        graph.choosePictureFile = [&](QWidget*, const QString& suggested) {
            offered = suggested;
            return file;
        };
        QVERIFY(graph.btnSaveClick());
        QCOMPARE(offered, QString::fromStdString(harness.app.leagueFolder) +
                              QStringLiteral("Points Progress for Team 02.png"));
        QImage saved(file + QStringLiteral(".png"));
        QCOMPARE(saved.size(), graph.pbGraph->size());
    }
};

} // namespace

VANTOREL_GUI_TEST(StatsPagesTest);

} // namespace vantorel::testing

#include "StatsPagesTest.moc"
