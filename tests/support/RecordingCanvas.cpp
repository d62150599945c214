#include "support/RecordingCanvas.h"

#include <stdexcept>

#include "store/TextCodec.h"

namespace vantorel::testing {

int RecordingCanvas::TextWidth(std::string_view text) {
    return static_cast<int>(Utf8Length(text)) * font_.size;
}

const RecordingCanvas::Text& RecordingCanvas::TextNamed(const std::string& text) const {
    for (const Text& drawn : texts)
        if (drawn.text == text)
            return drawn;
    throw std::runtime_error("nothing drawn reads '" + text + "'");
}

} // namespace vantorel::testing
