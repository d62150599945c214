#include "stats/LeaguePositionText.h"

namespace vantorel {

std::string LeaguePositionText(int position, int teamCount) {
    if (position == 1)
        return "Top";
    if (position == teamCount)
        return "Bottom";
    const int lastTwo = position % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (position % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(position) + suffix;
}

std::string PointsText(int points) {
    return std::to_string(points) + (points == 1 ? "pt" : "pts");
}

} // namespace vantorel
