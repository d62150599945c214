#include "platform/SvgCanvas.h"

#include <algorithm>
#include <cmath>

#include <cstdio>

#include "platform/Markup.h"

namespace vantorel {
namespace {

// Advance widths of the printable ASCII characters in thousandths of the font size (Helvetica's metrics,
// which Arial shares); any other character counts as wide as a digit.
constexpr short kWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr int kDigitWidth = 556;
constexpr double kAscent = 0.905, kLineHeight = 1.15;

// A coordinate or size with one decimal at most.
std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string number = text;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, ".0") == 0)
        number.resize(number.size() - 2);
    return number;
}

std::string Box(int left, int top, int right, int bottom) {
    return "x=\"" + std::to_string(std::min(left, right)) + "\" y=\"" +
           std::to_string(std::min(top, bottom)) + "\" width=\"" + std::to_string(std::abs(right - left)) +
           "\" height=\"" + std::to_string(std::abs(bottom - top)) + "\"";
}

} // namespace

void SvgCanvas::setPen(Colour colour, int width) {
    pen_ = colour;
    penWidth_ = width;
}

double SvgCanvas::FontPixels() const {
    return font_.size * static_cast<double>(kPixelsPerInch) / 72.0;
}

std::string SvgCanvas::Stroke() const {
    return " stroke=\"" + CssColour(pen_) + "\" stroke-width=\"" + std::to_string(penWidth_) + "\"";
}

int SvgCanvas::TextWidth(std::string_view text) {
    long thousandths = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80)
            continue; // the rest of a UTF-8 character
        thousandths += c >= 32 && c < 127 ? kWidths[c - 32] : kDigitWidth;
    }
    const double bold = font_.bold ? 1.05 : 1.0;
    return static_cast<int>(std::lround(thousandths * FontPixels() * bold / 1000.0));
}

int SvgCanvas::TextHeight(std::string_view) {
    return static_cast<int>(std::lround(FontPixels() * kLineHeight));
}

void SvgCanvas::TextOut(int x, int y, std::string_view text) {
    const double baseline = y + FontPixels() * kAscent;
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" + Number(baseline) + "\" font-size=\"" +
             Number(FontPixels()) + "\" fill=\"" + CssColour(font_.colour) + "\"";
    if (font_.bold)
        body_ += " font-weight=\"bold\"";
    if (font_.escapement != 0)
        body_ += " transform=\"rotate(" + Number(-font_.escapement / 10.0) + " " + std::to_string(x) + " " +
                 std::to_string(y) + ")\"";
    body_ += ">" + MarkupEscaped(text) + "</text>\n";
}

void SvgCanvas::Line(int x1, int y1, int x2, int y2) {
    body_ += "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" +
             std::to_string(x2) + "\" y2=\"" + std::to_string(y2) + "\"" + Stroke() + "/>\n";
}

void SvgCanvas::FrameRect(int left, int top, int right, int bottom) {
    body_ += "<rect " + Box(left, top, right, bottom) + " fill=\"none\"" + Stroke() + "/>\n";
}

void SvgCanvas::FillRect(int left, int top, int right, int bottom) {
    body_ += "<rect " + Box(left, top, right, bottom) + " fill=\"" + CssColour(brush_) + "\"/>\n";
}

void SvgCanvas::Rectangle(int left, int top, int right, int bottom) {
    body_ +=
        "<rect " + Box(left, top, right, bottom) + " fill=\"" + CssColour(brush_) + "\"" + Stroke() + "/>\n";
}

void SvgCanvas::Ellipse(int left, int top, int right, int bottom) {
    body_ += "<ellipse cx=\"" + Number((left + right) / 2.0) + "\" cy=\"" + Number((top + bottom) / 2.0) +
             "\" rx=\"" + Number(std::abs(right - left) / 2.0) + "\" ry=\"" +
             Number(std::abs(bottom - top) / 2.0) + "\" fill=\"" + CssColour(brush_) + "\"" + Stroke() +
             "/>\n";
}

std::string SvgCanvas::Document(int width, int height) const {
    const std::string w = std::to_string(width), h = std::to_string(height);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
           "\" font-family=\"Ariel, Arial, Helvetica, sans-serif\">\n<rect width=\"" + w + "\" height=\"" +
           h + "\" fill=\"#ffffff\"/>\n" + body_ + "</svg>\n";
}

} // namespace vantorel
