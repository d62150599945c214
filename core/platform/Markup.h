#pragma once

#include <string>
#include <string_view>

#include "store/Settings.h"

namespace vantorel {

// Text for HTML and SVG: &, <, >, " and ' written as character references.
std::string MarkupEscaped(std::string_view text);

// A colour of the program (0xBBGGRR) as a style sheet colour, "#RRGGBB".
std::string CssColour(Colour colour);

} // namespace vantorel
