#include "standings/MatchesGrid.h"

#include <algorithm>

#include "platform/CanvasText.h"
#include "store/Dates.h"
#include "store/Names.h"

namespace vantorel {
namespace {

// The smallest font the grid's cell texts shrink to.
constexpr int kSmallestCellFont = 4;

// The end of the UTF-8 character starting at a byte.
std::size_t CharacterEnd(const std::string& text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end;
}

} // namespace

bool HasSecondSet(const DivisionHeader& header) {
    return header.ResultCount > header.TeamCount * (header.TeamCount - 1);
}

std::string GridCellText(const ResultRecord& fixture) {
    if (fixture.Played)
        return std::to_string(fixture.HomeGoals) + "-" + std::to_string(fixture.AwayGoals);
    if (fixture.MatchDate != 0) {
        const CalendarDate date = CalendarDateOf(fixture.MatchDate);
        return std::to_string(date.day) + "/" + std::to_string(date.month);
    }
    return " - ";
}

std::string FitText(Canvas& canvas, int maxWidth, const std::string& text) {
    std::string fitted = text;
    if (canvas.TextWidth(fitted) <= maxWidth)
        return fitted;
    if (const auto space = fitted.find(' '); space != std::string::npos && space + 1 < fitted.size())
        fitted = fitted.substr(0, CharacterEnd(fitted, space + 1));
    return CutText(canvas, maxWidth, fitted);
}

MatchesGridLayout GridLayout(Canvas& canvas, const Division& division, int width, int height) {
    const int teams = division.Header().TeamCount;
    MatchesGridLayout m{};
    for (int t = 1; t <= teams; ++t)
        m.nameWidth = std::max(m.nameWidth, canvas.TextWidth(TeamName(division, t)));
    m.nameWidth += canvas.TextWidth("w");
    m.cellWidth = (width - 2 * kGridMargin - m.nameWidth) / teams;
    m.gridWidth = m.cellWidth * teams;
    m.gridAreaHeight = ((height - 2 * kGridMargin) / 8) * 7;
    m.gridTop = height - m.gridAreaHeight + kGridMargin;
    m.cellHeight = (m.gridAreaHeight / 48) * 2;
    m.gridHeight = m.cellHeight * teams;
    m.gridLeft = width - kGridMargin - m.gridWidth;
    return m;
}

void DrawGrid(Canvas& canvas, const Division& division, int width, int height, bool printing,
              bool secondSet) {
    const DivisionHeader& header = division.Header();
    const int teams = header.TeamCount;
    const CanvasFont original = canvas.font();
    CanvasFont font = original;
    font.size = 10;
    canvas.setFont(font);
    MatchesGridLayout m = GridLayout(canvas, division, width, height);
    if (!printing) {
        font.size = 7;
        canvas.setFont(font);
    }

    int first = 1, last = header.ResultCount;
    if (HasSecondSet(header)) {
        first = secondSet ? header.ResultCount / 2 + 1 : 1;
        last = secondSet ? header.ResultCount : header.ResultCount / 2;
    }
    m.textY = (m.cellHeight - canvas.TextHeight("9")) / 2;
    // Many teams or long names leave narrow cells: a text too wide for its cell takes a smaller font, the
    // largest that leaves it a space to spare, so that it never runs into the next cell.
    const CanvasFont cellFont = font;
    for (int r = first; r <= last; ++r) {
        const ResultRecord& fixture = division.Results[r];
        const std::string text = GridCellText(fixture);
        const bool shrunk = ShrinkFontToFit(canvas, m.cellWidth, text + " ", kSmallestCellFont);
        const int textY = shrunk ? (m.cellHeight - canvas.TextHeight("9")) / 2 : m.textY;
        canvas.TextOut((fixture.AwayTeam - 1) * m.cellWidth + m.gridLeft +
                           (m.cellWidth - canvas.TextWidth(text)) / 2,
                       (fixture.HomeTeam - 1) * m.cellHeight + m.gridTop + textY, text);
        if (shrunk)
            canvas.setFont(cellFont);
    }

    font.size = 8;
    canvas.setFont(font);
    canvas.setPen(kBlack, 1);
    canvas.setBrush(printing ? kButtonFace : kBlue);
    for (int i = 0; i < teams; ++i)
        canvas.Rectangle(m.gridLeft + m.cellWidth * i, m.gridTop + m.cellHeight * i,
                         m.gridLeft + m.cellWidth * (i + 1), m.gridTop + m.cellHeight * (i + 1));
    canvas.setBrush(kWhite);
    for (int i = 1; i < teams; ++i) {
        canvas.Line(m.gridLeft + m.cellWidth * i, m.gridTop, m.gridLeft + m.cellWidth * i,
                    m.gridTop + m.gridHeight);
        canvas.Line(m.gridLeft, m.gridTop + m.cellHeight * i, m.gridLeft + m.gridWidth,
                    m.gridTop + m.cellHeight * i);
    }
    canvas.FrameRect(m.gridLeft, m.gridTop, m.gridLeft + m.gridWidth, m.gridTop + m.gridHeight);

    CanvasFont rows = font;
    if (!printing)
        rows.colour = kBlue;
    canvas.setFont(rows);
    for (int t = 1; t <= teams; ++t)
        canvas.TextOut(kGridMargin, (t - 1) * m.cellHeight + m.gridTop + m.textY,
                       FitText(canvas, m.gridLeft - kGridMargin, TeamName(division, t)));

    CanvasFont columns = font;
    columns.escapement = 2700;
    if (!printing)
        columns.colour = kRed;
    canvas.setFont(columns);
    for (int t = 1; t <= teams; ++t)
        canvas.TextOut(m.gridLeft + t * m.cellWidth - m.cellWidth / 4, kGridMargin,
                       FitText(canvas, m.gridTop - kGridMargin, TeamName(division, t)));
    canvas.setFont(original);
}

} // namespace vantorel
