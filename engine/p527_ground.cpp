// Ground: the power laws eps = a f^b, sigma = c f^d of P.527-6 (shared with P.2040 Table 3),
// fitted for 1-10 GHz and held at their end values outside. Water: a single Debye relaxation at
// 20 °C (static 80.2 fresh / 73 sea, optical 4.9, relaxation 17 GHz) plus the ionic conductivity.
#include "p527_ground.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p527 {

namespace {

struct PowerLaw {
    double a, b, c, d;
};

Electrical GroundLaw(const PowerLaw& law, double frequencyGHz) {
    const double f = std::clamp(frequencyGHz, 1.0, 10.0);
    return {law.a * std::pow(f, law.b), law.c * std::pow(f, law.d)};
}

Electrical Debye(double staticPermittivity, double ionicConductivity, double frequencyGHz) {
    constexpr double kOptical = 4.9;
    constexpr double kRelaxationGHz = 17.0;
    const double x = frequencyGHz / kRelaxationGHz;
    const double real = kOptical + (staticPermittivity - kOptical) / (1 + x * x);
    const double dipoleLoss = (staticPermittivity - kOptical) * x / (1 + x * x);  // eps''
    // eps'' = 18 sigma / f: express the dipole loss as an equivalent conductivity.
    return {real, ionicConductivity + dipoleLoss * frequencyGHz / 18};
}

}  // namespace

Electrical Properties(Surface surface, double frequencyGHz) {
    switch (surface) {
        case Surface::SeaWater: return Debye(73.0, 4.0, frequencyGHz);
        case Surface::FreshWater: return Debye(80.2, 0.01, frequencyGHz);
        case Surface::WetGround: return GroundLaw({30.0, -0.4, 0.15, 1.30}, frequencyGHz);
        case Surface::MediumDryGround: return GroundLaw({15.0, -0.1, 0.035, 1.63}, frequencyGHz);
        case Surface::VeryDryGround: return GroundLaw({3.0, 0.0, 0.00015, 2.52}, frequencyGHz);
    }
    return {1, 0};
}

std::complex<double> ComplexPermittivity(const Electrical& e, double frequencyGHz) {
    return {e.permittivity, -18 * e.conductivitySm / frequencyGHz};
}

std::complex<double> ReflectionHorizontal(std::complex<double> eps, double grazingRad) {
    const double s = std::sin(grazingRad);
    const double c = std::cos(grazingRad);
    const std::complex<double> root = std::sqrt(eps - c * c);
    return (s - root) / (s + root);
}

std::complex<double> ReflectionVertical(std::complex<double> eps, double grazingRad) {
    const double s = std::sin(grazingRad);
    const double c = std::cos(grazingRad);
    const std::complex<double> root = std::sqrt(eps - c * c);
    return (eps * s - root) / (eps * s + root);
}

}  // namespace vakrel::p527
