#pragma once

#include <string>

#include "platform/Canvas.h"
#include "platform/DateFormat.h"
#include "stats/TeamStats.h"

namespace vantorel {

// Draws one page of the team summary printout of a team's statistics on a page of pageWidth x pageHeight
// device units. Page 0 holds the heading (table name, team and print date, ruled off), the record, the
// highest scores, the current form and the games from the oldest, each with a bar of the points total after
// it (net of the deduction; a bar only once the total is positive), on a scale where the league's most
// points fill the line. Games that do not fit continue on pages 1, 2, ... under the heading and the column
// headings. Names too long for their places are cut, so that nothing runs off the page or into its
// neighbour. Returns whether another page follows.
bool PrintTeamSummary(Canvas& canvas, int pageWidth, int pageHeight, const Division& division,
                      const TeamStatistics& stats, const DateFormat& dateFormat, const std::string& printDate,
                      int page);

// One row of up to four caption and value pairs across the page, each value right-aligned in its sixth of
// the width between the margins x; a pair with an empty caption is left out.
struct SummaryPair {
    std::string caption;
    int value = 0;
};
void PrintSummaryRow(Canvas& canvas, int pageWidth, int x, int y, const std::vector<SummaryPair>& pairs);

// A score as printed in the games list: the home goals with a leading space below 10, "-", the away goals.
std::string PrintedScore(const ResultRecord& result);

} // namespace vantorel
