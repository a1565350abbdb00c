#include "plot_passes.h"

#include "profile_plot.h"

namespace vakrel::detail {

// From antenna 1's top to antenna 2's top, where its depth is 0.
void DrawClearanceZone(const PlotFrame& f) {
    const QRgb lime = kClearanceColour.rgb();
    QPoint previous = f.top1;
    double x = f.SamplesFrom(f.X1);
    do {
        x = x + f.step;
        if (x > f.X2) x = f.X2;
        const QPoint next = f.Pixel(x, static_cast<double>(static_cast<Ld>(f.Sight(x)) - f.ZoneDepth(f.X1, f.X2, x)));
        f.raster.Line(previous, next, lime);
        previous = next;
    } while (x < f.X2);
}

// The engine counts the distances of its points from antenna 1, so each stands at X1 + its
// distance on the profile's axis.
void DrawResultPoints(const PlotFrame& f) {
    const HopModel& m = f.m;
    // A list with a point that is not a number, or lies further than ten hop lengths away, is
    // not drawn: the engine never writes one, and sampling out there would take for ever.
    auto usable = [&](const ResultList& list) {
        const int count = std::clamp(list.count, 0, kResultListCapacity);
        for (int k = 0; k < count; ++k) {
            const double x = static_cast<double>(static_cast<Ld>(f.X1) + list.distance[k]);
            if (!std::isfinite(x) || !std::isfinite(list.offset[k]) || std::fabs(x) > 10 * f.L) return 0;
        }
        return count;
    };
    const int countA = usable(m.resultPoints[kListA]);
    const int countB = usable(m.resultPoints[kListB]);
    const int countC = usable(m.resultPoints[kListC]);
    auto at = [&](const ResultList& list, int k) {
        return static_cast<double>(static_cast<Ld>(f.X1) + list.distance[k]);
    };
    const double end2 = static_cast<double>(static_cast<Ld>(f.E2) + f.A2);
    const QRgb fuchsia = kResultColour.rgb();
    // The next point of a list, `side` metres from the line of sight per metre of offset (-1
    // below, +1 above); after the last one, antenna 2's top.
    struct Point {
        double x, h;
    };
    auto nextPoint = [&](const ResultList& list, int count, int& k, int side) {
        if (k >= count) return Point{f.X2, end2};
        const double x = at(list, k);
        const Point p{x, static_cast<double>(static_cast<Ld>(f.Sight(x)) + side * list.offset[k])};
        ++k;
        return p;
    };

    // List B: a polyline below the line of sight from antenna 1's top to antenna 2's top.
    if (countC == 0 && countB > 0) {
        const auto& list = m.resultPoints[kListB];
        QPoint previous = f.top1;
        int k = 0;
        double x;
        do {
            const Point p = nextPoint(list, countB, k, -1);
            x = p.x;
            const QPoint next = f.Pixel(p.x, p.h);
            f.raster.Line(previous, next, fuchsia);
            previous = next;
        } while (x < f.X2);
    }

    // List C: legs over points above the line of sight, each with its own clearance zone.
    if (countC > 0) {
        const auto& list = m.resultPoints[kListC];
        double px = f.X1;
        double ph = static_cast<double>(static_cast<Ld>(f.E1) + f.A1);
        QPoint pPixel = f.top1;
        int k = 0;
        for (;;) {
            const auto [qx, qh] = nextPoint(list, countC, k, +1);
            const QPoint qPixel = f.Pixel(qx, qh);
            f.raster.Line(pPixel, qPixel, fuchsia);
            if (qx > px) {  // a leg that does not run to the right has no zone to sample
                QPoint previous = pPixel;
                double t = px;
                do {
                    t = t + f.step;
                    if (t > qx) t = qx;
                    const Ld along = static_cast<Ld>(t) - px;
                    const Ld chord =
                        static_cast<Ld>(ph) + along * (static_cast<Ld>(qh) - ph) / (static_cast<Ld>(qx) - px);
                    const QPoint next = f.Pixel(t, static_cast<double>(chord - f.ZoneDepth(px, qx, t)));
                    f.raster.Line(previous, next, kClearanceColour.rgb());
                    previous = next;
                } while (t < qx);
            }
            px = qx;
            ph = qh;
            pPixel = qPixel;
            if (qx >= f.X2) break;
        }
    }

    // List A: at most its first two points, each joined to both antenna tops.
    if (countA > 0) {
        const auto& list = m.resultPoints[kListA];
        for (int k = 0; k < std::min(countA, 2); ++k) {
            const double x = at(list, k);
            const QPoint point = f.Pixel(x, static_cast<double>(static_cast<Ld>(f.Sight(x)) - list.offset[k]));
            f.raster.Line(f.top1, point, fuchsia);
            f.raster.Line(point, f.top2, fuchsia);
        }
    }
}

}  // namespace vakrel::detail
