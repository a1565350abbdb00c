#pragma once
// The small pieces of geometry the profile plot is built from: the earth's rise over the chord
// of the hop, and the mapping of kilometres and metres to pixels. Products and quotients are
// formed in extended precision (long double); conversions to pixels truncate toward zero.

namespace vakrel {

// The rise of the earth's surface at distance `x` km above the chord between the two ends of
// a profile `length` km long, in metres, for an effective earth radius in km. 0 at both ends:
// ((1000 × x) × (L − x)) / (2 × radius).
inline double EarthBulge(double x, double length, double radiusKm) {
    return static_cast<double>((1000.0L * x) * (static_cast<long double>(length) - x) / (2.0L * radiusKm));
}

// Pixel coordinates are held within ±kPixelLimit: far enough out that nothing beyond it can
// reach the picture, near enough that QPainter's fixed-point rasteriser cannot overflow. NaN
// gives 0. Only broken data (a frequency near 0, absurd result points) comes near the limit.
inline constexpr int kPixelLimit = 1 << 22;

// Truncation toward zero of a pixel quantity.
inline int TruncPixel(long double value) {
    if (!(value == value)) return 0;
    if (value >= kPixelLimit) return kPixelLimit;
    if (value <= -kPixelLimit) return -kPixelLimit;
    return static_cast<int>(value);
}

// The plot area of one drawing and its scales.
struct PlotMapping {
    int left = 0, top = 0, plotW = 0, plotH = 0;  // pixels
    double kx = 0;                                // pixels per km: plotW / L
    double ky = 0;                                // pixels per m: plotH / (ymax − ymin)
    double ymin = 0;                              // m, the height at the bottom of the plot area

    // Column of a distance in km from the profile's start.
    int px(double x) const { return left + TruncPixel(static_cast<long double>(x) * kx); }
    // Row of a height in m.
    int py(double h) const { return top + plotH - TruncPixel((static_cast<long double>(h) - ymin) * ky); }
};

}  // namespace vakrel
