#pragma once
// What the passes of one profile drawing share: the model's quantities taken once, the plot
// area with its scales, the pixels, and what a pass leaves for the later ones (the masts'
// feet and tops, the ground under the antennas, the slope of the line of sight). Private to
// the plot. Sums and quotients are formed in extended precision (long double), as the
// drawing has always done, so that the pixels do not move.

#include <QPoint>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "hop_ground.h"
#include "hop_model.h"
#include "plot_geometry.h"
#include "plot_raster.h"
#include "profile_plot.h"

namespace vakrel::detail {

using Ld = long double;

struct PlotFrame {
    PlotFrame(const HopModel& model, const PlotOptions& options, PlotRaster& raster)
        : m(model), options(options), p(model.profile.points), raster(raster) {}

    const HopModel& m;
    const PlotOptions& options;
    const std::vector<ProfilePoint>& p;
    PlotRaster& raster;
    // The hop at minimum k, when the picture shows it.
    const MinimumKOverlay* minimumK = nullptr;

    double L = 0;     // km, the last point's distance
    double step = 0;  // km, the sampling step: 10 pixels
    double ymax = 0;  // m, the height at the top of the plot area
    // km, the distance of the picture's first column: samples further left show nothing, so a
    // pass starts its samples just left of it (a profile may begin far left of its zero).
    double visibleFrom = 0;
    double X1 = 0, X2 = 0;  // km, antenna positions
    double A1 = 0, A2 = 0;  // m, antenna heights above the ground
    PlotMapping map;

    // Left by the ground pass.
    double E1 = 0, E2 = 0;           // m, ground with bulge under each mast
    QPoint top1, top2;               // pixels of the antenna tops
    std::array<double, 2> ground{};  // m, ground under each antenna (no bulge, no objects)
    // Left by the line of sight: metres per km from antenna 1's top to antenna 2's.
    double slopeLos = 0;

    double Bulge(double x) const { return EarthBulge(x, L, m.effectiveEarthRadius); }
    // Ground height between points a and b at distance x (no bulge, no objects).
    static double Ground(const ProfilePoint& a, double slope, double x) { return GroundOnSegment(a, slope, x); }
    static double Slope(const ProfilePoint& a, const ProfilePoint& b) { return GroundSlope(a, b); }
    static bool CarriesObjects(const ProfilePoint& a, const ProfilePoint& b) { return vakrel::CarriesObjects(a, b); }
    // Height of the line of sight at distance x.
    double Sight(double x) const {
        return static_cast<double>(static_cast<Ld>(E1) + A1 + (static_cast<Ld>(x) - X1) * slopeLos);
    }
    // Depth of the minimum clearance zone under a line running from distance `from` to `to`, at x.
    double ZoneDepth(double from, double to, double x) const {
        const Ld along = static_cast<Ld>(x) - from;
        const Ld square =
            300.0L / m.workingFrequency() / 3.0L * 1000.0L * along * (1.0L - along / (static_cast<Ld>(to) - from));
        return static_cast<double>(std::sqrt(std::max(square, 0.0L)));
    }
    QPoint Pixel(double x, double h) const { return QPoint(map.px(x), map.py(h)); }

    // Where a run of samples stepping on from x begins: samples left of the picture show
    // nothing, so a run that starts further left begins just left of it.
    double SamplesFrom(double x) const { return x + step < visibleFrom ? visibleFrom - step : x; }

    // The ground samples of the segment from a to b: every `step` km on from x, which carries
    // over from one segment into the next, the last one on b's distance exactly. Calls
    // sample(x, h) with h the ground with the earth's bulge in m (no objects).
    // A segment wholly left of the picture gets only its last sample; one that enters the
    // picture is sampled from just left of it.
    template <typename Sample>
    void SampleSegment(const ProfilePoint& a, const ProfilePoint& b, double slope, double& x, Sample sample) const {
        if (x + step < visibleFrom) {
            if (b.distance <= visibleFrom) {
                x = b.distance;
                sample(x, static_cast<double>(static_cast<Ld>(Bulge(x)) + b.groundHeight));
                return;
            }
            x = SamplesFrom(x);
        }
        do {
            x = x + step;
            double h;
            if (x >= b.distance) {
                x = b.distance;
                h = static_cast<double>(static_cast<Ld>(Bulge(x)) + b.groundHeight);
            } else {
                h = static_cast<double>(static_cast<Ld>(Bulge(x)) + Ground(a, slope, x));
            }
            sample(x, h);
        } while (x < b.distance);
    }
};

}  // namespace vakrel::detail
