#include "stats/DivisionStats.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "support/SampleSeason.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

const DateFormat kDates = DateFormat::Default();

std::string Figure(const DivisionStatistics& stats, const std::string& group, const std::string& caption) {
    for (const StatsFigure& figure : stats.figures)
        if (figure.group == group && figure.caption == caption)
            return figure.value;
    ADD_FAILURE() << "no figure " << group << " " << caption;
    return {};
}

std::vector<int> Records(const std::vector<StatsLine>& lines) {
    std::vector<int> records;
    for (const StatsLine& line : lines)
        records.push_back(line.record);
    return records;
}

TEST(DivisionStats, NoPlayedResultGivesZerosAnEmptyAverageAndEmptyLists) {
    auto league = MakeLeague(4, 2);
    const DivisionStatistics stats = DivisionStats(*league, kDates, '.');
    EXPECT_TRUE(stats.HighHome.empty());
    EXPECT_TRUE(stats.HighAway.empty());
    ASSERT_EQ(stats.figures.size(), 12u);
    for (const StatsFigure& figure : stats.figures)
        EXPECT_EQ(figure.value, figure.caption == "Ave/Game:" ? "" : "0") << figure.caption;
}

TEST(DivisionStats, ScoreListsRunFromTheHighestScoreDownToFourInFixtureOrder) {
    struct Case {
        std::vector<std::pair<int, int>> scores; // fixtures 1.. in order
        std::vector<int> highHome, highAway;
    };
    const std::vector<Case> cases = {
        // Highest home score 3: only its games, in fixture order; away 0: every played game.
        {{{3, 0}, {1, 0}, {3, 0}, {2, 0}}, {1, 3}, {1, 2, 3, 4}},
        // Highest 6: the sixes, then the fives, then the fours; threes are left out.
        {{{4, 1}, {6, 0}, {3, 2}, {5, 5}, {6, 4}, {4, 3}}, {2, 5, 4, 1, 6}, {4, 5}},
    };
    for (const Case& c : cases) {
        auto league = MakeLeague(6, 2);
        for (std::size_t r = 0; r < c.scores.size(); ++r)
            PlayFixture(*league, static_cast<int>(r + 1), c.scores[r].first, c.scores[r].second, 40000);
        const DivisionStatistics stats = DivisionStats(*league, kDates, '.');
        EXPECT_EQ(Records(stats.HighHome), c.highHome);
        EXPECT_EQ(Records(stats.HighAway), c.highAway);
    }
}

TEST(DivisionStats, DrawsCleanSheetsAndTheAverageWithItsSeparator) {
    auto league = MakeLeague(4, 2);
    PlayFixture(*league, 1, 0, 0, 40000);
    PlayFixture(*league, 2, 2, 2, 40000);
    PlayFixture(*league, 3, 1, 0, 40000);
    const DivisionStatistics stats = DivisionStats(*league, kDates, ',');
    EXPECT_EQ(Figure(stats, "Goals", "Clean Sheets:"), "3"); // 0-0 counts twice
    EXPECT_EQ(Figure(stats, "Results", "Draws:"), "2");
    EXPECT_EQ(Figure(stats, "Results", "Score:"), "1");
    EXPECT_EQ(Figure(stats, "Results", "No Score:"), "1");
    EXPECT_EQ(Figure(stats, "Goals", "Ave/Game:"), "1,67"); // 5 goals in 3 games
    EXPECT_EQ(Figure(stats, "Goals", "Most in a match:"), "4");
}

TEST(DivisionStats, TheSampleSeasonMatchesFiguresCountedFromItsResultsFile) {
    auto season = testing::LoadSampleSeason();
    const DivisionStatistics stats = DivisionStats(*season, kDates, '.');
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Home:", "555"},          {"Away:", "389"},         {"Total:", "944"}, {"Ave/Game:", "2.48"},
        {"Most in a match:", "7"}, {"Clean Sheets:", "244"}, {"Games:", "380"}, {"Home Wins:", "192"},
        {"Away Wins:", "111"},     {"Draws:", "77"},         {"Score:", "45"},  {"No Score:", "32"}};
    ASSERT_EQ(stats.figures.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(stats.figures[i].caption, expected[i].first);
        EXPECT_EQ(stats.figures[i].value, expected[i].second) << expected[i].first;
    }
    ASSERT_EQ(stats.HighHome.size(), 28u); // one 7, one 6, five 5s, twenty-one 4s
    EXPECT_EQ(stats.HighHome[0].text, "14/01/2006   7-0 Arsenal v Middlesbrough");
    EXPECT_EQ(stats.HighHome[1].text, "11/02/2006   6-1 Fulham v West Bromwich Albion");
    ASSERT_EQ(stats.HighAway.size(), 9u);
    EXPECT_EQ(stats.HighAway[0].text, "04/12/2005   2-5 Charlton Athletic v Manchester City");
    EXPECT_EQ(season->Results[stats.HighAway[0].record].AwayGoals, 5);
}

TEST(SplitAtOwnTeam, CutsAroundTheFirstOccurrenceOnly) {
    const OwnTeamPieces pieces = SplitAtOwnTeam("01/01/2006   2-1 Hull v Hull City", "Hull");
    EXPECT_EQ(pieces.before, "01/01/2006   2-1 ");
    EXPECT_EQ(pieces.name, "Hull");
    EXPECT_EQ(pieces.after, " v Hull City");
    EXPECT_EQ(SplitAtOwnTeam("3 Smith (Leeds)", "").before, "3 Smith (Leeds)");
    EXPECT_EQ(SplitAtOwnTeam("3 Smith (Leeds)", "Hull").name, "");
    EXPECT_EQ(SplitAtOwnTeam("Hull" + std::string(150, 'x'), "Hull").after.size(), 100u);
}

} // namespace
} // namespace vantorel
