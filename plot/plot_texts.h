#pragma once
// The picture's texts: its font, one text drawn through QPainter, and the scale's texts copied
// into the pixels from images of them.
//
// Laying a number out and drawing it through QPainter costs far more than its few hundred
// pixels, and a drawing with the scale has hundreds of numbers, mostly the ones the drawing
// before it had. So each text is rendered through QPainter once, into an image of its own, and
// from then on copied: the same pixels, since glyphs without smoothing are either painted or not.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <memory>
#include <string>

class QPainter;

namespace vakrel {

class PlotRaster;
namespace detail {
struct TextCache;
}

// The picture's font: the default typeface at 8 points, without smoothing.
QFont PlotFont();

// A text with its top-left corner at (x, y), black on an opaque white cell as high as the font
// and as wide as the text.
void DrawPlotText(QPainter& painter, int x, int y, const QString& text);

// The texts of one drawing onto `image`, in the plot font at the image's resolution: each looks
// exactly as DrawPlotText would draw it there.
class PlotTexts {
public:
    PlotTexts(QImage& image, PlotRaster& raster);
    ~PlotTexts();
    PlotTexts(const PlotTexts&) = delete;
    PlotTexts& operator=(const PlotTexts&) = delete;

    // The height of every text's cell: the font's.
    int height() const;
    // The cell DrawPlotText fills for `utf8` at (x, y).
    QRect Cell(int x, int y, const std::string& utf8);
    // A rectangle holding every pixel Draw paints for `utf8` at (x, y): the cell and any glyph
    // reaching out of it. Unbounded for a text drawn through QPainter.
    QRect Painted(int x, int y, const std::string& utf8);
    void Draw(int x, int y, const std::string& utf8);

private:
    QImage& image_;
    PlotRaster& raster_;
    QFont font_;
    detail::TextCache& cache_;
    bool copies_;  // copies are exact: the image is not scaled for a high-density screen
    // Opened only for a text whose copy would not be exact.
    std::unique_ptr<QPainter> painter_;
};

}  // namespace vakrel
