#pragma once

#include <string>

#include "platform/Canvas.h"
#include "store/Division.h"

namespace vantorel {

// True when the teams meet four times, so the grid has a first and a second set of fixtures.
bool HasSecondSet(const DivisionHeader& header);

// The text of a fixture's cell: the score of a played match ("2-1"), the day and month of a dated fixture
// ("7/3"), otherwise " - ".
std::string GridCellText(const ResultRecord& fixture);

// A text that fits a width: a wider text is first cut to its first word, a space and the next letter
// ("Aston V"), then shortened from the end until it fits.
std::string FitText(Canvas& canvas, int maxWidth, const std::string& text);

// The measures of the grid on a canvas of a size, in device units.
struct MatchesGridLayout {
    int nameWidth, cellWidth, gridWidth, gridAreaHeight, gridTop, cellHeight, gridHeight, textY, gridLeft;
};
inline constexpr int kGridMargin = 10;
MatchesGridLayout GridLayout(Canvas& canvas, const Division& division, int width, int height);

// Draws the cross table of the fixtures (rows the home teams, columns the away teams) of the first or the
// second set: on screen with a blue diagonal, blue row names and red column names; printed in the font's
// colour with a button-face diagonal. A text too wide for its cell takes a smaller font.
void DrawGrid(Canvas& canvas, const Division& division, int width, int height, bool printing, bool secondSet);

} // namespace vantorel
