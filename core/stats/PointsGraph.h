#pragma once

#include "platform/Canvas.h"
#include "stats/TeamStats.h"

namespace vantorel {

// Draws the small points-progress chart of a team into a box of width x height: the axes, then one bar
// per game from the oldest, as high as the points total after it (net of the deduction) on a scale where
// the league's most points fill the height, blue for a win, white for a draw, red for a loss. Nothing is
// drawn for team 0; a team without points gets only the axes, the horizontal one across the whole width.
void DrawPointsGraph(Canvas& canvas, int width, int height, const Division& division,
                     const TeamStatistics& stats);

// The colour of a game's bar or line in the charts.
Colour OutcomeColour(GameOutcome outcome);

} // namespace vantorel
