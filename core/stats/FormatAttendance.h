#pragma once

#include <string>

namespace vantorel {

// An attendance as every list shows it: one comma before the last three digits when there are more than
// three, and no other comma (950 gives 950, 12345 gives 12,345, 1234567 gives 1234,567).
std::string FormatAttendance(long value);

} // namespace vantorel
