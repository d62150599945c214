#include "results/ResultList.h"

#include <algorithm>

#include "store/Names.h"

namespace vantorel {
namespace {

int Order(auto a, auto b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareNames(const Division& division, int teamA, int teamB) {
    return Order(division.Teams[teamA].Name.stored(), division.Teams[teamB].Name.stored());
}

// Shares a width among columns by units, the remainder going to the date column. A date column narrower than
// its dates takes what it lacks from the two team columns, so that no date is cut.
std::vector<int> UnitWidths(int space, const std::vector<int>& units, std::size_t dateColumn, int dateWidth) {
    int totalUnits = 0;
    for (int u : units)
        totalUnits += u;
    const int unit = std::max(space, 0) / totalUnits;
    std::vector<int> widths;
    for (int u : units)
        widths.push_back(u * unit);
    widths[dateColumn] += std::max(space, 0) - unit * totalUnits;
    if (const int lacking = dateWidth - widths[dateColumn]; lacking > 0) {
        const int fromHome = std::min(lacking / 2, widths[2]);
        const int fromAway = std::min(lacking - fromHome, widths[3]);
        widths[2] -= fromHome;
        widths[3] -= fromAway;
        widths[dateColumn] += fromHome + fromAway;
    }
    return widths;
}

} // namespace

int CompareResults(const Division& division, int a, int b, int key) {
    const ResultRecord& x = division.Results[a];
    const ResultRecord& y = division.Results[b];
    const auto thenByDate = [&](int first) { return first != 0 ? first : Order(x.MatchDate, y.MatchDate); };
    switch (key) {
    case kSortByDate:
        if (const int first = Order(x.MatchDate, y.MatchDate))
            return first;
        return CompareNames(division, x.HomeTeam, y.HomeTeam);
    case kSortByAttendance:
        return thenByDate(Order(y.Attendance, x.Attendance));
    case kSortByHomeTeam:
        if (const int first = CompareNames(division, x.HomeTeam, y.HomeTeam))
            return first;
        return CompareNames(division, x.AwayTeam, y.AwayTeam);
    case kSortByAwayTeam:
        if (const int first = CompareNames(division, x.AwayTeam, y.AwayTeam))
            return first;
        return CompareNames(division, x.HomeTeam, y.HomeTeam);
    case kSortByHomeGoals:
        return thenByDate(Order(y.HomeGoals, x.HomeGoals));
    case kSortByAwayGoals:
        return thenByDate(Order(y.AwayGoals, x.AwayGoals));
    case kSortByPredicted:
        return thenByDate(Order(y.Predicted, x.Predicted));
    default:
        return 0;
    }
}

int ResultsSortKey(int section) {
    return section >= 0 && section < 6 ? section + 1 : kSortByDate;
}

int PredictSortKey(int section) {
    if (section == 0)
        return kSortByPredicted;
    if (section == 1)
        return kSortByDate;
    return section >= 2 && section < 6 ? section + 1 : kSortByPredicted;
}

std::string FormatAttendance(int attendance) {
    std::string digits = std::to_string(attendance);
    if (attendance > 999)
        digits.insert(digits.size() - 3, ",");
    return digits;
}

ResultList ResultList::Played(const Division& division) {
    ResultList list;
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (division.Results[r].Played)
            list.rows_.push_back(r);
    return list;
}

ResultList ResultList::Open(const Division& division) {
    ResultList list;
    for (int r = 1; r <= division.Header().ResultCount; ++r)
        if (!division.Results[r].Played)
            list.rows_.push_back(r);
    return list;
}

void ResultList::Sort(const Division& division, int key) {
    // Entries the key cannot tell apart stand in record order, whatever order the list had before.
    std::sort(rows_.begin(), rows_.end(), [&](int a, int b) {
        const int order = CompareResults(division, a, b, key);
        return order != 0 ? order < 0 : a < b;
    });
}

void ResultList::Compact() {
    std::erase(rows_, 0);
}

int ResultList::At(int row) const {
    return row >= 0 && row < count() ? rows_[static_cast<std::size_t>(row)] : 0;
}

void ResultList::MarkCancelled(int row) {
    if (row >= 0 && row < count())
        rows_[static_cast<std::size_t>(row)] = 0;
}

std::array<std::string, 6> ResultCells(const Division& division, int result, bool cancelled,
                                       const DateFormat& format) {
    const ResultRecord& match = division.Results[result];
    return {cancelled ? std::string(kCancelledDate) : format.Format(match.MatchDate),
            FormatAttendance(match.Attendance),
            TeamName(division, match.HomeTeam),
            TeamName(division, match.AwayTeam),
            std::to_string(match.HomeGoals),
            std::to_string(match.AwayGoals)};
}

std::array<std::string, 6> PredictCells(const Division& division, int fixture, const DateFormat& format) {
    const ResultRecord& match = division.Results[fixture];
    return {match.Predicted ? " " : "",         match.MatchDate != 0 ? format.Format(match.MatchDate) : " ",
            TeamName(division, match.HomeTeam), TeamName(division, match.AwayTeam),
            std::to_string(match.HomeGoals),    std::to_string(match.AwayGoals)};
}

std::vector<int> ResultsGridWidths(int width, int scrollBarWidth, int lineWidth, int dateWidth) {
    return UnitWidths(width - scrollBarWidth - 6 * lineWidth, {3, 3, 9, 9, 2, 2}, 0, dateWidth);
}

std::vector<int> PredictGridWidths(int width, int scrollBarWidth, int lineWidth, int dateWidth) {
    return UnitWidths(width - scrollBarWidth - 10 * lineWidth, {1, 2, 6, 6, 2, 2}, 1, dateWidth);
}

std::string RemainingGamesText(int count) {
    if (count == 0)
        return kAllGamesPlayed;
    if (count == 1)
        return "Remaining Game";
    return "Remaining " + std::to_string(count) + " Games";
}

std::string MatchTitle(const Division& division, int result) {
    const ResultRecord& match = division.Results[result];
    return TeamName(division, match.HomeTeam) + " v " + TeamName(division, match.AwayTeam);
}

std::string CancelResultQuestion(const Division& division, int result) {
    return "Cancel result for " + MatchTitle(division, result);
}

} // namespace vantorel
