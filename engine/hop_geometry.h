#pragma once
// Geometry of the hop on the effective earth: the line of sight between the antenna tops, the
// earth bulge, the clearance of every profile point and its ratio to the minimum-zone radius.

#include <cmath>
#include <optional>

#include "terrain_profile.h"

namespace vakrel {

// Clearance at one point of the path.
struct Clearance {
    double distanceKm = 0;   // from antenna 1
    double clearanceM = 0;   // H(x): line of sight minus (terrain + bulge); positive below the line
    double zoneRadiusM = 0;  // H0(x) = sqrt(lambda R k (1 - k) / 3), k = x / R, R the path length
    double relative = 0;     // p(x) = H / H0
};

// The first Fresnel radius at the point: H0 is F1 / sqrt(3).
inline double FirstFresnelRadiusM(const Clearance& c) { return c.zoneRadiusM * std::sqrt(3.0); }
// The clearance of the point in first Fresnel radii; the point keeps a fraction F1 where this is at least it.
inline double InFresnelRadii(const Clearance& c) { return c.clearanceM / FirstFresnelRadiusM(c); }

enum class PathClass { Open = 1, SemiOpen = 2, Closed = 3 };

struct HopGeometry {
    double lengthKm = 0;
    double txTopM = 0;                // antenna 1 top above sea level
    double rxTopM = 0;                // antenna 2 top above sea level
    Clearance critical;               // the point of smallest p
    std::optional<Clearance> second;  // the worst point of another obstacle, if any
    PathClass pathClass = PathClass::Open;
    double txHorizonMrad = 0;  // elevation of antenna 1's horizon (P.452-18 eqs 38-40)
    double rxHorizonMrad = 0;  // elevation of antenna 2's horizon
};

// Earth bulge at `xKm` on a path of `lengthKm` over an earth of `radiusKm`, m.
double EarthBulgeM(double xKm, double lengthKm, double radiusKm);

// Clearance of a point of height `heightM` at `xKm`.
Clearance ClearanceAt(double xKm, double heightM, const HopGeometry& hop, double radiusKm, double wavelengthM);

// The geometry of the whole path; antenna tops in m above sea level.
HopGeometry AnalysePath(const TerrainProfile& profile, double txTopM, double rxTopM, double radiusKm,
                        double wavelengthM);

}  // namespace vakrel
