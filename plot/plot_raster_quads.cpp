// The quadrilaterals of the plot raster and the body made of them.

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <numeric>

#include "plot_raster.h"

namespace vakrel {

namespace {

// Division of n by d > 0, rounded up.
long long CeilDiv(long long n, long long d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

// The rows of the line (c0, y0)-(c1, y1), c0 < c1, both ends included, column by column from
// column `from` on: the pixels a line walk gives (PlotRaster::Line) plus the end point.
// Only the first column costs a division; a quadrilateral has thousands of columns.
class EdgeColumns {
public:
    EdgeColumns(int c0, int y0, int c1, int y1, int from)
        : y0_(y0),
          sy_(y1 < y0 ? -1 : 1),
          rows_(std::llabs(static_cast<long long>(y1) - y0)),
          denominator_(2 * (static_cast<long long>(c1) - c0)),
          steep_(rows_ > denominator_ / 2) {
        const long long k = static_cast<long long>(from) - c0;
        if (!steep_) {
            // One pixel a column: row step (2 × k × rows + columns) / (2 × columns).
            const long long numerator = 2 * k * rows_ + denominator_ / 2;
            quotient_ = numerator / denominator_;
            remainder_ = numerator % denominator_;
        } else {
            // The rows whose step lands in column k: from ⌈(2k − 1) × rows / (2 × columns)⌉ up to
            // the next column's first one. quotient_ holds that bound, remainder_ how far the
            // rounding up went.
            const long long numerator = (2 * k - 1) * rows_;
            quotient_ = CeilDiv(numerator, denominator_);
            remainder_ = quotient_ * denominator_ - numerator;
            stepQuotient_ = 2 * rows_ / denominator_;
            stepRemainder_ = 2 * rows_ % denominator_;
        }
    }

    // The rows of the next column, the first time those of column `from`.
    PlotRaster::Span Next() {
        long long lo, hi;
        if (!steep_) {
            lo = hi = quotient_;
            remainder_ += 2 * rows_;
            if (remainder_ >= denominator_) {  // rows <= columns: at most one row a column
                remainder_ -= denominator_;
                ++quotient_;
            }
        } else {
            lo = std::max(0LL, quotient_);
            quotient_ += stepQuotient_;
            remainder_ -= stepRemainder_;
            if (remainder_ < 0) {
                remainder_ += denominator_;
                ++quotient_;
            }
            hi = std::min(rows_, quotient_ - 1);
        }
        const int a = static_cast<int>(y0_ + sy_ * lo);
        const int b = static_cast<int>(y0_ + sy_ * hi);
        return {std::min(a, b), std::max(a, b)};
    }

private:
    long long y0_;
    int sy_;
    long long rows_, denominator_;
    bool steep_;  // more rows than columns
    long long quotient_ = 0, remainder_ = 0;
    long long stepQuotient_ = 0, stepRemainder_ = 0;  // a column's step of a steep edge
};

// Calls visit(c, span) for the columns `first` to `last` of the quadrilateral of QuadSpan,
// c0 <= first <= last <= c1.
template <typename Visit>
void ForEachColumn(int c0, int a0, int b0, int c1, int a1, int b1, int first, int last, Visit visit) {
    if (first > last) return;
    if (c0 == c1) {
        visit(c0, PlotRaster::Span{std::min({a0, b0, a1, b1}), std::max({a0, b0, a1, b1})});
        return;
    }
    EdgeColumns upper(c0, a0, c1, a1, first), lower(c0, b0, c1, b1, first);
    for (int c = first; c <= last; ++c) {
        const PlotRaster::Span u = upper.Next(), l = lower.Next();
        visit(c, PlotRaster::Span{std::min(u.lo, l.lo), std::max(u.hi, l.hi)});
    }
}

}  // namespace

PlotRaster::Span PlotRaster::QuadSpan(int c0, int a0, int b0, int c1, int a1, int b1, int c) {
    Span span{};
    ForEachColumn(c0, a0, b0, c1, a1, b1, c, c, [&](int, Span s) { span = s; });
    return span;
}

void PlotRaster::Quad(int c0, int a0, int b0, int c1, int a1, int b1, QRgb colour) {
    ForEachColumn(c0, a0, b0, c1, a1, b1, std::max(c0, 0), std::min(c1, width_ - 1),
                  [&](int c, Span span) { Column(c, span.lo, span.hi, colour); });
}

PlotRaster::Body::Body(int width)
    : lo_(static_cast<std::size_t>(std::max(width, 0)), INT_MAX),
      hi_(static_cast<std::size_t>(std::max(width, 0)), INT_MIN) {}

void PlotRaster::Body::Add(int c0, int a0, int b0, int c1, int a1, int b1) {
    const int width = static_cast<int>(lo_.size());
    ForEachColumn(c0, a0, b0, c1, a1, b1, std::max(c0, 0), std::min(c1, width - 1), [&](int c, Span span) {
        lo_[c] = std::min(lo_[c], span.lo);
        hi_[c] = std::max(hi_[c], span.hi);
    });
}

// The first row pixel by pixel; every later one a copy of the row above, changed only in the
// columns where the body begins or ends on it. So each row is written once, at the speed of a
// copy, however ragged the body's edges: a column changes only twice in the whole picture.
void PlotRaster::Body::Paint(PlotRaster& raster, QRgb background, QRgb colour) const {
    const int width = std::min(raster.width(), static_cast<int>(lo_.size()));
    const int height = raster.height();
    if (height <= 0) return;
    auto covered = [&](int c, int y) { return lo_[c] <= y && y <= hi_[c] ? colour : background; };
    // The rows below row 0 where a column's pixel changes: where the body begins, and the row
    // after its end.
    auto forEachChange = [&](auto change) {
        for (int c = 0; c < width; ++c) {
            if (lo_[c] > hi_[c]) continue;
            if (0 < lo_[c] && lo_[c] < height) change(lo_[c], c);
            if (0 < hi_[c] + 1 && hi_[c] + 1 < height) change(hi_[c] + 1, c);
        }
    };
    // The changed columns sorted by row (a counting sort): those of row y are
    // changed[begin[y]] up to changed[begin[y + 1]].
    std::vector<int> begin(static_cast<std::size_t>(height) + 1, 0);
    forEachChange([&](int y, int) { ++begin[y]; });
    std::partial_sum(begin.begin(), begin.end(), begin.begin());
    std::vector<int> changed(static_cast<std::size_t>(begin[height]));
    forEachChange([&](int y, int c) { changed[--begin[y]] = c; });

    QRgb* line = raster.Row(0);
    for (int c = 0; c < width; ++c) line[c] = covered(c, 0);
    std::fill(line + width, line + raster.width(), background);
    for (int y = 1; y < height; ++y) {
        const QRgb* above = line;
        line = raster.Row(y);
        std::copy_n(above, raster.width(), line);
        for (int i = begin[y]; i < begin[y + 1]; ++i) line[changed[i]] = covered(changed[i], y);
    }
}

}  // namespace vakrel
