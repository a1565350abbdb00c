#include "plot_scale.h"

#include <cmath>
#include <string>
#include <vector>

#include "number_format.h"
#include "plot_geometry.h"
#include "plot_raster.h"

namespace vakrel {

namespace {

// The scale's frame: distances start at column 26, level lines stay below row 20 and above H − 20.
constexpr int kMargin = 26;
constexpr int kTopRow = 20;

std::string Number(long double value, char separator) { return FormatGeneral(static_cast<double>(value), separator); }

// One row or column of numbers: each is drawn only when it fits (NumberFits) beside the last
// one drawn there and the unit marks.
class NumberLine {
public:
    NumberLine(PlotTexts& texts, const QRect& meterMark, const QRect& kmMark)
        : texts_(texts), meterMark_(meterMark), kmMark_(kmMark) {}

    void Draw(int x, int y, const std::string& text) {
        const QRect cell = texts_.Cell(x, y, text);
        if (!NumberFits(cell, previous_, meterMark_, kmMark_)) return;
        texts_.Draw(x, y, text);
        previous_ = cell;
    }

private:
    PlotTexts& texts_;
    QRect meterMark_, kmMark_;
    QRect previous_;
};

}  // namespace

double ScaleStep(double pixelsPerUnit) {
    auto wideEnough = [&](double step) { return TruncPixel(static_cast<long double>(step) * pixelsPerUnit) >= 20; };
    for (int j = 0; j < 10; ++j)
        if (wideEnough(kScaleSteps[j])) return kScaleSteps[j];
    if (!(pixelsPerUnit > 0)) return kScaleSteps[9];
    // Even 100 leaves the ticks closer than 20 pixels: the 1-2-5 series goes on, so that a
    // scale never draws more lines than the picture has room for.
    for (double decade = 100;; decade *= 10) {
        for (const double factor : {2, 5, 10}) {
            const double step = decade * factor;
            if (wideEnough(step) || !std::isfinite(step * 10)) return step;
        }
    }
}

bool NumberFits(const QRect& cell, const QRect& previous, const QRect& meterMark, const QRect& kmMark) {
    return !cell.intersects(previous) && !cell.intersects(meterMark) && !cell.intersects(kmMark);
}

namespace {

// The unit marks, drawn first; no number may cover them.
struct UnitMarks {
    QRect meters, kilometres;
};

UnitMarks DrawUnitMarks(PlotTexts& texts, int W, int H) {
    const std::string meters = "[м]", kilometres = "[км]";
    texts.Draw(4, 6, meters);
    texts.Draw(W - 22, H - 20, kilometres);
    return {texts.Cell(4, 6, meters), texts.Cell(W - 22, H - 20, kilometres)};
}

// A line across the plot area at every tick, its number below the area and, but for the first,
// above it. Ticks whose number would start right of the picture show nothing.
void DrawDistanceTicks(PlotRaster& raster, PlotTexts& texts, const ScaleInput& in, const UnitMarks& marks) {
    const int W = in.width;
    const int H = in.height;
    const double stepX = ScaleStep(in.kx);
    struct Tick {
        int col;
        std::string text;
    };
    std::vector<Tick> ticks;
    const long double lastTick = std::trunc(static_cast<long double>(in.length) / stepX);
    for (long long i = 0; i <= lastTick; ++i) {
        const long double distance = static_cast<long double>(i) * stepX;
        const int col = kMargin + TruncPixel(distance * in.kx);
        if (col - 5 >= W) break;
        ticks.push_back({col, Number(distance, in.separator)});
    }

    // Each tick's line runs from row H − 19 up to row 19 (the picture is at least 42 rows high)
    // and is drawn before its numbers and after the numbers of the ticks left of it. Where no
    // number reaches into those rows that order does not show, and the lines are drawn last,
    // all of them row by row: down the picture, every pixel of a line would be a cache miss.
    const int lineTop = 19, lineBottom = H - 19;
    auto clear = [&](const QRect& painted) {
        return painted.isEmpty() || painted.bottom() < lineTop || painted.top() > lineBottom;
    };
    bool numbersClear = true;
    for (const Tick& tick : ticks) {
        numbersClear = numbersClear && clear(texts.Painted(tick.col - 5, 6, tick.text)) &&
                       clear(texts.Painted(tick.col - 5, H - 18, tick.text));
    }
    auto hasLine = [&](int col) { return kMargin < col && col < W - kMargin; };
    NumberLine bottom(texts, marks.meters, marks.kilometres), top(texts, marks.meters, marks.kilometres);
    std::vector<int> lineColumns;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int col = ticks[i].col;
        if (hasLine(col)) {
            if (numbersClear)
                lineColumns.push_back(col);
            else
                raster.InvertLine({col, lineBottom}, {col, lineTop - 1});
        }
        bottom.Draw(col - 5, H - 18, ticks[i].text);
        if (i > 0) top.Draw(col - 5, 6, ticks[i].text);
    }
    raster.InvertColumns(lineColumns, lineTop, lineBottom);
}

}  // namespace

