#pragma once

#include "store/Division.h"
#include "store/Status.h"

namespace vantorel {

// Refuses a header whose counts cannot be held by the record arrays, or that has fewer than two teams.
Status CheckCounts(const DivisionHeader& header);

// Refuses a Division whose settings or records point outside their arrays: the guard that lets every other
// part of the program index the arrays without checking.
Status CheckDivision(const Division& division);

} // namespace vantorel
