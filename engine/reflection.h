#pragma once
// The ground-reflected ray of an open path over the effective earth: classical two-ray geometry
// (the reflection point on a sphere of the effective radius, as P.526-16 §3.1.1 and P.530-17
// §2.2 use it), the divergence of the curved surface, the roughness of the reflecting plane and
// the interference of the direct and reflected rays.

#include <complex>

namespace vakrel {

struct ReflectionGeometry {
    bool exists = false;         // false when an antenna is not above the reflecting plane
    double pointKm = 0;          // reflection point, distance from antenna 1
    double grazingRad = 0;       // grazing angle psi
    double divergence = 1;       // D <= 1
    double pathDifferenceM = 0;  // reflected minus direct path
};

// `h1M`, `h2M`: heights of the antennas above the reflecting plane under each of them (m).
ReflectionGeometry ReflectionPoint(double distanceKm, double h1M, double h2M, double radiusKm);

// The reflecting plane as a random rough surface: standard deviation of its heights and the
// correlation radius of those heights, both in m.
struct Roughness {
    double heightDeviationM;
    double correlationRadiusM;
};

// The share of the specular reflection a rough surface keeps (0-1): the Ament factor
// exp(-2 (2 pi sigma sin psi / lambda)^2), applied in full when the correlation radius is small
// beside the first Fresnel zone on the ground and fading out as it approaches that length.
double RoughnessFactor(const Roughness& roughness, const ReflectionGeometry& ray, double distanceKm,
                       double wavelengthM);

// 20 log |1 + Gamma D rho exp(-j 2 pi delta / lambda)|, dB (positive: the rays add), held above
// -60 dB at an exact null.
double InterferenceFactorDb(std::complex<double> reflection, double divergence, double roughnessFactor,
                            double pathDifferenceM, double wavelengthM);

}  // namespace vakrel
