#include "stats/GoalTimeChart.h"

#include <algorithm>

namespace vantorel {
namespace {

constexpr int kMinutesPerBin = 5;
constexpr int kLastFirstHalfBin = 9;

} // namespace

std::array<int, kGoalTimeBins + 1> GoalTimeBins(const Division& division) {
    std::array<int, kGoalTimeBins + 1> bins{};
    for (int g = 1; g <= division.Header().GoalCount; ++g) {
        const int minute = division.Goals[g].GoalTime;
        if (minute != 0)
            ++bins[static_cast<std::size_t>(
                std::min((minute + kMinutesPerBin - 1) / kMinutesPerBin, kGoalTimeBins))];
    }
    return bins;
}

void DrawGoalTimeChart(Canvas& canvas, const Division& division, int width, int height) {
    const auto bins = GoalTimeBins(division);
    const int maxBin = *std::max_element(bins.begin(), bins.end());
    if (maxBin == 0)
        return;
    const int colWidth = width / kGoalTimeBins;
    const int left = (width - kGoalTimeBins * colWidth) / 2;
    for (int b = 1; b <= kGoalTimeBins; ++b) {
        const int count = bins[static_cast<std::size_t>(b)];
        if (count == 0)
            continue;
        canvas.setBrush(b <= kLastFirstHalfBin ? kBlue : b < kGoalTimeBins ? kRed : kYellow);
        // Scaled to the fullest bin: a whole pixel per goal would leave a chart of more goals than the box
        // has pixels empty.
        canvas.Rectangle(left + (b - 1) * colWidth, height - count * height / maxBin, left + b * colWidth,
                         height);
    }
}

} // namespace vantorel
