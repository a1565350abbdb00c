#pragma once
// ITU-R P.525-4 §2.2: free-space basic transmission loss of a point-to-point link.

namespace vakrel {

// Speed of light in vacuum, m/s; every wavelength of the engine is c / f.
inline constexpr double kSpeedOfLight = 299792458.0;

// Wavelength in m of a frequency in MHz.
double WavelengthM(double frequencyMHz);

// Lbf = 20 log(4 pi d / lambda), dB, for a path of `distanceKm` at `frequencyMHz`.
double FreeSpaceLoss(double distanceKm, double frequencyMHz);

}  // namespace vakrel
