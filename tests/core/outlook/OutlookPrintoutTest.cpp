// The outlook's printed table and a team's chart of chances.

#include <algorithm>
#include <cctype>
#include <numeric>

#include <gtest/gtest.h>

#include "outlook/OutlookPrintout.h"
#include "outlook/OutlookTable.h"
#include "outlook/OutlookView.h"
#include "support/RecordingCanvas.h"
#include "support/SyntheticSeason.h"

namespace vantorel {
namespace {

using testing::RecordingCanvas;

// A full league part way through, with its open matches simulated (or not).
struct LeagueOutlook {
    std::unique_ptr<Division> division =
        testing::MakeSyntheticSeason(kMaxTeams, 2, 3, testing::SpreadStrengths(kMaxTeams), 7);
    Outlook outlook;

    explicit LeagueOutlook(bool simulate) {
        OutlookRequest request;
        request.asAt = testing::SyntheticRoundDate(30);
        outlook = ComputeExactOutlook(*division, request);
        if (simulate)
            SimulateOutlook(*division, outlook, {400, 1, 1});
    }
};

double Sum(const std::vector<ChartBar>& bars) {
    return std::accumulate(bars.begin(), bars.end(), 0.0,
                           [](double sum, const ChartBar& bar) { return sum + bar.chance; });
}

// Whether every text, rule and cell drawn lies on a page of the given size.
::testing::AssertionResult OnThePage(const RecordingCanvas& canvas, int width, int height) {
    for (const auto& text : canvas.texts) {
        const int right = text.x + static_cast<int>(text.text.size()) * text.font.size;
        if (text.x < 0 || right > width || text.y + 2 * text.font.size > height)
            return ::testing::AssertionFailure() << "'" << text.text << "' is off the page";
    }
    for (const auto& line : canvas.lines)
        if (std::max(line.x1, line.x2) > width || std::max(line.y1, line.y2) > height)
            return ::testing::AssertionFailure() << "a rule at y " << line.y1 << " is off the page";
    for (const auto& box : canvas.boxes)
        if (box.right > width || box.bottom > height)
            return ::testing::AssertionFailure() << "a cell at y " << box.top << " is off the page";
    return ::testing::AssertionSuccess();
}

TEST(OutlookPrintout, TheWholeTableFitsThePageWithItsTitleCaptionAndHeatMap) {
    const LeagueOutlook league(true);
    const std::string caption = OutlookCaption(league.outlook, "4 March 2006");
    RecordingCanvas canvas;
    DrawOutlookPrintout(canvas, *league.division, league.outlook, caption, 1000, 1000);
    ASSERT_GE(canvas.texts.size(), 3u);
    EXPECT_TRUE(canvas.texts[0].font.bold);
    // The font shrinks from its 12 points until the table fits; the caption is wrapped onto the lines it
    // needs, above the headings (bold again).
    EXPECT_LT(canvas.texts[1].font.size, 12);
    EXPECT_TRUE(OnThePage(canvas, 1000, 1000));
    std::string wrapped = canvas.texts[1].text;
    std::size_t next = 2;
    for (; !canvas.texts[next].font.bold; ++next)
        wrapped += " " + canvas.texts[next].text;
    EXPECT_EQ(std::pair(wrapped, next), std::pair(caption, std::size_t{3}));
    // A rule under the headings and under each team's row.
    EXPECT_EQ(canvas.lines.size(), static_cast<std::size_t>(kMaxTeams + 1));
    // Every position cell is coloured by its chance: the leader's row starts with its chance of 1st.
    const int leader = league.outlook.start.table.TableOrder[1];
    ASSERT_EQ(canvas.boxes.size(), static_cast<std::size_t>(kMaxTeams * kMaxTeams));
    EXPECT_EQ(canvas.boxes[0].brush, HeatCellOf(PositionChance(league.outlook, leader, 1)).background);
    // Each cell lies between the rules over and under its row, leaving them to show.
    EXPECT_EQ(std::pair(canvas.boxes[0].top, canvas.boxes[0].bottom),
              std::pair(canvas.lines[0].y1 + 1, canvas.lines[1].y1));

    // A low page counts the caption's lines in the height; one with room to spare keeps the 12 points.
    RecordingCanvas low, roomy;
    DrawOutlookPrintout(low, *league.division, league.outlook, caption, 1000, 510);
    EXPECT_TRUE(OnThePage(low, 1000, 510));
    DrawOutlookPrintout(roomy, *league.division, league.outlook, "x", 20000, 20000);
    EXPECT_EQ(roomy.texts[1].font.size, 12);
}

TEST(OutlookChart, BarsForEachPositionAndPointsTotalInProportionWithLabelsApart) {
    const LeagueOutlook league(true);
    const int team = league.outlook.start.table.TableOrder[5];
    const std::vector<ChartBar> positions = PositionBars(league.outlook, team);
    const std::vector<ChartBar> points = PointsBars(league.outlook, team);
    ASSERT_EQ(positions.size(), static_cast<std::size_t>(kMaxTeams));
    EXPECT_EQ(positions[0].label, "1st");
    EXPECT_NEAR(Sum(positions), 1.0, 1e-9);
    EXPECT_NEAR(Sum(points), 1.0, 1e-9);
    EXPECT_EQ(points[0].label, std::to_string(league.outlook.start.points(team)));

    RecordingCanvas canvas;
    DrawTeamOutlookChart(canvas, *league.division, league.outlook, team, 700, 500);
    const std::string name = canvas.texts[0].text.substr(0, canvas.texts[0].text.find(':'));
    EXPECT_EQ(canvas.texts[0].text, name + ": final position");
    EXPECT_GE(canvas.TextNamed(name + ": final points").y, 250);
    // Each position's bar is in proportion to its chance, the likeliest the tallest (bars of no height are
    // not drawn; a bar's slot gives its position).
    const int slot = 700 / kMaxTeams;
    std::vector<std::pair<std::size_t, int>> heights; // position index, bar height
    for (const auto& bar : canvas.boxes)
        if (bar.bottom <= 250)
            heights.emplace_back(static_cast<std::size_t>(bar.left / slot), bar.bottom - bar.top);
    const auto likeliest = std::max_element(positions.begin(), positions.end(),
                                            [](auto& a, auto& b) { return a.chance < b.chance; });
    const int tallest = std::ranges::max(heights, {}, &std::pair<std::size_t, int>::second).second;
    ASSERT_GT(heights.size(), 1u);
    EXPECT_GT(canvas.boxes[0].bottom - tallest, canvas.texts[0].y + 18) << "the bars stay under the title";
    for (const auto& [index, height] : heights)
        EXPECT_NEAR(height, positions[index].chance / likeliest->chance * tallest, 1.0) << index;
    // The position labels along the axis never overlap.
    std::vector<RecordingCanvas::Text> labels;
    for (const auto& text : canvas.texts)
        if (text.text.size() >= 3 && std::isdigit(static_cast<unsigned char>(text.text[0])) && text.y < 250 &&
            !std::isdigit(static_cast<unsigned char>(text.text.back())))
            labels.push_back(text);
    ASSERT_GT(labels.size(), 1u);
    for (std::size_t i = 1; i < labels.size(); ++i)
        EXPECT_GE(labels[i].x, labels[i - 1].x + static_cast<int>(labels[i - 1].text.size()) * 9);

    // Before any season is simulated, the points chart says so.
    const LeagueOutlook exactOnly(false);
    RecordingCanvas unsimulated;
    DrawTeamOutlookChart(unsimulated, *exactOnly.division, exactOnly.outlook, team, 700, 500);
    EXPECT_GT(unsimulated.TextNamed("No simulated seasons").y, 250);
}

} // namespace
} // namespace vantorel
