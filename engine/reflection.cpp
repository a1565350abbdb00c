#include "reflection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "smooth_earth.h"

namespace vakrel {

ReflectionGeometry ReflectionPoint(double distanceKm, double h1M, double h2M, double radiusKm) {
    ReflectionGeometry ray;
    if (h1M <= 0 || h2M <= 0 || distanceKm <= 0) return ray;
    const double d = distanceKm;
    const double d1 = SmoothEarthReflectionKm(d, h1M, h2M, radiusKm);
    const double d2 = d - d1;
    // Heights above the plane tangent at the reflection point.
    const double t1 = h1M - 500 * d1 * d1 / radiusKm;
    const double t2 = h2M - 500 * d2 * d2 / radiusKm;
    if (t1 <= 0 || t2 <= 0) return ray;  // the point lies beyond an antenna's horizon
    ray.exists = true;
    ray.pointKm = d1;
    ray.grazingRad = std::atan((t1 + t2) / (1000 * d));
    ray.divergence = 1 / std::sqrt(1 + 2 * d1 * d2 / (radiusKm * d * std::tan(ray.grazingRad)));
    ray.pathDifferenceM = 2 * t1 * t2 / (1000 * d);
    return ray;
}

double RoughnessFactor(const Roughness& roughness, const ReflectionGeometry& ray, double distanceKm,
                       double wavelengthM) {
    const double phase = 2 * std::numbers::pi * roughness.heightDeviationM * std::sin(ray.grazingRad) / wavelengthM;
    const double ament = std::exp(-2 * phase * phase);
    // Length along the path of the first Fresnel zone on the ground: 2 F1 / sin psi.
    const double d1 = ray.pointKm * 1000;
    const double d2 = (distanceKm - ray.pointKm) * 1000;
    const double fresnel = std::sqrt(wavelengthM * d1 * d2 / (d1 + d2));
    const double footprintM = 2 * fresnel / std::sin(ray.grazingRad);
    const double facet = std::clamp(roughness.correlationRadiusM / footprintM, 0.0, 1.0);
    return std::pow(ament, 1 - facet);
}

double InterferenceFactorDb(std::complex<double> reflection, double divergence, double roughnessFactor,
                            double pathDifferenceM, double wavelengthM) {
    const double phase = 2 * std::numbers::pi * pathDifferenceM / wavelengthM;
    const std::complex<double> sum = 1.0 + reflection * divergence * roughnessFactor * std::polar(1.0, -phase);
    return std::max(20 * std::log10(std::abs(sum)), -60.0);
}

}  // namespace vakrel
