#include "plot_passes.h"

namespace vakrel::detail {

// ymin is the lowest ground of the points themselves, ymax the highest of point 1's ground,
// the sampled ground with bulge and objects, the two antenna tops and the tops at minimum k
// when they are shown.
void FindHeightRange(PlotFrame& f) {
    const auto& p = f.p;
    double ymin = p[0].groundHeight;
    double ymax = ymin;
    double x = 0;
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto& a = p[i - 1];
        const auto& b = p[i];
        const double slope = PlotFrame::Slope(a, b);
        const bool objects = PlotFrame::CarriesObjects(a, b);
        if (b.groundHeight < ymin) ymin = b.groundHeight;
        f.SampleSegment(a, b, slope, x, [&](double, double h) {
            if (objects) h = static_cast<double>(static_cast<Ld>(h) + b.objectHeight);
            if (h > ymax) ymax = h;
        });
        if (StandsOn(a, b, 0, f.X1)) {
            const double h =
                static_cast<double>(static_cast<Ld>(f.Bulge(f.X1)) + PlotFrame::Ground(a, slope, f.X1) + f.A1);
            if (h > ymax) ymax = h;
        }
        if (StandsOn(a, b, 1, f.X2)) {
            const double h =
                static_cast<double>(static_cast<Ld>(f.Bulge(f.X2)) + PlotFrame::Ground(a, slope, f.X2) + f.A2);
            if (h > ymax) ymax = h;
        }
    }
    if (const auto top = HighestMinimumKTop(f)) ymax = std::max(ymax, *top);
    f.map.ymin = ymin;
    f.ymax = ymax;
}

}  // namespace vakrel::detail
