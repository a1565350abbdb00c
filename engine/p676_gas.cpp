// ITU-R P.676-13 Annex 1 §1, eqs 1-9, and §2.1 for the terrestrial path.
#include "p676_gas.h"

#include <cmath>

#include "p676_line_tables.h"

namespace vakrel::p676 {

namespace {

// Line shape factor F_i, eq 5.
double LineShape(double f, double fi, double width, double interference) {
    const double below = fi - f;
    const double above = fi + f;
    return f / fi *
           ((width - interference * below) / (below * below + width * width) +
            (width - interference * above) / (above * above + width * width));
}

// N''_D(f), the dry continuum of eq 8, with the Debye width of eq 9.
double DryContinuum(double f, double p, double e, double theta) {
    const double d = 5.6e-4 * (p + e) * std::pow(theta, 0.8);
    return f * p * theta * theta *
           (6.14e-5 / (d * (1 + (f / d) * (f / d))) +
            1.4e-12 * p * std::pow(theta, 1.5) / (1 + 1.9e-5 * std::pow(f, 1.5)));
}

double OxygenRefractivity(double f, double p, double e, double theta) {
    double sum = DryContinuum(f, p, e, theta);
    for (const SpectralLine& line : kOxygenLines) {
        const double strength = line.c1 * 1e-7 * p * theta * theta * theta * std::exp(line.c2 * (1 - theta));
        double width = line.c3 * 1e-4 * (p * std::pow(theta, 0.8 - line.c4) + 1.1 * e * theta);
        width = std::sqrt(width * width + 2.25e-6);  // Zeeman splitting, eq 6b
        const double interference = (line.c5 + line.c6 * theta) * 1e-4 * (p + e) * std::pow(theta, 0.8);
        sum += strength * LineShape(f, line.f0, width, interference);
    }
    return sum;
}

double WaterVapourRefractivity(double f, double p, double e, double theta) {
    double sum = 0;
    for (const SpectralLine& line : kWaterVapourLines) {
        const double strength = line.c1 * 1e-1 * e * std::pow(theta, 3.5) * std::exp(line.c2 * (1 - theta));
        double width = line.c3 * 1e-4 * (p * std::pow(theta, line.c4) + line.c5 * e * std::pow(theta, line.c6));
        // Doppler broadening, eq 6b.
        width = 0.535 * width + std::sqrt(0.217 * width * width + 2.1316e-12 * line.f0 * line.f0 / theta);
        sum += strength * LineShape(f, line.f0, width, 0);
    }
    return sum;
}

}  // namespace

Atmosphere StandardSurfaceAtmosphere() { return {1013.25, 288.15, 7.5}; }

SpecificAttenuation GasSpecificAttenuation(double frequencyGHz, const Atmosphere& atmosphere) {
    const double theta = 300.0 / atmosphere.temperatureK;
    const double e = atmosphere.waterVapourDensity * atmosphere.temperatureK / 216.7;  // eq 4
    const double p = atmosphere.dryPressureHPa;
    const double f = frequencyGHz;
    return {0.1820 * f * OxygenRefractivity(f, p, e, theta), 0.1820 * f * WaterVapourRefractivity(f, p, e, theta)};
}

double GasPathAttenuation(double frequencyGHz, double distanceKm, const Atmosphere& atmosphere) {
    return GasSpecificAttenuation(frequencyGHz, atmosphere).total() * distanceKm;
}

}  // namespace vakrel::p676
