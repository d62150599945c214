#pragma once

#include <optional>

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "platform/Canvas.h"
#include "platform/TextCache.h"

namespace vantorel {

QColor ToQColor(Colour colour);
Colour ToColour(const QColor& colour);

// A Canvas over a QPainter: a widget, a printer, a PDF page or an image. Named bitmaps are the program's
// pictures under ":/bitmaps/".
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    // On the screen, black lines and text take the palette's text colour (ink) and the button-face fill
    // the palette's window colour (face), so that a chart stays readable on a dark palette. Printouts keep
    // the colours they are given.
    void UseScreenColours(const QColor& ink, const QColor& face);
    // The same, with the colours of a palette for a chart on a window's background.
    void UseScreenColours(const QPalette& palette);

    CanvasFont font() const override { return font_; }
    void setFont(const CanvasFont& font) override;
    void setPen(Colour colour, int width) override;
    void setBrush(Colour colour) override;

    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;

    void Line(int x1, int y1, int x2, int y2) override;
    void FrameRect(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void DrawBitmap(int x, int y, std::string_view name, Colour transparent) override;
    int Resolution() const override;

private:
    QColor Ink(Colour colour) const;
    // The painter's font metrics and text store, looked up once per font: a table or a grid measures and
    // draws thousands of texts.
    const QFontMetrics& Metrics();
    TextCache& Texts();

    QPainter& painter_;
    std::optional<QFontMetrics> metrics_;
    TextCache* texts_ = nullptr;
    CanvasFont font_;
    bool paintersFace_ = false; // the painter's font is font_'s face, name, size and weight
    QColor brush_ = Qt::white;
    std::optional<QColor> ink_;
    std::optional<QColor> face_;
};

} // namespace vantorel
