#include <cmath>

#include <gtest/gtest.h>

#include "outlook/MatchModel.h"
#include "outlook/Outlook.h"
#include "outlook/OutlookTable.h"
#include "outlook/SeasonSimulation.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"
#include "support/SampleSeason.h"
#include "support/SyntheticSeason.h"

namespace vantorel {
namespace {

OutlookRequest AsAt(double date) {
    OutlookRequest request;
    request.asAt = date;
    return request;
}

TEST(MatchModelTest, RecoversTheStrengthsASeasonWasDrawnFrom) {
    const testing::TeamStrengths truth = testing::SpreadStrengths(kMaxTeams, 0.35);
    const auto season = testing::MakeSyntheticSeason(kMaxTeams, 4, 3, truth, 3);
    const MatchModel model = MatchModel::Fit(ModelMatches(*season, 1e9), kMaxTeams, 1e9, {2.0, 0, true});
    double attackError = 0, defenceError = 0;
    for (int t = 1; t <= kMaxTeams; ++t) {
        attackError += std::abs(model.attack[t] - truth.attack[t]);
        defenceError += std::abs(model.defence[t] - truth.defence[t]);
    }
    EXPECT_LT(attackError / kMaxTeams, 0.08);
    EXPECT_LT(defenceError / kMaxTeams, 0.08);
    EXPECT_NEAR(model.home, truth.home, 0.06);
    EXPECT_NEAR(model.base, truth.base, 0.06);
    // The strongest side is expected to beat the weakest at home far more often than not.
    const ScoreGrid grid = model.Predict(1, kMaxTeams);
    EXPECT_GT(grid.HomeWin(), 0.6);
    EXPECT_NEAR(grid.HomeWin() + grid.Draw() + grid.AwayWin(), 1.0, 1e-9);
}

TEST(MatchModelTest, WithoutResultsEveryMatchIsTheAverageMatch) {
    const MatchModel model = MatchModel::Fit({}, 20, 0);
    const ScoreGrid first = model.Predict(1, 2), second = model.Predict(7, 19);
    EXPECT_DOUBLE_EQ(first.HomeWin(), second.HomeWin());
    EXPECT_GT(first.HomeWin(), first.AwayWin());
}

TEST(MatchModelTest, RankedProbabilityScore) {
    EXPECT_DOUBLE_EQ(RankedProbabilityScore(1, 0, 0, 2, 0), 0);
    EXPECT_DOUBLE_EQ(RankedProbabilityScore(0, 0, 1, 2, 0), 1);
    EXPECT_DOUBLE_EQ(RankedProbabilityScore(0.5, 0.25, 0.25, 1, 1), (0.25 + 0.0625) / 2);
}

// The real season's second half, forecast week by week, must beat the forecast that knows only how often
// home wins, draws and away wins happened in the first half.
TEST(MatchModelTest, ForecastsARealSeasonBetterThanTheResultFrequencies) {
    const auto season = testing::LoadSampleSeason();
    const ModelScore score = ScoreSecondHalf(*season);
    std::vector<ModelMatch> played = ModelMatches(*season, 1e9);
    std::stable_sort(played.begin(), played.end(),
                     [](const auto& a, const auto& b) { return a.date < b.date; });
    const std::size_t half = played.size() / 2;
    double home = 0, draw = 0, frequencies = 0;
    for (std::size_t i = 0; i < half; ++i) {
        home += played[i].homeGoals > played[i].awayGoals;
        draw += played[i].homeGoals == played[i].awayGoals;
    }
    home /= static_cast<double>(half);
    draw /= static_cast<double>(half);
    for (std::size_t i = half; i < played.size(); ++i)
        frequencies +=
            RankedProbabilityScore(home, draw, 1 - home - draw, played[i].homeGoals, played[i].awayGoals);
    frequencies /= static_cast<double>(played.size() - half);
    EXPECT_EQ(score.matches, static_cast<int>(played.size() - half));
    EXPECT_LT(score.rps, frequencies - 0.01) << "result frequencies score " << frequencies;
}

TEST(OutlookTableTest, OrdinalsAndPercentages) {
    const std::pair<int, const char*> ordinals[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},
                                                    {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
                                                    {22, "22nd"}, {23, "23rd"}, {24, "24th"}};
    for (const auto& [position, text] : ordinals)
        EXPECT_EQ(Ordinal(position), text);
    EXPECT_EQ(std::tuple(PercentText(1), PercentText(0), PercentText(0.37549), PercentText(-1)),
              std::tuple("100.0", "0.0", "37.5", ""));
}

TEST(OutlookTableTest, StatusFromTheExactRange) {
    DivisionHeader header;
    header.TeamCount = 20;
    header.PromoteCount = 2;
    header.PlayoffCount = 4;
    header.RelegateCount = 3;
    const std::tuple<int, int, const char*> cases[] = {
        {1, 1, "Champions"},   {1, 2, "Promoted"},           {3, 6, "Play-offs"},
        {1, 17, "Safe"},       {1, 18, "Can still go down"}, {4, 6, "Play-offs"},
        {18, 20, "Relegated"}, {2, 18, "Can still go down"}, {3, 18, "Can still go down"},
        {7, 17, "Safe"}};
    for (const auto& [best, worst, status] : cases) {
        PositionRange range;
        range.best = best;
        range.worst = worst;
        EXPECT_EQ(TeamStatus(header, range, 20), status) << best << ".." << worst;
    }
    PositionRange last;
    last.best = last.worst = 20;
    header.RelegateCount = 1; // a single place down
    EXPECT_EQ(TeamStatus(header, last, 20), "Relegated");
    header.RelegateCount = 3;
    std::vector<std::tuple<int, int, std::string>> zones;
    for (const ZoneSpan& span : LeagueZones(header))
        zones.emplace_back(span.first, span.last, span.heading);
    EXPECT_EQ(zones, (std::vector<std::tuple<int, int, std::string>>{
                         {1, 1, "Title"}, {1, 2, "Promotion"}, {3, 6, "Play-off"}, {18, 20, "Relegation"}}));
}

TEST(OutlookTableTest, CsvLayoutScriptsRelyOn) {
    auto division = testing::MakeLeague(4, 2, 3);
    testing::Edit(*division).Header().PromoteCount = 1;
    testing::Edit(*division).Header().RelegateCount = 1;
    testing::PlayFixture(*division, 1, 2, 0, 1);
    const Outlook outlook = ComputeExactOutlook(*division, AsAt(1));
    const std::vector<std::string> expected{"Pos",       "Team",       "Pts", "Best", "Worst", "Title",
                                            "Promotion", "Relegation", "P1",  "P2",   "P3",    "P4"};
    EXPECT_EQ(OutlookCsvHeadings(*division), expected);
    // Unsimulated, the chances of what is not settled are empty.
    EXPECT_EQ(OutlookCsvRow(*division, outlook, 1),
              (std::vector<std::string>{"1", "Team 01", "3", "1", "4", "", "", "", "", "", "", ""}));
    const auto matches = MatchForecastRows(*division, outlook, DateFormat::Default());
    ASSERT_EQ(matches.size(), 11u);
    EXPECT_EQ(matches[0].size(), MatchForecastHeadings().size());
    EXPECT_NE(matches[0][6].find('-'), std::string::npos);
}

TEST(OutlookTableTest, WitnessSentenceNamesTheTeamsInTheWay) {
    auto division = testing::MakeLeague(4, 1, 3);
    // Team 1 has lost twice; its match with team 4 is open.
    for (int r = 1; r <= division->Header().ResultCount; ++r) {
        const ResultRecord& match = division->Results[r];
        if (match.HomeTeam != 1 || match.AwayTeam != 4)
            testing::PlayFixture(*division, r, match.HomeTeam == 1 ? 0 : 1, 1, 1);
    }
    const Outlook outlook = ComputeExactOutlook(*division, AsAt(1));
    EXPECT_EQ(WitnessSentence(*division, outlook, 1, true).rfind("Team 01 can still finish ", 0), 0u);
    EXPECT_NE(WitnessSentence(*division, outlook, 1, false).find("their remaining match"), std::string::npos);
}

// A synthetic 20-team season: rounds after the date asked for are open.
std::unique_ptr<Division> SeasonAt() {
    return testing::MakeSyntheticSeason(20, 2, 3, testing::SpreadStrengths(20), 5);
}

Outlook SimulatedOutlook(const Division& division, double asAt, int seasons, std::uint64_t seed,
                         int threads) {
    Outlook outlook = ComputeExactOutlook(division, AsAt(asAt));
    SimulateOutlook(division, outlook, {seasons, seed, threads});
    return outlook;
}

TEST(SeasonSimulationTest, SameSeedGivesSameNumbersWhateverTheThreads) {
    const auto season = SeasonAt();
    const double asAt = testing::SyntheticRoundDate(25);
    const Outlook one = SimulatedOutlook(*season, asAt, 3000, 42, 1);
    const Outlook again = SimulatedOutlook(*season, asAt, 3000, 42, 3);
    EXPECT_EQ(std::tie(one.tally.positions, one.tally.points),
              std::tie(again.tally.positions, again.tally.points));
    EXPECT_NE(one.tally.positions, SimulatedOutlook(*season, asAt, 3000, 43, 1).tally.positions);
}

TEST(SeasonSimulationTest, AFinishedSeasonEndsAsItsTableInEverySeason) {
    const auto season = SeasonAt();
    const Outlook outlook = SimulatedOutlook(*season, testing::SyntheticRoundDate(38), 250, 1, 2);
    ASSERT_TRUE(outlook.start.open.empty());
    EXPECT_EQ(outlook.tally.seasons, 250);
    for (int p = 1; p <= 20; ++p) {
        const int team = outlook.start.table.TableOrder[p];
        EXPECT_EQ(std::tie(outlook.tally.positions[team][p], outlook.tally.points[team][0]),
                  std::tie(outlook.tally.seasons, outlook.tally.seasons));
        EXPECT_DOUBLE_EQ(outlook.tally.ExpectedPoints(team), outlook.start.points(team));
        // A certain position shows as certain; one shared on points with a team level on them does not.
        EXPECT_EQ(PositionChance(outlook, team, p) == 1,
                  outlook.exact[team].best == outlook.exact[team].worst);
    }
}

TEST(SeasonSimulationTest, SimulatedPositionsStayWithinTheExactRange) {
    const auto season = SeasonAt();
    for (int round : {10, 30, 35}) {
        const Outlook outlook = SimulatedOutlook(*season, testing::SyntheticRoundDate(round), 2000, 7, 1);
        for (int team = 1; team <= 20; ++team)
            for (int p = 1; p <= 20; ++p)
                if (p < outlook.exact[team].best || p > outlook.exact[team].worst) {
                    EXPECT_EQ(outlook.tally.positions[team][p], 0) << round << " " << team << " " << p;
                }
    }
}

TEST(SeasonSimulationTest, ClinchedTitleShowsExactlyOneHundredAndUnsettledNeverDoes) {
    auto season = testing::MakeLeague(4, 2, 3);
    // Team 1 wins its first five matches; the other teams draw theirs; one match of team 2 is left.
    int left = 0;
    for (int r = 1; r <= season->Header().ResultCount; ++r) {
        const ResultRecord& match = season->Results[r];
        if (match.HomeTeam == 1 || match.AwayTeam == 1) {
            if (!season->Results[r].Played && left++ < 5)
                testing::PlayFixture(*season, r, match.HomeTeam == 1 ? 2 : 0, match.HomeTeam == 1 ? 0 : 2, 1);
        } else if (!(match.HomeTeam == 2 && match.AwayTeam == 3)) {
            testing::PlayFixture(*season, r, 1, 1, 1);
        }
    }
    const Outlook outlook = SimulatedOutlook(*season, 1, 2000, 1, 1);
    const ZoneSpan title = LeagueZones(season->Header()).front();
    EXPECT_EQ(outlook.exact[1].worst, 1);
    EXPECT_EQ(PercentText(ZoneChance(outlook, 1, title)), "100.0");
    EXPECT_EQ(PercentText(ZoneChance(outlook, 2, title)), "0.0");
    // Teams 2 and 3 fight for 2nd in the one match left: neither is sure of it.
    for (int team : {2, 3}) {
        EXPECT_GT(PositionChance(outlook, team, 2), 0.0);
        EXPECT_LT(PositionChance(outlook, team, 2), 1.0);
    }
}

// With every score certain, each season's table is the one FillTable computes for those results, ties
// broken by the head-to-head rules.
TEST(SeasonSimulationTest, TablesAreOrderedByTheLeaguesOwnRules) {
    auto season = testing::MakeLeague(4, 1, 3);
    testing::Edit(*season).Header().SortRules.assignStored("1623");
    // Every match but the last (2 against 3) drawn 1-1.
    const int open = season->Header().ResultCount;
    for (int r = 1; r < open; ++r)
        testing::PlayFixture(*season, r, 1, 1, 1);
    Outlook outlook = ComputeExactOutlook(*season, AsAt(1));
    ASSERT_EQ(outlook.grids.size(), 1u);
    outlook.grids[0] = ScoreGrid{};
    outlook.grids[0].chance[3 * ScoreGrid::kSide + 2] = 1; // 3-2 to the home side
    SimulateOutlook(*season, outlook, {50, 1, 1});
    testing::PlayFixture(*season, open, 3, 2, 1);
    const LeagueTable table =
        FillTable(*season, {TableContent::PlayedGames, GameSelection::HomeAndAway, 1, 10});
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(outlook.tally.positions[table.TableOrder[p]][p], 50);
}

TEST(SeasonSimulationTest, StoppedSimulationLeavesNoTally) {
    const auto season = SeasonAt();
    Outlook outlook = ComputeExactOutlook(*season, AsAt(testing::SyntheticRoundDate(20)));
    EXPECT_FALSE(SimulateOutlook(*season, outlook, {5000, 1, 1}, [](int, int) { return false; }));
    EXPECT_FALSE(outlook.simulated());
    EXPECT_EQ(PercentText(PositionChance(outlook, 1, 1)),
              outlook.exact[1].best == outlook.exact[1].worst ? "100.0" : "");
}

} // namespace
} // namespace vantorel
