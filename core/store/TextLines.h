#pragma once

#include <string_view>
#include <vector>

namespace vantorel {

// The text without the blanks, tabs and line-end characters around it.
std::string_view Trimmed(std::string_view text);

// The lines of a text, without their ends: CR LF, LF or CR, mixed as they come; a final line end adds no
// empty line.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace vantorel