void DrawScale(PlotRaster& raster, PlotTexts& texts, const ScaleInput& in) {
    const int W = in.width;
    const int H = in.height;
    const double stepY = ScaleStep(in.ky);
    double yStart = static_cast<double>(std::trunc(static_cast<long double>(in.ymin) / stepY) * stepY);
    if (yStart < in.ymin) yStart = static_cast<double>(static_cast<long double>(yStart) + stepY);

    const UnitMarks marks = DrawUnitMarks(texts, W, H);
    DrawDistanceTicks(raster, texts, in, marks);
    NumberLine left(texts, marks.meters, marks.kilometres), right(texts, marks.meters, marks.kilometres);

    // A curved level line runs through the samples x = step, 2 × step, ... up to L (the last at L
    // exactly), each raised by the earth's bulge there; the raise is the same for every level.
    std::vector<QPoint> curve;  // column and raise in pixels of each sample, the first at 0
    if (in.curved) {
        auto sample = [&](double x) {
            return QPoint(kMargin + TruncPixel(static_cast<long double>(x) * in.kx),
                          TruncPixel(static_cast<long double>(EarthBulge(x, in.length, in.radiusKm)) * in.ky));
        };
        curve.push_back(sample(0));
        double x = 0;
        for (long long k = 1; x < in.length; ++k) {
            x = static_cast<double>(static_cast<long double>(k) * in.step);
            if (x >= in.length) x = in.length;
            curve.push_back(sample(x));
        }
    }

    // Level lines, from yStart up. Rows go up as the heights rise; a level far enough above the
    // picture shows nothing, nor does any after it.
    const int textHeight = texts.height();
    const int y0 = H - 20 - TruncPixel((static_cast<long double>(yStart) - in.ymin) * in.ky);
    for (long long i = 0; static_cast<long double>(in.ymax) - yStart >= static_cast<long double>(i) * stepY; ++i) {
        const long double level = static_cast<long double>(i) * stepY;
        const int y = y0 - TruncPixel(level * in.ky);
        if (y < 0 && y - 5 + textHeight <= 0) break;
        raster.InvertLine({25, y}, {26, y});
        raster.InvertLine({W - 26, y}, {W - 25, y});
        if (in.curved) {
            // A piece is drawn when at least one of its ends lies below row 20.
            for (std::size_t k = 1; k < curve.size(); ++k) {
                const QPoint from(curve[k - 1].x(), y - curve[k - 1].y());
                const QPoint to(curve[k].x(), y - curve[k].y());
                if (from.y() > kTopRow || to.y() > kTopRow) raster.InvertLine(from, to);
            }
        } else if (kTopRow < y && y < H - 20) {
            raster.InvertLine({kMargin, y}, {W - kMargin, y});
        }
        const std::string text = Number(static_cast<long double>(yStart) + level, in.separator);
        left.Draw(1, y - 5, text);
        right.Draw(W - 24, y - 5, text);
    }
}

}  // namespace vakrel
