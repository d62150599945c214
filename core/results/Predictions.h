#pragma once

#include <string>

#include "platform/DateFormat.h"
#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

inline constexpr int kMaxPredictedGoals = 255; // a score is stored in one byte

// Edits of an open fixture's prediction. Each one sets DataChanged.

// Ticks or unticks the fixture as predicted.
void TogglePredicted(Division& division, int fixture);

// Ticks or unticks the fixture as predicted, whatever it was.
void MarkPredicted(Division& division, int fixture, bool predicted);

// Raises or lowers the home or away goals of the prediction by one. Raising ticks the fixture; lowering
// never changes the tick. Refused (false, nothing changed, the caller beeps) below 0 and above 255.
bool SpinPredictedScore(Division& division, int fixture, bool homeGoals, bool up);

// The quick date of a double click: an undated fixture takes the date last set on the page, unless that is
// still today (nothing has been set since the page opened). False when nothing changed.
bool ApplyQuickDate(Division& division, int fixture, double predictDate, double today);

// Sets the predicted score, and the date unless date is 0, and ticks the fixture. Refused, changing
// nothing, for a score outside 0..255.
Status SetPrediction(Division& division, int fixture, int homeGoals, int awayGoals, double date);

// The date the calendar starts on for Set Date: the fixture's own, or the date last set when it has none.
double PredictCalendarStart(const Division& division, int fixture, double predictDate);
// The date the predict dialog offers: the fixture's own date; for an undated fixture the date last set on
// the page, unless that is still today; empty for none.
std::string PredictDialogDate(const Division& division, int fixture, double predictDate, double today,
                              const DateFormat& format);

} // namespace vantorel
