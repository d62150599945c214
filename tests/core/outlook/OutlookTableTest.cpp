#include "outlook/OutlookTable.h"

#include <gtest/gtest.h>

#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

TEST(OutlookTableTest, OrdinalsAndPercentages) {
    const std::pair<int, const char*> ordinals[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},
                                                    {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
                                                    {22, "22nd"}, {23, "23rd"}, {24, "24th"}};
    for (const auto& [position, text] : ordinals)
        EXPECT_EQ(Ordinal(position), text);
    EXPECT_EQ(PercentText(1), "100.0");
    EXPECT_EQ(PercentText(0), "0.0");
    EXPECT_EQ(PercentText(0.37549), "37.5");
    EXPECT_EQ(PercentText(-1), "");
}

TEST(OutlookTableTest, StatusFromTheExactRange) {
    DivisionHeader header;
    header.TeamCount = 20;
    header.PromoteCount = 2;
    header.PlayoffCount = 4;
    header.RelegateCount = 3;
    struct Case {
        int best, worst;
        const char* status;
    };
    const Case cases[] = {{1, 1, "Champions"},   {1, 2, "Promoted"},           {3, 6, "Play-offs"},
                          {1, 17, "Safe"},       {1, 18, "Can still go down"}, {4, 6, "Play-offs"},
                          {18, 20, "Relegated"}, {2, 18, "Can still go down"}, {3, 18, "Can still go down"},
                          {7, 17, "Safe"}};
    for (const Case& c : cases) {
        PositionRange range;
        range.best = c.best;
        range.worst = c.worst;
        EXPECT_EQ(TeamStatus(header, range, 20), c.status) << c.best << ".." << c.worst;
    }
}

TEST(OutlookTableTest, CsvLayoutScriptsRelyOn) {
    auto division = testing::MakeLeague(4, 2, 3);
    testing::Edit(*division).Header().PromoteCount = 1;
    testing::Edit(*division).Header().RelegateCount = 1;
    testing::PlayFixture(*division, 1, 2, 0, 1);
    OutlookRequest request;
    request.asAt = 1;
    Outlook outlook = ComputeExactOutlook(*division, request);
    const std::vector<std::string> expected{"Pos",       "Team",       "Pts", "Best", "Worst", "Title",
                                            "Promotion", "Relegation", "P1",  "P2",   "P3",    "P4"};
    EXPECT_EQ(OutlookCsvHeadings(*division), expected);
    const auto row = OutlookCsvRow(*division, outlook, 1);
    ASSERT_EQ(row.size(), expected.size());
    EXPECT_EQ(row[1], "Team 01");
    EXPECT_EQ(row[2], "3");
    EXPECT_EQ(row[8], ""); // not simulated and not settled
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
        if (match.HomeTeam == 1 && match.AwayTeam == 4)
            continue;
        testing::PlayFixture(*division, r, match.HomeTeam == 1 ? 0 : 1, 1, 1);
    }
    OutlookRequest request;
    request.asAt = 1;
    const Outlook outlook = ComputeExactOutlook(*division, request);
    EXPECT_EQ(WitnessSentence(*division, outlook, 1, true).rfind("Team 01 can still finish ", 0), 0u);
    EXPECT_NE(WitnessSentence(*division, outlook, 1, false).find("their remaining match"), std::string::npos);
}

} // namespace
} // namespace vantorel
