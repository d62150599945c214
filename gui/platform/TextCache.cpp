#include "platform/TextCache.h"

#include <memory>

#include <QFontMetrics>
#include <QPaintDevice>

namespace vantorel {
namespace {

constexpr qsizetype kMostTexts = 4000;

} // namespace

TextCache& TextCache::For(const QFont& font, const QPaintDevice* device) {
    static QHash<QString, std::shared_ptr<TextCache>> caches;
    // A grid asks once for each of its cells, nearly always for the font it asked for last; a font's key
    // takes longer to spell out than comparing the font itself.
    static QFont lastFont;
    static int lastResolution = -1;
    static TextCache* last = nullptr;
    const int resolution = device != nullptr ? device->logicalDpiY() : 0;
    if (last != nullptr && resolution == lastResolution && font == lastFont)
        return *last;
    const QString key = font.key() + QLatin1Char('@') + QString::number(resolution);
    std::shared_ptr<TextCache>& cache = caches[key];
    if (!cache)
        cache.reset(new TextCache(font));
    lastFont = font;
    lastResolution = resolution;
    last = cache.get();
    return *cache;
}

int TextCache::Width(const QString& text, const QPaintDevice* device) {
    if (const auto found = widths_.constFind(text); found != widths_.constEnd())
        return *found;
    if (widths_.size() >= kMostTexts)
        widths_.clear();
    const int width = QFontMetrics(font_, device).horizontalAdvance(text);
    widths_.insert(text, width);
    return width;
}

const QStaticText& TextCache::Laid(const QString& text) {
    if (const auto found = laid_.constFind(text); found != laid_.constEnd())
        return *found;
    if (laid_.size() >= kMostTexts)
        laid_.clear();
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font_);
    return *laid_.insert(text, laid);
}

} // namespace vantorel
