#include "plot_raster.h"

#include <algorithm>
#include <cstdlib>

namespace vakrel {

namespace {

constexpr QRgb kInvertMask = 0x00FFFFFF;  // the colour bits; alpha stays opaque

}  // namespace

PlotRaster::PlotRaster(QImage& image)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}

void PlotRaster::Fill(QRgb colour) {
    for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, colour);
}

// Steps along the major axis; the other coordinate is kept as a quotient and remainder of
// (2 × k × minor + major) / (2 × major), advanced without dividing at each step, and the pixel
// as its index in the picture, so that a step costs a few additions. A line is only a few
// pixels long more often than not: the division is made only for one that enters the picture
// after its start.
template <typename Plot>
void PlotRaster::Walk(QPoint from, QPoint to, Plot plot) {
    long long x0 = from.x(), y0 = from.y();
    const long long dx = to.x() - x0, dy = to.y() - y0;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    const int sx = dx < 0 ? -1 : 1;
    const int sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady;
    const long long minor = xMajor ? ady : adx;
    if (major == 0) return;  // a line to its own start draws nothing
    // The steps whose major coordinate lies in the picture.
    const long long start = xMajor ? x0 : y0;
    const int sMajor = xMajor ? sx : sy;
    const int sMinor = xMajor ? sy : sx;
    const long long extent = xMajor ? width_ : height_;
    const unsigned long long extentMinor = xMajor ? height_ : width_;
    const long long first = sMajor > 0 ? std::max(0LL, -start) : std::max(0LL, start - (extent - 1));
    const long long last = std::min(major - 1, sMajor > 0 ? extent - 1 - start : start);
    if (first > last) return;
    const long long denominator = 2 * major;
    long long offset = 0, remainder = major;  // step 0
    if (first > 0) {
        const long long numerator = 2 * first * minor + major;
        offset = numerator / denominator;
        remainder = numerator % denominator;
    }
    long long n = (xMajor ? y0 : x0) + sMinor * offset;  // the minor coordinate
    const long long m = start + sMajor * first;          // the major one
    const long long rowStep = stride_ / static_cast<qsizetype>(sizeof(QRgb));
    long long index = xMajor ? n * rowStep + m : m * rowStep + n;
    const long long majorStep = xMajor ? sMajor : sMajor * rowStep;
    const long long minorStep = xMajor ? sMinor * rowStep : sMinor;
    auto* pixels = reinterpret_cast<QRgb*>(bits_);
    for (long long k = first; k <= last; ++k) {
        if (static_cast<unsigned long long>(n) < extentMinor) plot(pixels[index], k);
        index += majorStep;
        remainder += 2 * minor;
        if (remainder >= denominator) {  // minor <= major: at most one step at a time
            remainder -= denominator;
            n += sMinor;
            index += minorStep;
        }
    }
}

void PlotRaster::Line(QPoint from, QPoint to, QRgb colour) {
    Walk(from, to, [colour](QRgb& pixel, long long) { pixel = colour; });
}

void PlotRaster::DashedLine(QPoint from, QPoint to, QRgb colour, long long& along) {
    const long long start = along;
    Walk(from, to, [colour, start](QRgb& pixel, long long k) {
        if ((start + k) % (kDashOn + kDashOff) < kDashOn) pixel = colour;
    });
    along += std::max(std::llabs(static_cast<long long>(to.x()) - from.x()),
                      std::llabs(static_cast<long long>(to.y()) - from.y()));
}

void PlotRaster::InvertLine(QPoint from, QPoint to) {
    Walk(from, to, [](QRgb& pixel, long long) { pixel ^= kInvertMask; });
}

void PlotRaster::InvertColumns(const std::vector<int>& columns, int top, int bottom) {
    for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) {
        QRgb* line = Row(y);
        for (const int x : columns)
            if (x >= 0 && x < width_) line[x] ^= kInvertMask;
    }
}

void PlotRaster::CopyPainted(const QImage& block, int x, int y) {
    const int left = std::max(x, 0), right = std::min(x + block.width(), width_);
    const int top = std::max(y, 0), bottom = std::min(y + block.height(), height_);
    for (int row = top; row < bottom; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(block.constScanLine(row - y));
        QRgb* to = Row(row);
        for (int col = left; col < right; ++col)
            if (qAlpha(from[col - x]) != 0) to[col] = from[col - x];
    }
}

}  // namespace vakrel
