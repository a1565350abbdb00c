#include <algorithm>
#include <optional>
#include <string>

#include "number_format.h"
#include "plot_passes.h"
#include "plot_texts.h"
#include "profile_plot.h"

namespace vakrel::detail {

namespace {

// Half the side of a critical point's marker, in pixels.
constexpr int kMarkHalf = 4;

// The top of the objects (ground plus object height) between points a and b at distance x,
// interpolated as the outline draws it; no bulge.
Ld TopOnSegment(const ProfilePoint& a, const ProfilePoint& b, double x) {
    const Ld topA = static_cast<Ld>(a.groundHeight) + a.objectHeight;
    const Ld slopeTop =
        (static_cast<Ld>(b.groundHeight) + b.objectHeight - topA) / (static_cast<Ld>(b.distance) - a.distance);
    return topA + (static_cast<Ld>(x) - a.distance) * slopeTop;
}

// The top at distance x anywhere on the profile, or nothing off it.
std::optional<Ld> TopAt(const std::vector<ProfilePoint>& p, double x) {
    if (!(x >= p.front().distance) || !(x <= p.back().distance)) return std::nullopt;
    for (std::size_t i = 1; i < p.size(); ++i)
        if (x <= p[i].distance) return TopOnSegment(p[i - 1], p[i], x);
    return std::nullopt;
}

// The picture bends the whole profile with the median radius, and its line of sight joins the
// antenna tops. On the k_e earth the ground rises further above the antennas' chord by
// 1000 × (x − X1) × (X2 − x) / 2 × (1 / radius at k_e − 1 / median radius) m, 0 at both antennas;
// raised by it, the tops stand as far below the drawn line of sight as the clearance at k_e.
struct KeEarth {
    const PlotFrame& f;
    Ld curvature;  // 1 / radius at k_e − 1 / median radius, per km

    Ld Extra(double x) const {
        return 1000.0L * (static_cast<Ld>(x) - f.X1) * (static_cast<Ld>(f.X2) - x) / 2.0L * curvature;
    }
    // The top at x as the picture shows it on the median earth, and on the k_e earth.
    double Median(double x, Ld top) const { return static_cast<double>(static_cast<Ld>(f.Bulge(x)) + top); }
    double AtKe(double x, Ld top) const { return static_cast<double>(static_cast<Ld>(f.Bulge(x)) + top + Extra(x)); }
};

// The earth at k_e of the overlay, or nothing for a radius that is no length.
std::optional<KeEarth> KeEarthOf(const PlotFrame& f) {
    if (!f.minimumK) return std::nullopt;
    const double radius = f.minimumK->radiusKm;
    if (!(radius > 0) || !std::isfinite(radius)) return std::nullopt;
    return KeEarth{f, 1.0L / radius - 1.0L / static_cast<Ld>(f.m.effectiveEarthRadius)};
}

// The tops on the k_e earth from antenna 1 to antenna 2, sampled as the outline samples them
// (every step on from each point, just left of the picture at the earliest) and at every point
// between the antennas: visit(x, h) with h in m as the picture draws it.
template <typename Visit>
void ForEachKeTop(const PlotFrame& f, const KeEarth& earth, Visit visit) {
    const auto& p = f.p;
    bool started = false;
    double last = f.X1;
    auto to = [&](double x, Ld top) {
        visit(x, earth.AtKe(x, top));
        started = true;
        last = x;
    };
    for (std::size_t i = 1; i < p.size(); ++i) {
        const auto& a = p[i - 1];
        const auto& b = p[i];
        if (b.distance < f.X1) continue;
        if (!started) to(f.X1, TopOnSegment(a, b, f.X1));
        const double from = f.SamplesFrom(a.distance);
        for (long long k = 1;; ++k) {
            const double x = static_cast<double>(static_cast<Ld>(from) + k * static_cast<Ld>(f.step));
            if (!(x < b.distance) || !(x < f.X2)) break;
            if (x > last) to(x, TopOnSegment(a, b, x));
        }
        if (b.distance >= f.X2) {
            to(f.X2, TopOnSegment(a, b, f.X2));
            return;
        }
        if (b.distance > last) to(b.distance, static_cast<Ld>(b.groundHeight) + b.objectHeight);
    }
}

// A square marker centred on `at`: filled for the critical point at k_e, hollow at median k.
void DrawMarker(PlotRaster& raster, QPoint at, bool filled, QRgb colour) {
    const int left = at.x() - kMarkHalf, right = at.x() + kMarkHalf;
    const int top = at.y() - kMarkHalf, bottom = at.y() + kMarkHalf;
    for (int c = left; c <= right; ++c) {
        if (filled || c == left || c == right) {
            raster.Column(c, top, bottom, colour);
        } else {
            raster.Column(c, top, top, colour);
            raster.Column(c, bottom, bottom, colour);
        }
    }
}

// "0,12 F1": two decimals with the picture's separator.
std::string ClearanceText(double clearanceF1, char separator) {
    std::string text = FormatFixed(clearanceF1, 0, 2);
    for (char& c : text)
        if (c == '.') c = separator;
    return text + " F1";
}

}  // namespace

std::optional<double> HighestMinimumKTop(const PlotFrame& f) {
    const auto earth = KeEarthOf(f);
    if (!earth) return std::nullopt;
    std::optional<double> highest;
    ForEachKeTop(f, *earth, [&](double, double h) {
        if (!highest || h > *highest) highest = h;
    });
    return highest;
}

void DrawMinimumK(const PlotFrame& f, PlotTexts& texts, char separator) {
    const auto earth = KeEarthOf(f);
    if (!earth) return;
    const QRgb colour = kMinimumKColour.rgb();
    long long along = 0;
    std::optional<QPoint> previous;
    ForEachKeTop(f, *earth, [&](double x, double h) {
        const QPoint next = f.Pixel(x, h);
        if (previous) f.raster.DashedLine(*previous, next, colour, along);
        previous = next;
    });

    for (const auto& mark : f.minimumK->marks) {
        const auto top = TopAt(f.p, mark.distanceKm);
        if (!top || !std::isfinite(mark.clearanceF1)) continue;
        const double x = mark.distanceKm;
        const QPoint at = f.Pixel(x, mark.atMinimumK ? earth->AtKe(x, *top) : earth->Median(x, *top));
        DrawMarker(f.raster, at, mark.atMinimumK, colour);
        // The k_e earth stands higher: its clearance goes above its marker, the median one's below,
        // so that the two stay apart where both critical points are one.
        // A mark at the picture's edge keeps its text inside the picture.
        const int wanted = mark.atMinimumK ? at.y() - kMarkHalf - 1 - texts.height() : at.y() + kMarkHalf + 2;
        const int textY = std::clamp(wanted, 0, std::max(f.map.top + f.map.plotH - texts.height(), 0));
        texts.Draw(at.x() + kMarkHalf + 2, textY, ClearanceText(mark.clearanceF1, separator));
    }
}

}  // namespace vakrel::detail
