#include "outlook/OutlookPrintout.h"

#include <algorithm>
#include <string>
#include <vector>

#include "outlook/OutlookTable.h"
#include "outlook/OutlookView.h"
#include "store/Names.h"

namespace vantorel {
namespace {

constexpr Colour kGridLine = 0xA0A0A0;
constexpr Colour kBarColour = 0xBE5A28; // the heat map's deep blue

void DrawBars(Canvas& canvas, const std::vector<ChartBar>& bars, const std::string& title, int left, int top,
              int width, int height) {
    CanvasFont font = canvas.font();
    font.bold = true;
    canvas.setFont(font);
    canvas.TextOut(left, top, title);
    font.bold = false;
    canvas.setFont(font);
    const int line = canvas.TextHeight("0");
    if (bars.empty()) {
        canvas.TextOut(left, top + 2 * line, "No simulated seasons");
        return;
    }
    const int chartTop = top + 2 * line, chartBottom = top + height - 2 * line;
    const int slot = std::max(1, width / static_cast<int>(bars.size()));
    double highest = 0;
    for (const ChartBar& bar : bars)
        highest = std::max(highest, bar.chance);
    canvas.setPen(kGridLine, 1);
    canvas.Line(left, chartBottom, left + slot * static_cast<int>(bars.size()), chartBottom);
    // Labels are thinned out so that they never overlap.
    const int labelEvery = std::max(1, (canvas.TextWidth(bars.back().label) + line) / slot + 1);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int x = left + slot * static_cast<int>(i);
        const int barHeight =
            highest > 0 ? static_cast<int>(bars[i].chance / highest * (chartBottom - chartTop - line)) : 0;
        canvas.setBrush(kBarColour);
        canvas.setPen(kBarColour, 1);
        if (barHeight > 0)
            canvas.FillRect(x + slot / 8, chartBottom - barHeight, x + slot - slot / 8, chartBottom);
        if (bars[i].chance >= 0.01) {
            const std::string figure = std::to_string(static_cast<int>(bars[i].chance * 100 + 0.5));
            canvas.TextOut(x + (slot - canvas.TextWidth(figure)) / 2, chartBottom - barHeight - line, figure);
        }
        if (i % static_cast<std::size_t>(labelEvery) == 0)
            canvas.TextOut(x + (slot - canvas.TextWidth(bars[i].label)) / 2, chartBottom + line / 4,
                           bars[i].label);
    }
}

// The text broken at spaces into lines no wider than width; a word wider than that has a line of its own.
std::vector<std::string> WrappedLines(Canvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && canvas.TextWidth(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

void DrawOutlookPrintout(Canvas& canvas, const Division& division, const Outlook& outlook,
                         const std::string& caption, int width, int height) {
    const std::vector<std::string> headings = OutlookHeadings(division);
    const int teams = outlook.start.teamCount;
    const int firstPosition = OutlookFirstPositionColumn(division.Header());
    // The font shrinks until the rows (title, the caption's lines, headings, one per team) fit the height
    // and the columns the width.
    CanvasFont font{"Arial", 12};
    int row = 0;
    std::vector<int> widths(headings.size());
    std::vector<std::string> captionLines;
    for (; font.size > 4; --font.size) {
        canvas.setFont(font);
        row = canvas.TextHeight("Xg") * 3 / 2;
        captionLines = WrappedLines(canvas, caption, width);
        const int digits = canvas.TextWidth("100") + row / 2;
        int total = 0;
        for (std::size_t c = 0; c < headings.size(); ++c) {
            int widest = canvas.TextWidth(headings[c]);
            for (int p = 1; p <= teams && static_cast<int>(c) < firstPosition; ++p)
                widest = std::max(widest, canvas.TextWidth(OutlookRow(division, outlook, p)[c]));
            widths[c] = std::max(widest + row / 2, digits);
            total += widths[c];
        }
        if (total <= width && row * (teams + 3 + static_cast<int>(captionLines.size())) <= height)
            break;
    }
    CanvasFont title = font;
    title.bold = true;
    canvas.setFont(title);
    canvas.TextOut(0, 0, LeagueName(division));
    canvas.setFont(font);
    int y = row;
    for (const std::string& line : captionLines) {
        canvas.TextOut(0, y, line);
        y += row;
    }
    y += row / 2;
    const auto drawRow = [&](const std::vector<std::string>& cells, int position) {
        int x = 0;
        const int team = position > 0 ? outlook.start.table.TableOrder[position] : 0;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const int column = static_cast<int>(c);
            std::string text = cells[c];
            Colour textColour = kBlack;
            if (position > 0 && column >= firstPosition) {
                const HeatCell heat = HeatCellOf(PositionChance(outlook, team, column - firstPosition + 1));
                canvas.setBrush(heat.background);
                canvas.FillRect(x, y + 1, x + widths[c], y + row); // below the rule over the row
                text = heat.text;
                textColour = heat.textColour;
            }
            CanvasFont cellFont = font;
            cellFont.colour = textColour;
            cellFont.bold = position == 0;
            canvas.setFont(cellFont);
            const int textX =
                column == 1 || column == 7 ? x + row / 4 : x + widths[c] - row / 4 - canvas.TextWidth(text);
            canvas.TextOut(textX, y + row / 6, text);
            x += widths[c];
        }
        canvas.setPen(kGridLine, 1);
        canvas.Line(0, y + row, x, y + row);
        y += row;
    };
    drawRow(headings, 0);
    for (int p = 1; p <= teams; ++p)
        drawRow(OutlookRow(division, outlook, p), p);
}

void DrawTeamOutlookChart(Canvas& canvas, const Division& division, const Outlook& outlook, int team,
                          int width, int height) {
    canvas.setFont({"Arial", 9});
    const std::string name = TeamName(division, team);
    DrawBars(canvas, PositionBars(outlook, team), name + ": final position", 0, 0, width, height / 2);
    DrawBars(canvas, PointsBars(outlook, team), name + ": final points", 0, height / 2, width, height / 2);
}

} // namespace vantorel
