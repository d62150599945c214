#include "standings/DateList.h"

#include <algorithm>

namespace vantorel {

std::string AsAtText(double asAt, const DateFormat& dateFormat) {
    return asAt == 0 ? "Before the first match" : dateFormat.Format(asAt);
}

DateList DateList::Build(const Division& division, TableContent content) {
    DateList list;
    for (int r = 1; r <= division.Header().ResultCount; ++r) {
        const ResultRecord& match = division.Results[r];
        // Day numbers below 0 are dates before 30 December 1899; only 0 means "no date".
        if ((match.Played || content == TableContent::PlayedPredicted) && match.MatchDate != 0)
            list.dates_.push_back(match.MatchDate);
    }
    std::sort(list.dates_.begin(), list.dates_.end());
    list.dates_.erase(std::unique(list.dates_.begin(), list.dates_.end()), list.dates_.end());
    list.index_ = list.DateCount();
    list.asAt_ = list.dates_.empty() ? 0 : list.dates_.back();
    return list;
}

bool DateList::StepBack() {
    if (index_ == 0)
        return false;
    --index_;
    asAt_ = index_ == 0 ? BeforeFirstDate() : dates_[static_cast<std::size_t>(index_ - 1)];
    return true;
}

double DateList::BeforeFirstDate() const {
    return dates_.empty() || dates_.front() > 0 ? 0 : dates_.front() - 1;
}

bool DateList::StepForward() {
    if (index_ == DateCount())
        return false;
    ++index_;
    asAt_ = dates_[static_cast<std::size_t>(index_ - 1)];
    return true;
}

void DateList::SetTo(double date) {
    asAt_ = date;
    index_ = static_cast<int>(std::upper_bound(dates_.begin(), dates_.end(), date) - dates_.begin());
}

} // namespace vantorel
