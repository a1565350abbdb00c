#include "plot_passes.h"

#include "profile_plot.h"

namespace vakrel::detail {

// Ground plus object height, interpolated between the points and bent with the earth.
void DrawOutline(const PlotFrame& f) {
    const auto& p = f.p;
    const QRgb black = kPlotBlack.rgb();
    QPoint previous(f.map.left, f.map.py(p[0].groundHeight));
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto& a = p[i - 1];
        const auto& b = p[i];
        const Ld topA = static_cast<Ld>(a.groundHeight) + a.objectHeight;
        const double slopeTop = static_cast<double>((static_cast<Ld>(b.groundHeight) + b.objectHeight - topA) /
                                                    (static_cast<Ld>(b.distance) - a.distance));
        const double from = f.SamplesFrom(a.distance);
        for (long long k = 1;; ++k) {
            const double x = static_cast<double>(static_cast<Ld>(from) + k * static_cast<Ld>(f.step));
            if (!(x < b.distance)) break;
            const QPoint next = f.Pixel(x, static_cast<double>(static_cast<Ld>(f.Bulge(x)) + topA +
                                                               (static_cast<Ld>(x) - a.distance) * slopeTop));
            f.raster.Line(previous, next, black);
            previous = next;
        }
        const QPoint next = f.Pixel(
            b.distance, static_cast<double>(static_cast<Ld>(f.Bulge(b.distance)) + b.groundHeight + b.objectHeight));
        f.raster.Line(previous, next, black);
        previous = next;
    }
}

}  // namespace vakrel::detail
