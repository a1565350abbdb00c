#pragma once
// ITU-R P.838-3: specific attenuation of rain, gamma_R = k R^alpha.

namespace vakrel::p838 {

struct RainCoefficients {
    double k;
    double alpha;
};

// kH, alphaH (horizontal) and kV, alphaV (vertical) at `frequencyGHz` (1-1000 GHz), eqs 2-3.
RainCoefficients HorizontalCoefficients(double frequencyGHz);
RainCoefficients VerticalCoefficients(double frequencyGHz);

// k and alpha for a path of elevation `elevationDeg` and polarisation tilt `tiltDeg`
// (0 horizontal, 90 vertical, 45 circular), eqs 4-5.
RainCoefficients PathCoefficients(double frequencyGHz, double elevationDeg, double tiltDeg);

// gamma_R in dB/km for a rain rate in mm/h, eq 1.
double SpecificAttenuation(const RainCoefficients& coefficients, double rainRateMmH);

}  // namespace vakrel::p838
