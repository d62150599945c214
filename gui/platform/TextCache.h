#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

class QPaintDevice;

namespace vantorel {

// The widths and the laid-out glyphs of the texts drawn in one font on one kind of device, kept across
// paints. A table or a grid draws the same few hundred short texts on every paint, and shaping them anew
// is most of what painting them costs. Each font's store is emptied when it grows past a few thousand
// texts, so that it stays small whatever is drawn.
class TextCache {
public:
    // The store of a painter's font as drawn on its device (the device's resolution decides the widths).
    static TextCache& For(const QFont& font, const QPaintDevice* device);

    // The text's width on the device, which must be of the resolution the store was asked for.
    int Width(const QString& text, const QPaintDevice* device);
    // The text laid out once, for QPainter::drawStaticText.
    const QStaticText& Laid(const QString& text);

private:
    explicit TextCache(const QFont& font) : font_(font) {}

    QFont font_;
    QHash<QString, int> widths_;
    QHash<QString, QStaticText> laid_;
};

} // namespace vantorel
