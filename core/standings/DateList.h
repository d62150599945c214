#pragma once

#include <string>
#include <vector>

#include "platform/DateFormat.h"
#include "standings/Standings.h"

namespace vantorel {

// Whether a table of that content is counted up to an as-at date. The current-form table has none: it
// always counts every played match, so its date controls are off.
constexpr bool HasAsAtDate(TableContent content) {
    return content != TableContent::CurrentForm;
}

// The as-at date as the table page shows it: "Before the first match" for 0, otherwise the date.
std::string AsAtText(double asAt, const DateFormat& dateFormat);

// The distinct match dates of a table variant, ascending, with the as-at date that the table page steps
// through them. Index 0 means before the first date, with as-at date 0, or the day before the first date when
// that is before 30 December 1899 (day 0), so that such a season too starts with an empty table.
class DateList {
public:
    // The dates of played fixtures, and with "Played+Predicted" also of unplayed fixtures that have a date.
    // The as-at date starts at the last date (0 when there is none).
    static DateList Build(const Division& division, TableContent content);

    const std::vector<double>& dates() const { return dates_; }
    int DateCount() const { return static_cast<int>(dates_.size()); }
    double AsAtDate() const { return asAt_; }

    // One match date back or forward; false (the caller beeps) at either end.
    bool StepBack();
    bool StepForward();
    // Sets the as-at date to any date; the index then counts the match dates up to it, so the next step
    // continues from the nearest match date.
    void SetTo(double date);

private:
    double BeforeFirstDate() const;

    std::vector<double> dates_;
    int index_ = 0;
    double asAt_ = 0;
};

} // namespace vantorel
