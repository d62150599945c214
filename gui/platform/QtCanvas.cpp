#include "platform/QtCanvas.h"

#include <QBitmap>
#include <QHash>
#include <QPaintDevice>
#include <QPixmap>

namespace vantorel {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Screens and pictures keep laid-out texts; a printer's page is drawn once, and its engine lays texts out
// itself.
bool OnScreen(const QPaintDevice* device) {
    const int type = device != nullptr ? device->devType() : 0;
    return type == QInternal::Widget || type == QInternal::Image || type == QInternal::Pixmap;
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
    paintersFace_ = current.pointSize() > 0;
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
    // A table cell changes only the colour of the font it is given: the painter's font serves as it is.
    const bool sameFace =
        paintersFace_ && font.name == font_.name && font.size == font_.size && font.bold == font_.bold;
    font_ = font;
    if (sameFace)
        return;
    paintersFace_ = true;
    QFont qfont(QString::fromStdString(font.name), font.size);
    if (font.name.empty())
        qfont = QFont(painter_.font().family(), font.size);
    qfont.setBold(font.bold);
    painter_.setFont(qfont);
    metrics_.reset();
    texts_ = nullptr;
}

const QFontMetrics& QtCanvas::Metrics() {
    if (!metrics_)
        metrics_.emplace(painter_.font(), painter_.device());
    return *metrics_;
}

void QtCanvas::setPen(Colour colour, int width) {
    painter_.setPen(QPen(Ink(colour), width));
}

void QtCanvas::setBrush(Colour colour) {
    brush_ = colour == kButtonFace && face_ ? *face_ : ToQColor(colour);
}

TextCache& QtCanvas::Texts() {
    if (texts_ == nullptr)
        texts_ = &TextCache::For(painter_.font(), painter_.device());
    return *texts_;
}

int QtCanvas::TextWidth(std::string_view text) {
    return Texts().Width(Text(text), painter_.device());
}

int QtCanvas::TextHeight(std::string_view) {
    return Metrics().height();
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
    const QPen pen = painter_.pen();
    painter_.setPen(Ink(font_.colour));
    if (font_.escapement == 0 && OnScreen(painter_.device())) {
        painter_.drawStaticText(x, y, Texts().Laid(Text(text)));
    } else if (font_.escapement == 0) {
        painter_.drawText(x, y + Metrics().ascent(), Text(text));
    } else {
        painter_.save();
        painter_.translate(x, y);
        // Escapement turns counter-clockwise; the painter turns clockwise.
        painter_.rotate(-font_.escapement / 10.0);
        painter_.drawText(0, Metrics().ascent(), Text(text));
        painter_.restore();
    }
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
    // Each picture is read and masked once: the table draws its arrows on every row of every paint.
    static QHash<QString, QPixmap> pictures;
    const QString key = Text(name) + QLatin1Char('/') + QString::number(transparent);
    auto found = pictures.find(key);
    if (found == pictures.end()) {
        QPixmap picture(QStringLiteral(":/bitmaps/") + Text(name) + QStringLiteral(".png"));
        if (!picture.isNull())
            picture.setMask(picture.createMaskFromColor(ToQColor(transparent)));
        found = pictures.insert(key, picture);
    }
    if (!found->isNull())
        painter_.drawPixmap(x, y, *found);
}

int QtCanvas::Resolution() const {
    return painter_.device() ? painter_.device()->logicalDpiY() : kLayoutResolution;
}

} // namespace vantorel
