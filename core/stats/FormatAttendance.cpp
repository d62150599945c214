#include "stats/FormatAttendance.h"

namespace vantorel {

std::string FormatAttendance(long value) {
    const std::string digits = std::to_string(value);
    if (digits.size() <= 3)
        return digits;
    const std::size_t head = digits.size() - 3;
    return digits.substr(0, head) + "," + digits.substr(head);
}

} // namespace vantorel
