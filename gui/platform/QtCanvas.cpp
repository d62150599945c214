#include "platform/QtCanvas.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPixmap>

namespace vantorel {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QColor ToQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour ToColour(const QColor& colour) {
    return static_cast<Colour>(colour.red() | colour.green() << 8 | colour.blue() << 16);
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
    const QFont current = painter.font();
    font_.name = current.family().toStdString();
    font_.size = current.pointSize() > 0 ? current.pointSize() : 10;
    font_.bold = current.bold();
    painter_.setPen(QPen(Qt::black, 1));
}

void QtCanvas::UseScreenColours(const QColor& ink, const QColor& face) {
    ink_ = ink;
    face_ = face;
    painter_.setPen(QPen(ink, painter_.pen().width()));
}

void QtCanvas::UseScreenColours(const QPalette& palette) {
    UseScreenColours(palette.color(QPalette::WindowText), palette.color(QPalette::Window));
}

QColor QtCanvas::Ink(Colour colour) const {
    return colour == kBlack && ink_ ? *ink_ : ToQColor(colour);
}

void QtCanvas::setFont(const CanvasFont& font) {
    font_ = font;
    QFont qfont(QString::fromStdString(font.name), font.size);
    if (font.name.empty())
        qfont = QFont(painter_.font().family(), font.size);
    qfont.setBold(font.bold);
    painter_.setFont(qfont);
}

void QtCanvas::setPen(Colour colour, int width) {
    painter_.setPen(QPen(Ink(colour), width));
}

void QtCanvas::setBrush(Colour colour) {
    brush_ = colour == kButtonFace && face_ ? *face_ : ToQColor(colour);
}

int QtCanvas::TextWidth(std::string_view text) {
    return QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(Text(text));
}

int QtCanvas::TextHeight(std::string_view) {
    return QFontMetrics(painter_.font(), painter_.device()).height();
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
    const QFontMetrics metrics(painter_.font(), painter_.device());
    const QPen pen = painter_.pen();
    painter_.save();
    painter_.setPen(Ink(font_.colour));
    painter_.translate(x, y);
    // Escapement turns counter-clockwise; the painter turns clockwise.
    painter_.rotate(-font_.escapement / 10.0);
    painter_.drawText(0, metrics.ascent(), Text(text));
    painter_.restore();
    painter_.setPen(pen);
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::FrameRect(int left, int top, int right, int bottom) {
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(left, top, right - left, bottom - top);
    painter_.restore();
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
    painter_.fillRect(left, top, right - left, bottom - top, brush_);
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
    painter_.save();
    painter_.setBrush(brush_);
    painter_.drawRect(left, top, right - left, bottom - top);
    painter_.restore();
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
    painter_.save();
    painter_.setBrush(brush_);
    painter_.drawEllipse(left, top, right - left, bottom - top);
    painter_.restore();
}

void QtCanvas::DrawBitmap(int x, int y, std::string_view name, Colour transparent) {
    QPixmap picture(QStringLiteral(":/bitmaps/") + Text(name) + QStringLiteral(".png"));
    if (picture.isNull())
        return;
    picture.setMask(picture.createMaskFromColor(ToQColor(transparent)));
    painter_.drawPixmap(x, y, picture);
}

int QtCanvas::Resolution() const {
    return painter_.device() ? painter_.device()->logicalDpiY() : kLayoutResolution;
}

} // namespace vantorel
