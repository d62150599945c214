#include "results/SeasonDates.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

std::optional<std::string> FarFromSeasonQuestion(const Division& division, double date,
                                                 const DateFormat& format, int redatedResult) {
    double first = 0;
    double last = 0;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        if (r == redatedResult || !match.Played || match.MatchDate == 0)
            continue;
        // Whole days: the time of day a result may carry does not move it nearer.
        const double day = std::floor(match.MatchDate);
        first = first == 0 ? day : std::min(first, day);
        last = std::max(last, day);
    }
    const double day = std::floor(date);
    if (first == 0 || (day >= first - kDaysOutsideSeason && day <= last + kDaysOutsideSeason))
        return std::nullopt;
    return "The date " + format.Format(date) + " is more than " + std::to_string(kDaysOutsideSeason) +
           " days away from the league's other results (" + format.Format(first) + " to " +
           format.Format(last) + "). Store the result on this date?";
}

bool MayStoreOnDate(const Division& division, double date, const DateFormat& format, Prompts& prompts,
                    int redatedResult) {
    const auto question = FarFromSeasonQuestion(division, date, format, redatedResult);
    return !question || prompts.AskYesNo(*question);
}

} // namespace vantorel
