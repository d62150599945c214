#pragma once

#include <string>

#include "platform/Canvas.h"
#include "standings/Standings.h"
#include "store/Settings.h"

namespace vantorel {

// The colours the system gives heading cells.
struct HeadingColours {
    Colour face = kButtonFace;
    Colour text = kBlack;
};

inline constexpr const char* kUpArrowBitmap = "up";
inline constexpr const char* kDownArrowBitmap = "down";

// Draws one cell of the league table grid: row 0 holds the headings, row r the team at position r. The
// cell gets its zone background and the own team's text colour; "U" and "D" in the Pos column are drawn
// as the up and down arrows; the team name is left-aligned (2 units in), headings are centred and
// every other text is right-aligned.
void DrawTableCell(Canvas& canvas, int left, int top, int right, int bottom, int row, int column,
                   const std::string& text, const DivisionHeader& header, const LeagueTable& table,
                   const Settings& settings, const HeadingColours& headings);

} // namespace vantorel
