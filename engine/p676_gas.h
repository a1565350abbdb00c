#pragma once
// ITU-R P.676-13 Annex 1 §1 (line by line, eqs 1-9): specific attenuation of atmospheric gases.

namespace vakrel::p676 {

// The atmosphere at the height of the path.
struct Atmosphere {
    double dryPressureHPa;      // p, dry-air pressure
    double temperatureK;        // T
    double waterVapourDensity;  // rho, g/m3
};

// The standard surface atmosphere used when the data give no other: 1013.25 hPa, 15 °C, 7.5 g/m3.
Atmosphere StandardSurfaceAtmosphere();

struct SpecificAttenuation {
    double oxygen;       // gamma_o, dB/km
    double waterVapour;  // gamma_w, dB/km
    double total() const { return oxygen + waterVapour; }
};

// Specific attenuation at `frequencyGHz` (1-1000 GHz; below 1 GHz the same sums, which tend
// smoothly to the small dry continuum).
SpecificAttenuation GasSpecificAttenuation(double frequencyGHz, const Atmosphere& atmosphere);

// Attenuation of a terrestrial path of `distanceKm` near the surface (Annex 1 §2.1): gamma * d.
double GasPathAttenuation(double frequencyGHz, double distanceKm, const Atmosphere& atmosphere);

}  // namespace vakrel::p676
