#pragma once

#include <string>
#include <string_view>

#include "store/Settings.h"

namespace vantorel {

// A font as the drawing routines ask for it. A font that is not installed falls back to the platform's
// choice. Escapement turns the text counter-clockwise in tenths of a degree: 2700 runs it downwards.
struct CanvasFont {
    std::string name;
    int size = 10; // points
    bool bold = false;
    Colour colour = 0x000000;
    int escapement = 0;
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// A surface to draw on in device units: the screen, a printer page, a PDF page or a picture. Text is placed
// by its top-left corner. The pen draws lines and outlines, the brush fills.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual CanvasFont font() const = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    virtual void setPen(Colour colour, int width) = 0;
    virtual void setBrush(Colour colour) = 0;

    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;

    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // The outline of a rectangle with the pen, nothing filled.
    virtual void FrameRect(int left, int top, int right, int bottom) = 0;
    // A rectangle filled with the brush, without an outline.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // A rectangle filled with the brush and outlined with the pen.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // One of the program's pictures, by name, with one colour left transparent.
    virtual void DrawBitmap(int x, int y, std::string_view name, Colour transparent) = 0;

    // Device units per inch.
    virtual int Resolution() const { return kLayoutResolution; }

    // The resolution the printouts' fixed measures (pen widths, insets) are given in: a 300 dpi printer.
    static constexpr int kLayoutResolution = 300;
};

// A fixed printout measure, given in units of a 300 dpi printer, in this canvas's device units (at least 1),
// so that lines and gaps keep their size on paper whatever the printer's resolution.
inline int PrinterUnits(const Canvas& canvas, int units) {
    const int scaled =
        (units * canvas.Resolution() + Canvas::kLayoutResolution / 2) / Canvas::kLayoutResolution;
    return scaled < 1 ? 1 : scaled;
}

inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kButtonFace = 0xC0C0C0;

} // namespace vantorel
