#pragma once

namespace vantorel {

// Today's date in the local time zone, as a day number.
double Today();

} // namespace vantorel
