#pragma once

#include <string>

namespace vantorel {

// A league position in words for the progress graph's read-out: "Top" for the first, "Bottom" for the last,
// otherwise the number with its ordinal suffix ("1st", "2nd", "3rd", "11th", "21st", "22nd", "23rd", ...).
std::string LeaguePositionText(int position, int teamCount);

// A points total with its unit: "1pt", otherwise "<n>pts".
std::string PointsText(int points);

} // namespace vantorel
