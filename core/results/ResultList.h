#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Division.h"

namespace vantorel {

// Sort keys of the results grid and the predictions grid.
enum ResultSortKey {
    kSortByDate = 1,
    kSortByAttendance = 2,
    kSortByHomeTeam = 3,
    kSortByAwayTeam = 4,
    kSortByHomeGoals = 5,
    kSortByAwayGoals = 6,
    kSortByPredicted = 7,
};
inline constexpr int kDefaultResultSort = kSortByHomeTeam;

inline constexpr const char* kCancelledDate = "  N/A";
inline constexpr const char* kAllGamesPlayed = "All games have been played";

// Orders two result records under a key: -1 when a comes first, 1 when b does, 0 when the key cannot tell
// them apart. Names compare byte by byte; each key has its tie-break (date: home name; attendance: date;
// home: away name; away: home name; goals: date; predicted: date). Any other key compares equal.
int CompareResults(const Division& division, int a, int b, int key);

// The heading of the results grid (Date, Attend, Home Team, Away Team, F, A; from 0) gives its sort key.
int ResultsSortKey(int section);
// The heading of the predictions grid (tick, Date, Home Team, Away Team, F, A; from 0) gives its sort key.
int PredictSortKey(int section);

// An attendance with one comma before its last three digits: 12345 gives 12,345, 1234567 gives 1234,567.
std::string FormatAttendance(int attendance);

// The rows of the results grid (played results) or of the predictions grid (open fixtures): result records
// in display order. A row whose result was cancelled since the list was built holds 0 until it is compacted.
class ResultList {
public:
    static ResultList Played(const Division& division);
    static ResultList Open(const Division& division);

    // Sorts by a key; entries the key cannot tell apart stand in record order.
    void Sort(const Division& division, int key);
    // Drops the rows of cancelled results.
    void Compact();

    int count() const { return static_cast<int>(rows_.size()); }
    // The result of a row, 0 for a row out of range or one cancelled since.
    int At(int row) const;
    // Marks a row cancelled: its actions are refused until the list is compacted.
    void MarkCancelled(int row);

private:
    std::vector<int> rows_;
};

// The six cells of a results grid row: date (kCancelledDate once cancelled), attendance, home team, away
// team, home goals, away goals. A cancelled row shows its old result.
std::array<std::string, 6> ResultCells(const Division& division, int result, bool cancelled,
                                       const DateFormat& format);
// The six cells of a predictions grid row: the tick (" " when predicted, empty otherwise), date (" " when
// there is none), home team, away team, home goals, away goals.
std::array<std::string, 6> PredictCells(const Division& division, int fixture, const DateFormat& format);

// The column widths of the results grid: a unit of (width - scroll bar - 6 lines) / 28, shared 3, 3, 9, 9,
// 2, 2 with the remainder to the date column. A date column narrower than dateWidth takes what it lacks
// from the team columns.
std::vector<int> ResultsGridWidths(int width, int scrollBarWidth, int lineWidth, int dateWidth = 0);
// The column widths of the predictions grid: a unit of (width - scroll bar - 10 lines) / 19, shared 1, 2, 6,
// 6, 2, 2 with the remainder to the date column, which takes from the team columns as above.
std::vector<int> PredictGridWidths(int width, int scrollBarWidth, int lineWidth, int dateWidth = 0);

// "Remaining Game", "Remaining N Games", or kAllGamesPlayed for none.
std::string RemainingGamesText(int count);

// "Cancel result for HOME v AWAY": the question before a result is cancelled.
std::string CancelResultQuestion(const Division& division, int result);
// "HOME v AWAY", the caption of the score dialogs.
std::string MatchTitle(const Division& division, int result);

} // namespace vantorel
