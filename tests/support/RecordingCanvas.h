#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vantorel::testing {

// A canvas that records what is drawn, with fixed text metrics: every character is as wide as the font's
// size, and a line of text is twice the size high.
class RecordingCanvas : public Canvas {
public:
    struct Text {
        int x, y;
        std::string text;
        CanvasFont font;
    };
    struct DrawnLine {
        int x1, y1, x2, y2;
        int penWidth;
    };
    struct Box {
        int left, top, right, bottom;
        Colour brush;
        bool filled, outlined;
    };
    struct Bitmap {
        int x, y;
        std::string name;
    };

    CanvasFont font() const override { return font_; }
    void setFont(const CanvasFont& font) override { font_ = font; }
    void setPen(Colour, int width) override { penWidth_ = width; }
    void setBrush(Colour colour) override { brush_ = colour; }

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view) override { return 2 * font_.size; }
    void TextOut(int x, int y, std::string_view text) override {
        texts.push_back({x, y, std::string(text), font_});
    }

    void Line(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2, penWidth_}); }
    void FrameRect(int l, int t, int r, int b) override {
        boxes.push_back({l, t, r, b, brush_, false, true});
    }
    void FillRect(int l, int t, int r, int b) override { boxes.push_back({l, t, r, b, brush_, true, false}); }
    void Rectangle(int l, int t, int r, int b) override { boxes.push_back({l, t, r, b, brush_, true, true}); }
    void DrawBitmap(int x, int y, std::string_view name, Colour) override {
        bitmaps.push_back({x, y, std::string(name)});
    }

    int Resolution() const override { return resolution; }

    // The first text drawn with these characters; a failed test when there is none.
    const Text& TextNamed(const std::string& text) const;

    std::vector<Text> texts;
    std::vector<DrawnLine> lines;
    std::vector<Box> boxes;
    std::vector<Bitmap> bitmaps;
    int resolution = kLayoutResolution;

private:
    CanvasFont font_{"Sans", 10};
    int penWidth_ = 1;
    Colour brush_ = kWhite;
};

} // namespace vantorel::testing
