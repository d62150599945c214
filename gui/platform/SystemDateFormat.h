#pragma once

#include "platform/DateFormat.h"

namespace vantorel {

// The system's short date format as a DateFormat; dd/MM/yyyy when the system's pattern uses other fields
// (month names, for example).
DateFormat SystemDateFormat();

} // namespace vantorel
