#pragma once

#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// Each side of the match report lists at most this many scorers.
inline constexpr int kMostScorerLines = 10;

// The match report of one played result, as the result details dialog shows it.
struct MatchReport {
    std::string caption;    // "Result Details (DATE)"
    std::string home;       // home team name
    std::string score;      // "H - A"
    std::string away;       // away team name
    std::string halfTime;   // "HT: H - A", empty when no goal has a scorer
    std::string attendance; // "Att: N" without separators, empty for 0
    std::vector<std::string> homeLines;
    std::vector<std::string> awayLines;
};

// Builds the report of a result. Only goals with a scorer take part: a goal before minute 46 (or without a
// minute) counts for the half-time score of the team it was credited to. Each side's scorers are listed in
// order of their first goal, one line per scorer with the minutes of his goals in time order, each marked
// " og" or " Pen" ("NAME 23 Pen,67"); own goals are listed under the side they counted for. A side lists at
// most 10 scorers, and once an eleventh would start, no later goal of that side is added to any line.
MatchReport BuildMatchReport(const Division& division, int result, const DateFormat& dates);

} // namespace vantorel
