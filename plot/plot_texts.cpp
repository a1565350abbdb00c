#include "plot_texts.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <climits>
#include <unordered_map>

#include "plot_raster.h"

namespace vakrel {

QFont PlotFont() {
    QFont font = QGuiApplication::font();
    font.setPointSize(8);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void DrawPlotText(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(x, y + metrics.ascent(), text);
}

namespace detail {

// One text as DrawPlotText draws it: the pixels it paints, placed relative to the text's corner.
struct RenderedText {
    int advance = 0;  // the width of its cell
    QPoint offset;    // of `pixels` from the text's top-left corner
    QImage pixels;    // premultiplied; transparent where the text leaves the picture alone
    // Every pixel painted fully or not at all, and none cut off at the image's border: then
    // copying `pixels` gives what QPainter would.
    bool copyable = false;
};

// The texts rendered so far in one font at one resolution. Numbers change with the hop, so the
// cache is emptied when it has grown past what any one drawing needs. It holds the font by its
// key, not a QFont: it outlives the application object, and a QFont must not.
struct TextCache {
    static constexpr std::size_t kMaxTexts = 2048;

    QString fontKey;
    int dotsPerMeterX = 0, dotsPerMeterY = 0;
    QImage probe;  // an image of that resolution, for the font's metrics
    int height = 0;
    std::unordered_map<std::string, RenderedText> texts;
};

}  // namespace detail

namespace {

using detail::RenderedText;
using detail::TextCache;

// The cache for the plot font on `image`; one per thread, as QPainter may paint images on any.
// Emptied, when it must be, only here, before a drawing: the texts it hands out stay put.
TextCache& CacheFor(const QImage& image, const QFont& font) {
    thread_local TextCache cache;
    if (cache.fontKey != font.key() || cache.dotsPerMeterX != image.dotsPerMeterX() ||
        cache.dotsPerMeterY != image.dotsPerMeterY() || cache.probe.isNull()) {
        cache.texts.clear();
        cache.fontKey = font.key();
        cache.dotsPerMeterX = image.dotsPerMeterX();
        cache.dotsPerMeterY = image.dotsPerMeterY();
        cache.probe = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        cache.probe.setDotsPerMeterX(cache.dotsPerMeterX);
        cache.probe.setDotsPerMeterY(cache.dotsPerMeterY);
        cache.height = QFontMetrics(font, &cache.probe).height();
    }
    if (cache.texts.size() >= TextCache::kMaxTexts) cache.texts.clear();
    return cache;
}

// The smallest rectangle holding every painted pixel of `image`; whether each of them is
// painted fully (fills `whole`).
QRect PaintedPixels(const QImage& image, bool& whole) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    whole = true;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 0) continue;
            whole = whole && alpha == 255;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Draws `text` through QPainter onto a transparent image with a margin of a text's height all
// round, wide enough for glyphs reaching out of their cell.
RenderedText Render(const TextCache& cache, const QFont& font, const QString& text) {
    RenderedText rendered;
    rendered.advance = QFontMetrics(font, &cache.probe).horizontalAdvance(text);
    const int margin = cache.height;
    QImage image(rendered.advance + 2 * margin, cache.height + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(cache.dotsPerMeterX);
    image.setDotsPerMeterY(cache.dotsPerMeterY);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        DrawPlotText(painter, margin, margin, text);
    }
    bool whole = false;
    const QRect painted = PaintedPixels(image, whole);
    if (painted.isEmpty()) {  // an empty text: nothing to copy
        rendered.copyable = true;
        return rendered;
    }
    const QRect inside = image.rect().adjusted(1, 1, -1, -1);
    rendered.copyable = whole && inside.contains(painted);
    rendered.pixels = image.copy(painted);
    rendered.offset = painted.topLeft() - QPoint(margin, margin);
    return rendered;
}

const RenderedText& Rendered(TextCache& cache, const QFont& font, const std::string& utf8) {
    auto found = cache.texts.find(utf8);
    if (found == cache.texts.end())
        found = cache.texts.emplace(utf8, Render(cache, font, QString::fromStdString(utf8))).first;
    return found->second;
}

}  // namespace

PlotTexts::PlotTexts(QImage& image, PlotRaster& raster)
    : image_(image),
      raster_(raster),
      font_(PlotFont()),
      cache_(CacheFor(image, font_)),
      copies_(image.devicePixelRatio() == 1) {}

PlotTexts::~PlotTexts() = default;

int PlotTexts::height() const { return cache_.height; }

QRect PlotTexts::Cell(int x, int y, const std::string& utf8) {
    return QRect(x, y, Rendered(cache_, font_, utf8).advance, cache_.height);
}

QRect PlotTexts::Painted(int x, int y, const std::string& utf8) {
    const RenderedText& text = Rendered(cache_, font_, utf8);
    if (!copies_ || !text.copyable) return QRect(QPoint(INT_MIN / 2, INT_MIN / 2), QPoint(INT_MAX / 2, INT_MAX / 2));
    return QRect(QPoint(x, y) + text.offset, text.pixels.size());
}

void PlotTexts::Draw(int x, int y, const std::string& utf8) {
    const RenderedText& text = Rendered(cache_, font_, utf8);
    if (copies_ && text.copyable) {
        raster_.CopyPainted(text.pixels, x + text.offset.x(), y + text.offset.y());
        return;
    }
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(font_);
    }
    DrawPlotText(*painter_, x, y, QString::fromStdString(utf8));
}

}  // namespace vakrel
