#pragma once

#include <string>
#include <string_view>

#include "platform/Canvas.h"

namespace vantorel {

// A Canvas that writes an SVG picture in pixels at 96 per inch. Text is measured with the widths of the
// Helvetica/Arial family the picture asks for, so that right-aligned figures line up in any browser that
// has one of them. Named pictures are not drawn: the drawings made for the web use none.
class SvgCanvas : public Canvas {
public:
    CanvasFont font() const override { return font_; }
    void setFont(const CanvasFont& font) override { font_ = font; }
    void setPen(Colour colour, int width) override;
    void setBrush(Colour colour) override { brush_ = colour; }

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;

    void Line(int x1, int y1, int x2, int y2) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void DrawBitmap(int, int, std::string_view, Colour) override {}
    int Resolution() const override { return kPixelsPerInch; }

    // The whole picture, width by height pixels on a white ground, as a standalone UTF-8 SVG document.
    std::string Document(int width, int height) const;

    static constexpr int kPixelsPerInch = 96;

private:
    double FontPixels() const;
    std::string Stroke() const;

    CanvasFont font_;
    Colour pen_ = kBlack;
    int penWidth_ = 1;
    Colour brush_ = kWhite;
    std::string body_;
};

} // namespace vantorel
