#pragma once

#include "store/Division.h"

namespace vantorel::testing {

// Expects every running total stored in the league (each team's Played and Points, each player's Goals) to
// equal a recount from the records it summarises.
void ExpectRunningTotalsMatchRecords(const Division& division);

} // namespace vantorel::testing
