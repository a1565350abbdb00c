#include "hop_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vakrel {

namespace {

PathClass ClassOf(double relative) {
    if (relative >= 1) return PathClass::Open;
    if (relative >= 0) return PathClass::SemiOpen;
    return PathClass::Closed;
}

// An obstacle is a run of neighbouring points inside the minimum zone (p < 1). Returns the worst
// point outside the run that holds the critical point `g`, or nothing.
std::optional<Clearance> SecondObstacle(const TerrainProfile& profile, std::size_t g, const HopGeometry& hop,
                                        double radiusKm, double wavelengthM) {
    const std::size_t n = profile.size();
    auto at = [&](std::size_t i) {
        return ClearanceAt(profile.distanceKm[i], profile.heightM[i], hop, radiusKm, wavelengthM);
    };
    std::size_t runStart = g, runEnd = g;
    while (runStart > 1 && at(runStart - 1).relative < 1) --runStart;
    while (runEnd + 2 < n && at(runEnd + 1).relative < 1) ++runEnd;
    std::optional<Clearance> best;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        if (i >= runStart && i <= runEnd) continue;
        const Clearance c = at(i);
        if (c.relative < 1 && (!best || c.relative < best->relative)) best = c;
    }
    return best;
}

}  // namespace

double EarthBulgeM(double xKm, double lengthKm, double radiusKm) {
    return 1000 * xKm * (lengthKm - xKm) / (2 * radiusKm);
}

Clearance ClearanceAt(double xKm, double heightM, const HopGeometry& hop, double radiusKm, double wavelengthM) {
    const double d = hop.lengthKm;
    const double k = xKm / d;
    Clearance c;
    c.distanceKm = xKm;
    c.clearanceM = hop.txTopM + (hop.rxTopM - hop.txTopM) * k - heightM - EarthBulgeM(xKm, d, radiusKm);
    c.zoneRadiusM = std::sqrt(wavelengthM * d * 1000 * k * (1 - k) / 3);
    c.relative = c.clearanceM / c.zoneRadiusM;
    return c;
}

HopGeometry AnalysePath(const TerrainProfile& profile, double txTopM, double rxTopM, double radiusKm,
                        double wavelengthM) {
    HopGeometry hop;
    hop.lengthKm = profile.length();
    hop.txTopM = txTopM;
    hop.rxTopM = rxTopM;
    const std::size_t n = profile.size();
    const double d = hop.lengthKm;

    // Horizon angles: the highest elevation seen from each antenna, at least that of the other one.
    hop.txHorizonMrad = (rxTopM - txTopM) / d - 500 * d / radiusKm;
    hop.rxHorizonMrad = (txTopM - rxTopM) / d - 500 * d / radiusKm;

    std::size_t g = 0;
    double smallest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double x = profile.distanceKm[i];
        const double h = profile.heightM[i];
        hop.txHorizonMrad = std::max(hop.txHorizonMrad, (h - txTopM) / x - 500 * x / radiusKm);
        hop.rxHorizonMrad = std::max(hop.rxHorizonMrad, (h - rxTopM) / (d - x) - 500 * (d - x) / radiusKm);
        const Clearance c = ClearanceAt(x, h, hop, radiusKm, wavelengthM);
        if (c.relative < smallest) {
            smallest = c.relative;
            g = i;
            hop.critical = c;
        }
    }
    if (g == 0) {
        // No point between the antennas: the ground is taken as straight between the two ends,
        // and the middle of the path is its critical point.
        const double middle = 0.5 * (profile.heightM.front() + profile.heightM.back());
        hop.critical = ClearanceAt(d / 2, middle, hop, radiusKm, wavelengthM);
    } else {
        hop.second = SecondObstacle(profile, g, hop, radiusKm, wavelengthM);
    }
    hop.pathClass = ClassOf(hop.critical.relative);
    return hop;
}

}  // namespace vakrel
