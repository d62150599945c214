#include "platform/CanvasText.h"

namespace vantorel {
namespace {

// Removes the last whole UTF-8 character.
void DropLastCharacter(std::string& text) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
        text.pop_back();
    if (!text.empty())
        text.pop_back();
}

} // namespace

std::string CutText(Canvas& canvas, int maxWidth, const std::string& text) {
    std::string cut = text;
    while (!cut.empty() && canvas.TextWidth(cut) > maxWidth)
        DropLastCharacter(cut);
    return cut;
}

bool ShrinkFontToFit(Canvas& canvas, int maxWidth, const std::string& text, int smallest) {
    CanvasFont font = canvas.font();
    const int size = font.size;
    while (font.size > smallest && canvas.TextWidth(text) > maxWidth) {
        --font.size;
        canvas.setFont(font);
    }
    return font.size != size;
}

} // namespace vantorel
