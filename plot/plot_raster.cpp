#include "plot_raster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vakrel {

namespace {

constexpr QRgb kInvertMask = 0x00FFFFFF;  // the colour bits; alpha stays opaque

// Division of n by d > 0, rounded up.
long long CeilDiv(long long n, long long d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

// The rows of the line (c0, y0)-(c1, y1), c0 < c1, both ends included, in column c.
PlotRaster::Span EdgeSpan(int c0, int y0, int c1, int y1, int c) {
    const long long dx = static_cast<long long>(c1) - c0;
    const long long dy = static_cast<long long>(y1) - y0;
    const long long ady = std::llabs(dy);
    const long long k = static_cast<long long>(c) - c0;
    long long tLo, tHi;
    if (dx >= ady) {  // one pixel a column
        tLo = tHi = (2 * k * ady + dx) / (2 * dx);
    } else {          // the rows whose step lands in this column
        tLo = std::max(0LL, CeilDiv((2 * k - 1) * ady, 2 * dx));
        tHi = std::min(ady, CeilDiv((2 * k + 1) * ady, 2 * dx) - 1);
    }
    const int sy = dy < 0 ? -1 : 1;
    const int a = static_cast<int>(y0 + sy * tLo);
    const int b = static_cast<int>(y0 + sy * tHi);
    return {std::min(a, b), std::max(a, b)};
}

}  // namespace

PlotRaster::PlotRaster(QImage& image)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}

void PlotRaster::Fill(QRgb colour) {
    for (int y = 0; y < height_; ++y) std::fill_n(Row(y), width_, colour);
}

// Steps along the major axis; the other coordinate is kept as a quotient and remainder of
// (2 × k × minor + major) / (2 × major), advanced without dividing at each step.
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
    const long long extentMinor = xMajor ? height_ : width_;
    const long long first = sMajor > 0 ? std::max(0LL, -start) : std::max(0LL, start - (extent - 1));
    const long long last = std::min(major - 1, sMajor > 0 ? extent - 1 - start : start);
    if (first > last) return;
    const long long denominator = 2 * major;
    const long long numerator = 2 * first * minor + major;
    long long offset = numerator / denominator;
    long long remainder = numerator % denominator;
    const long long origin = xMajor ? y0 : x0;
    for (long long k = first; k <= last; ++k) {
        const long long m = start + sMajor * k;
        const long long n = origin + sMinor * offset;
        if (n >= 0 && n < extentMinor) {
            if (xMajor) plot(static_cast<int>(m), static_cast<int>(n));
            else plot(static_cast<int>(n), static_cast<int>(m));
        }
        remainder += 2 * minor;
        if (remainder >= denominator) {  // minor <= major: at most one step at a time
            remainder -= denominator;
            ++offset;
        }
    }
}

void PlotRaster::Line(QPoint from, QPoint to, QRgb colour) {
    Walk(from, to, [this, colour](int x, int y) { Row(y)[x] = colour; });
}

void PlotRaster::InvertLine(QPoint from, QPoint to) {
    Walk(from, to, [this](int x, int y) { Row(y)[x] ^= kInvertMask; });
}

void PlotRaster::Column(int x, int y0, int y1, QRgb colour) {
    if (x < 0 || x >= width_) return;
    const int lo = std::max(std::min(y0, y1), 0);
    const int hi = std::min(std::max(y0, y1), height_ - 1);
    for (int y = lo; y <= hi; ++y) Row(y)[x] = colour;
}

void PlotRaster::CopyPainted(const QImage& block, int x, int y) {
    const int left = std::max(x, 0), right = std::min(x + block.width(), width_);
    const int top = std::max(y, 0), bottom = std::min(y + block.height(), height_);
    for (int row = top; row < bottom; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(block.constScanLine(row - y)) - x;
        QRgb* to = Row(row);
        for (int col = left; col < right; ++col)
            if (qAlpha(from[col]) != 0) to[col] = from[col];
    }
}

PlotRaster::Span PlotRaster::QuadSpan(int c0, int a0, int b0, int c1, int a1, int b1, int c) {
    if (c0 == c1) return {std::min({a0, b0, a1, b1}), std::max({a0, b0, a1, b1})};
    const Span upper = EdgeSpan(c0, a0, c1, a1, c);
    const Span lower = EdgeSpan(c0, b0, c1, b1, c);
    return {std::min(upper.lo, lower.lo), std::max(upper.hi, lower.hi)};
}

void PlotRaster::Quad(int c0, int a0, int b0, int c1, int a1, int b1, QRgb colour) {
    for (int c = std::max(c0, 0); c <= std::min(c1, width_ - 1); ++c) {
        const Span span = QuadSpan(c0, a0, b0, c1, a1, b1, c);
        Column(c, span.lo, span.hi, colour);
    }
}

PlotRaster::Body::Body(int width) : lo_(static_cast<std::size_t>(std::max(width, 0)), INT_MAX),
                                    hi_(static_cast<std::size_t>(std::max(width, 0)), INT_MIN) {}

void PlotRaster::Body::Add(int c0, int a0, int b0, int c1, int a1, int b1) {
    const int width = static_cast<int>(lo_.size());
    for (int c = std::max(c0, 0); c <= std::min(c1, width - 1); ++c) {
        const Span span = QuadSpan(c0, a0, b0, c1, a1, b1, c);
        lo_[c] = std::min(lo_[c], span.lo);
        hi_[c] = std::max(hi_[c], span.hi);
    }
}

bool PlotRaster::Body::Covers(int x, int y) const {
    return x >= 0 && x < static_cast<int>(lo_.size()) && lo_[x] <= y && y <= hi_[x];
}

// Row by row, in blocks of 16 columns: above and below a block's body the background, inside
// all of its columns the body colour, and the ragged rows pixel by pixel.
void PlotRaster::Body::Paint(PlotRaster& raster, QRgb background, QRgb colour) const {
    constexpr int kBlock = 16;
    const int width = std::min(raster.width(), static_cast<int>(lo_.size()));
    const int blocks = (width + kBlock - 1) / kBlock;
    struct Rows {
        int top, innerTop, innerBottom, bottom;  // [top, bottom] holds all, [innerTop, innerBottom] only body
    };
    std::vector<Rows> rows(static_cast<std::size_t>(blocks));
    for (int b = 0; b < blocks; ++b) {
        Rows r{INT_MAX, INT_MIN, INT_MAX, INT_MIN};
        for (int c = b * kBlock; c < std::min(width, (b + 1) * kBlock); ++c) {
            r.top = std::min(r.top, lo_[c]);
            r.innerTop = std::max(r.innerTop, lo_[c]);
            r.innerBottom = std::min(r.innerBottom, hi_[c]);
            r.bottom = std::max(r.bottom, hi_[c]);
        }
        rows[b] = r;
    }
    const int* lo = lo_.data();
    const int* hi = hi_.data();
    for (int y = 0; y < raster.height(); ++y) {
        QRgb* line = raster.Row(y);
        for (int b = 0; b < blocks; ++b) {
            const int c0 = b * kBlock;
            const int count = std::min(kBlock, width - c0);
            const Rows& r = rows[b];
            if (y < r.top || y > r.bottom) {
                std::fill_n(line + c0, count, background);
            } else if (y >= r.innerTop && y <= r.innerBottom) {
                std::fill_n(line + c0, count, colour);
            } else {
                for (int c = c0; c < c0 + count; ++c) line[c] = (lo[c] <= y) & (y <= hi[c]) ? colour : background;
            }
        }
    }
}

}  // namespace vakrel
