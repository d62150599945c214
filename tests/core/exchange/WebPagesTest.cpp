#include "exchange/WebPages.h"

#include <gtest/gtest.h>

#include "app/LeagueSettings.h"
#include "platform/Markup.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel {
namespace {

// The body rows of a page's table as its cells' texts, read back from the markup.
std::vector<std::vector<std::string>> BodyRows(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    const std::size_t body = html.find("<tbody>"), end = html.find("</tbody>");
    std::size_t at = body;
    while ((at = html.find("<tr", at + 1)) < end) {
        const std::size_t rowEnd = html.find("</tr>", at);
        std::vector<std::string> cells;
        std::size_t cell = at;
        while ((cell = html.find("<t", cell + 1)) < rowEnd) {
            const std::size_t open = html.find('>', cell) + 1;
            cells.push_back(html.substr(open, html.find("</t", open) - open));
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST(WebPages, TheTablePageCarriesTheTableCellsInItsZoneColours) {
    auto division = testing::MakeLeague(6, 2);
    ASSERT_TRUE(RenameTeam(*division, 2, "Brighton & <Hove>"));
    testing::PlayFixture(*division, 1, 3, 1, 46000);
    testing::PlayFixture(*division, 7, 0, 2, 46001);
    testing::Edit(*division).Header().PromoteCount = 1;
    testing::Edit(*division).Header().RelegateCount = 2;
    testing::Edit(*division).Header().OwnTeam = 4;
    const Settings settings;
    for (const TableFormat format : {TableFormat{false, false}, TableFormat{true, true}}) {
        const LeagueTable table = FillTable(
            *division, {TableContent::PlayedGames, GameSelection::HomeAndAway, 46001, kDefaultFormGames});
        const std::string html = TableWebPage(*division, table, format, settings, DateFormat::Default());
        EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
        EXPECT_EQ(html.find("<script"), std::string::npos);
        EXPECT_NE(html.find("<caption>Test League &#8211; Played games, up to 10/12/2025</caption>"),
                  std::string::npos);
        EXPECT_NE(html.find("Brighton &amp; &lt;Hove&gt;"), std::string::npos);
        auto expected = TableRows(*division, table, format);
        for (auto& row : expected)
            row[1] = MarkupEscaped(row[1]);
        EXPECT_EQ(BodyRows(html), expected);
        for (int position = 1; position <= 6; ++position) {
            const RowColours colours = TableRowColours(division->Header(), table, position, settings);
            if (colours.background != kWhite || colours.text != kBlack) {
                EXPECT_NE(html.find("background-color:" + CssColour(colours.background) +
                                    ";color:" + CssColour(colours.text)),
                          std::string::npos)
                    << position;
            }
        }
        EXPECT_EQ(html.find(">Home</th>") != std::string::npos, !format.shortFormat);
    }
}

TEST(WebPages, MarkupEscapesAndColoursAreWrittenForTheWeb) {
    EXPECT_EQ(MarkupEscaped("Q's & \"R\" <x>"), "Q&#39;s &amp; &quot;R&quot; &lt;x&gt;");
    EXPECT_EQ(CssColour(0x0000FF), "#ff0000"); // the program's red
    EXPECT_EQ(CssColour(0x804020), "#204080");
}

TEST(WebPages, TheTablePictureIsAsHighAsTheTableAndEscapesItsText) {
    auto division = testing::MakeLeague(24, 1);
    ASSERT_TRUE(RenameTeam(*division, 1, "A & B"));
    const LeagueTable table = FillTable(*division, {});
    const std::string svg = TableSvgPicture(MakeTablePrintout(*division, table, TableFormat{}, "14/03/2026"));
    EXPECT_NE(svg.find("width=\"1000\" height=\""), std::string::npos);
    EXPECT_NE(svg.find(">A &amp; B</text>"), std::string::npos);
    // The last team's row lies inside the picture.
    const std::size_t heightAt = svg.find("height=\"") + 8;
    const int height = std::stoi(svg.substr(heightAt));
    const std::size_t last = svg.rfind("<line");
    const int lowest = std::stoi(svg.substr(svg.find("y2=\"", last) + 4));
    EXPECT_LT(lowest, height);
}

} // namespace
} // namespace vantorel
