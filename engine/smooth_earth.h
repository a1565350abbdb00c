#pragma once
// The point of a smooth spherical earth where a ray from one antenna reflects towards the other
// (the cubic of ITU-R P.526-15 §3.1.1.1 in its trigonometric solution), shared by the diffraction
// over the smooth earth and the ground reflection.

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vakrel {

// Distance in km of the reflection point from antenna 1, on a path `distanceKm` long between
// antennas `h1M` and `h2M` above the sphere of radius `radiusKm`. Heights must be above 0.
inline double SmoothEarthReflectionKm(double distanceKm, double h1M, double h2M, double radiusKm) {
    const double d = distanceKm;
    const double c = (h1M - h2M) / (h1M + h2M);
    const double m = 250 * d * d / (radiusKm * (h1M + h2M));
    const double b = 2 * std::sqrt((m + 1) / (3 * m)) *
                     std::cos(std::numbers::pi / 3 +
                              std::acos(std::clamp(1.5 * c * std::sqrt(3 * m / std::pow(m + 1, 3)), -1.0, 1.0)) / 3);
    return d * (1 + b) / 2;
}

}  // namespace vakrel
