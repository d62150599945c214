#pragma once

#include <string>

#include "platform/Canvas.h"

namespace vantorel {

// The text shortened from the end, a whole UTF-8 character at a time, until it is at most maxWidth wide.
std::string CutText(Canvas& canvas, int maxWidth, const std::string& text);

// Sets the canvas's font one point smaller at a time, down to smallest, until the text is at most maxWidth
// wide. Returns whether the font was changed.
bool ShrinkFontToFit(Canvas& canvas, int maxWidth, const std::string& text, int smallest);

} // namespace vantorel
