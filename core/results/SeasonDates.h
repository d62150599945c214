#pragma once

#include <optional>
#include <string>

#include "platform/DateFormat.h"
#include "platform/Prompts.h"
#include "store/Division.h"

namespace vantorel {

// How far a result may lie before the league's first or after its last match date without a question.
inline constexpr int kDaysOutsideSeason = 60;

// The question to ask before a played result is stored on a date more than kDaysOutsideSeason days before
// the first or after the last date of the league's other played results (the result being re-dated, when
// given, left out). Nothing when the date is close enough, or when no other result carries a date yet.
std::optional<std::string> FarFromSeasonQuestion(const Division& division, double date,
                                                 const DateFormat& format, int redatedResult = 0);

// Whether a result may be stored on a date: yes when it is close to the league's other results, otherwise
// as the user answers the question above.
bool MayStoreOnDate(const Division& division, double date, const DateFormat& format, Prompts& prompts,
                    int redatedResult = 0);

} // namespace vantorel
