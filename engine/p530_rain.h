#pragma once
// ITU-R P.530-17 §2.4.1: long-term statistics of rain attenuation on a line-of-sight path.

namespace vakrel::p530 {

struct RainPath {
    double distanceKm;
    double frequencyGHz;
    double rainRateMmH;        // R_0.01, 1-minute integration
    double specificAttDbKm;    // gamma_R at R_0.01 (P.838-3)
    double alpha;              // the P.838-3 exponent used for gamma_R
};

// r, the distance factor of eq 32, at most 2.5.
double DistanceFactor(const RainPath& path);

// A_0.01 = gamma_R d r, dB (eq 33).
double Attenuation001(const RainPath& path);

// A_p for p in 0.001-1 % (eq 34), dB.
double AttenuationExceeded(const RainPath& path, double percent);

// The percentage of time for which the attenuation `marginDb` is exceeded: eq 34 solved for p,
// %, 0 without rain; clamped to 0-100.
double PercentExceeded(const RainPath& path, double marginDb);

}  // namespace vakrel::p530
