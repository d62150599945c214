#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateFormat.h"
#include "store/Status.h"

namespace vantorel {

// What the dates of a whole file tell about the format they are written in, so that a file is read in its
// own layout and never stored with day and month swapped. The survey tries every layout of day, month and
// year as numbers (day-month-year, month-day-year, year-month-day with a four-digit year; separated by "/",
// "-" or ".") and the chosen format, counting the dates each reads.
class DateSurvey {
public:
    explicit DateSurvey(const DateFormat& chosen);

    // One date of the file. A text without a digit (a heading word) tells nothing and is left out.
    void Add(std::string_view text);
    int count() const { return total_; }

    // The format to read the file in, or why the file is refused whole:
    // - with the format given (formatGiven): that format, unless it reads only part of the dates and another
    //   layout reads them all (day and month the other way round, or another separator), or the file holds
    //   dates that only the format reads beside dates that only its day-month exchange reads;
    // - otherwise the one layout that reads every date; refused when two layouts read them all (naming both
    //   readings), when the file mixes both orders of day and month, or when no layout reads any date. When
    //   none reads them all the one that reads the most is taken and the other dates are bad lines.
    // A file without dates takes the chosen format.
    Status Decide(bool formatGiven, DateFormat& format) const;

private:
    struct Candidate {
        DateFormat format;
        bool patternOnly; // read without the yyyy-MM-dd reading
        int reads = 0;
        std::string onlyHere; // a date this reads and the day-month exchange of it does not
    };
    std::size_t Partner(std::size_t candidate) const; // the one with day and month exchanged
    std::string Shown(const DateFormat& format) const;
    std::optional<Status> RefuseMixedOrders(std::size_t a, std::size_t b) const;

    std::vector<Candidate> candidates_; // the layouts, then the chosen format and its exchange
    std::size_t chosen_ = 0;
    int total_ = 0;
    bool fourDigitYears_ = false;
    std::string firstDate_;
};

} // namespace vantorel
