#include "exchange/DateLayout.h"

#include <algorithm>

namespace vantorel {
namespace {

constexpr const char* kLayouts[] = {"dd/MM/yyyy", "MM/dd/yyyy", "yyyy/MM/dd", "dd-MM-yyyy", "MM-dd-yyyy",
                                    "yyyy-MM-dd", "dd.MM.yyyy", "MM.dd.yyyy", "yyyy.MM.dd"};
// Each layout's partner with day and month exchanged sits next to it: 0-1, 3-4, 6-7.
std::size_t ExchangePartner(std::size_t layout) {
    const std::size_t inGroup = layout % 3;
    return inGroup == 2 ? layout : layout - inGroup + (1 - inGroup);
}

bool HasFourDigits(std::string_view text) {
    int run = 0;
    for (const char c : text)
        if ((run = c >= '0' && c <= '9' ? run + 1 : 0) == 4)
            return true;
    return false;
}

bool StartsWithFourDigits(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    return start != std::string_view::npos && text.size() > start + 4 &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start),
                       text.begin() + static_cast<std::ptrdiff_t>(start + 4),
                       [](char c) { return c >= '0' && c <= '9'; }) &&
           !(text[start + 4] >= '0' && text[start + 4] <= '9');
}

constexpr const char* kGiveTheFormat = "Give the format of its dates and import again.";

} // namespace

DateSurvey::DateSurvey(const DateFormat& chosen) {
    for (const char* layout : kLayouts)
        candidates_.push_back({*DateFormat::FromPattern(layout), true, 0, {}});
    chosen_ = candidates_.size();
    candidates_.push_back({chosen, false, 0, {}});
    candidates_.push_back({chosen.WithDayAndMonthExchanged(), false, 0, {}});
}

void DateSurvey::Add(std::string_view text) {
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return;
    if (total_++ == 0)
        firstDate_ = std::string(text);
    fourDigitYears_ = fourDigitYears_ || HasFourDigits(text);
    std::vector<bool> reads(candidates_.size());
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        const Candidate& candidate = candidates_[i];
        // A year first is told from a day first by its four digits.
        const bool yearFirst = i < chosen_ && ExchangePartner(i) == i;
        if (yearFirst && !StartsWithFourDigits(text))
            continue;
        reads[i] =
            (candidate.patternOnly ? candidate.format.ParseInPattern(text) : candidate.format.Parse(text))
                .has_value();
        candidates_[i].reads += reads[i] ? 1 : 0;
    }
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        if (reads[i] && !reads[Partner(i)] && candidates_[i].onlyHere.empty())
            candidates_[i].onlyHere = std::string(text);
    }
}

std::size_t DateSurvey::Partner(std::size_t candidate) const {
    if (candidate < chosen_)
        return ExchangePartner(candidate);
    return candidate == chosen_ ? chosen_ + 1 : chosen_;
}

// A layout as the file writes it: with two-digit years where it has no four-digit one.
std::string DateSurvey::Shown(const DateFormat& format) const {
    std::string pattern = format.pattern();
    if (const auto at = pattern.find("yyyy"); !fourDigitYears_ && at != std::string::npos)
        pattern.erase(at, 2);
    return pattern;
}

std::optional<Status> DateSurvey::RefuseMixedOrders(std::size_t a, std::size_t b) const {
    if (candidates_[a].onlyHere.empty() || candidates_[b].onlyHere.empty())
        return std::nullopt;
    return Status::Error("The dates in this file are written in two orders, day first and month first (\"" +
                         candidates_[a].onlyHere + "\" and \"" + candidates_[b].onlyHere +
                         "\"); nothing was imported, so that no date is stored with day and month swapped.");
}

Status DateSurvey::Decide(bool formatGiven, DateFormat& format) const {
    format = candidates_[chosen_].format;
    if (total_ == 0)
        return Status::Ok();
    std::vector<std::size_t> readAll;
    for (std::size_t i = 0; i < chosen_; ++i)
        if (candidates_[i].reads == total_)
            readAll.push_back(i);

    if (formatGiven) {
        const Candidate& chosen = candidates_[chosen_];
        if (chosen.reads == total_)
            return Status::Ok();
        const Candidate& exchanged = candidates_[chosen_ + 1];
        if (exchanged.reads == total_)
            return Status::Error("The dates in this file are written " + Shown(exchanged.format) +
                                 ", with day and month the other way round from " + chosen.format.pattern() +
                                 "; nothing was imported. " + kGiveTheFormat);
        if (auto mixed = RefuseMixedOrders(chosen_, chosen_ + 1))
            return *mixed;
        if (!readAll.empty())
            return Status::Error("The dates in this file are written " +
                                 Shown(candidates_[readAll[0]].format) + ", not " + chosen.format.pattern() +
                                 "; nothing was imported. " + kGiveTheFormat);
        return Status::Ok();
    }

    if (readAll.size() >= 2)
        return Status::Error(
            "The dates in this file can be read two ways, as " + Shown(candidates_[readAll[0]].format) +
            " or as " + Shown(candidates_[readAll[1]].format) + "; nothing was imported. " + kGiveTheFormat);
    if (readAll.size() == 1) {
        format = candidates_[readAll[0]].format;
        return Status::Ok();
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < chosen_; ++i)
        if (candidates_[i].reads > candidates_[best].reads)
            best = i;
    if (Partner(best) != best)
        if (auto mixed = RefuseMixedOrders(best, Partner(best)))
            return *mixed;
    if (candidates_[best].reads == 0)
        return Status::Error("The dates in this file (such as \"" + firstDate_ +
                             "\") are in no layout that can be read: day, month and year as numbers.");
    format = candidates_[best].format;
    return Status::Ok();
}

} // namespace vantorel
