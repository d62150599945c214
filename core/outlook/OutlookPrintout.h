#pragma once

#include "outlook/Outlook.h"
#include "platform/Canvas.h"

namespace vantorel {

// The name the outlook's picture is first offered under, in the league folder.
inline constexpr const char* kOutlookPictureName = "Outlook.png";

// The outlook table on a page or a picture of the given size: the league's name, the caption wrapped to
// the page's width, then the table with its heat map, the font sized so that every row fits.
void DrawOutlookPrintout(Canvas& canvas, const Division& division, const Outlook& outlook,
                         const std::string& caption, int width, int height);

// A team's chart: its chance of each final position, and below it of each final points total, as bars.
void DrawTeamOutlookChart(Canvas& canvas, const Division& division, const Outlook& outlook, int team,
                          int width, int height);

} // namespace vantorel
