#include "standings/TableCells.h"

#include <gtest/gtest.h>

#include "support/LeagueMaker.h"
#include "app/LeagueSettings.h"
#include "support/LeagueEdits.h"

namespace vantorel {
namespace {

using testing::MakeLeague;
using testing::PlayFixture;

TEST(TableCells, HeadingsForEachFormat) {
    using Headings = std::vector<std::string>;
    EXPECT_EQ(TableHeadings({false, true}), (Headings{"Pos", "Team", "P", "W", "D", "L", "F", "A", "W", "D",
                                                      "L", "F", "A", "GD", "Pts", "PP"}));
    EXPECT_EQ(TableHeadings({false, false}).size(), 15u);
    EXPECT_EQ(TableHeadings({true, false}),
              (Headings{"Pos", "Team", "P", "W", "D", "L", "F", "A", "GD", "Pts"}));
    EXPECT_EQ(TableHeadings({true, true}).back(), "PP");
}

TEST(TableCells, RowValuesInFullAndShortFormat) {
    auto division = MakeLeague(4, 2);
    PlayFixture(*division, 1, 3, 1, 1); // team 1 beats 2 at home
    PlayFixture(*division, 7, 2, 0, 2); // team 3 beats 1 at home
    EXPECT_TRUE(SetDeduction(*division, 2, 4));
    const LeagueTable table =
        FillTable(*division, {TableContent::PlayedGames, GameSelection::HomeAndAway, 10, 10});
    // Teams 3 and 1 both have 3 points; team 3's goal difference (+2 against 0) puts it first.
    ASSERT_EQ(table.TableOrder[1], 3);
    ASSERT_EQ(table.TableOrder[2], 1);
    EXPECT_EQ(TableRowCells(*division, table, 2, {false, true}),
              (std::vector<std::string>{"2", "Team 01", "2", "1", "0", "0", "3", "1", "0", "0", "1", "0", "2",
                                        "0", "3", "15"}));
    EXPECT_EQ(TableRowCells(*division, table, 2, {true, false}),
              (std::vector<std::string>{"2", "Team 01", "2", "1", "0", "1", "3", "3", "0", "3"}));
    EXPECT_EQ(TableRowCells(*division, table, 4, {true, true}),
              (std::vector<std::string>{"4", "Team 02", "1", "0", "0", "1", "1", "3", "-2", "-4", "11"}));
    EXPECT_EQ(TableRows(*division, table, {true, false}).size(), 4u);
}

TEST(TableCells, ZoneBackgroundsWithRelegationFirstAndTheOwnTeamsText) {
    auto division = MakeLeague(20, 2);
    testing::Edit(*division).Header().PromoteCount = 2;
    testing::Edit(*division).Header().PlayoffCount = 4;
    testing::Edit(*division).Header().RelegateCount = 3;
    testing::Edit(*division).Header().OwnTeam = 7;
    Settings settings;
    PlayFixture(*division, division->FindFixture(7, 1), 9, 0); // the own team goes top
    const LeagueTable table = FillTable(*division, {});
    for (int row = 1; row <= 20; ++row) {
        const RowColours colours = TableRowColours(division->Header(), table, row, settings);
        const Colour expected = row <= 2    ? settings.Colour1
                                : row <= 6  ? settings.Colour2
                                : row <= 17 ? kWhite
                                            : settings.Colour3;
        EXPECT_EQ(colours.background, expected) << "row " << row;
        EXPECT_EQ(colours.text, row == 1 ? settings.Colour4 : kBlack) << "row " << row;
    }

    auto small = MakeLeague(4, 1);
    testing::Edit(*small).Header().PromoteCount = 3;
    testing::Edit(*small).Header().RelegateCount = 0;
    EXPECT_EQ(TableRowColours(small->Header(), FillTable(*small, {}), 4, settings).background, kWhite);
    testing::Edit(*small).Header().RelegateCount = 2; // overlapping zones: relegation wins
    EXPECT_EQ(TableRowColours(small->Header(), FillTable(*small, {}), 3, settings).background,
              settings.Colour3);
}

} // namespace
} // namespace vantorel
