#pragma once
// Electrical properties of the earth's surface (ITU-R P.527-6) and the Fresnel reflection
// coefficient of a smooth surface.

#include <complex>

namespace vakrel::p527 {

enum class Surface { SeaWater, FreshWater, WetGround, MediumDryGround, VeryDryGround };

// Relative permittivity and conductivity (S/m) of a surface at a frequency in GHz.
struct Electrical {
    double permittivity;
    double conductivitySm;
};
Electrical Properties(Surface surface, double frequencyGHz);

// The complex relative permittivity eps_r - j 18 sigma / f (f in GHz).
std::complex<double> ComplexPermittivity(const Electrical& e, double frequencyGHz);

// Fresnel reflection coefficients at grazing angle `grazingRad` for horizontal and vertical
// polarisation.
std::complex<double> ReflectionHorizontal(std::complex<double> eps, double grazingRad);
std::complex<double> ReflectionVertical(std::complex<double> eps, double grazingRad);

}  // namespace vakrel::p527
