#pragma once

#include <array>

#include "platform/Canvas.h"
#include "store/Division.h"

namespace vantorel {

// Goals by five-minute span: bin b (1..18) counts minutes 5b-4 .. 5b, bin 19 every minute after 90. Goals
// without a minute (0) are not counted; own goals and penalties are. Slot 0 is unused.
inline constexpr int kGoalTimeBins = 19;
std::array<int, kGoalTimeBins + 1> GoalTimeBins(const Division& division);

// Draws the bar chart of the goal minutes in a box of a width and height: first-half bins blue, second-half
// bins red, stoppage time after 90 minutes yellow, the fullest bin as high as the box, the others in
// proportion, every bar outlined with the canvas's pen. Nothing is drawn when no goal has a minute.
void DrawGoalTimeChart(Canvas& canvas, const Division& division, int width, int height);

} // namespace vantorel
