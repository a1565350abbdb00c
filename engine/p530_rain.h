#pragma once
// ITU-R P.530-19 §2.4.1: long-term statistics of rain attenuation on a line-of-sight path, stated
// valid up to 175 GHz and 60 km, with the power law of eq (34) for 0.001-1 % of the time.

namespace vakrel::p530 {

struct RainPath {
    double distanceKm;
    double frequencyGHz;
    double rainRateMmH;      // R_0.01, 1-minute integration
    double specificAttDbKm;  // gamma_R at R_0.01 (P.838-3)
    double alpha;            // the P.838-3 exponent used for gamma_R
};

// The range of time percentages the power law of eq (34) is given for.
inline constexpr double kLawLowestPct = 0.001;
inline constexpr double kLawHighestPct = 1.0;

// r, the distance factor of eq (32), with f taken at least 6 GHz, d at most 30 km and R_0.01 at
// least 3 mm/h in that equation, as step 3 asks.
double DistanceFactor(const RainPath& path);

// A_0.01 = gamma_R d r, dB (eq (33)), with the real path length d.
double Attenuation001(const RainPath& path);

// A_p for p in 0.001-1 % (eq (34)), dB.
double AttenuationExceeded(const RainPath& path, double percent);

// The percentage of time for which the attenuation `marginDb` is exceeded: eq (34) solved for p,
// %, 0 without rain or where the margin lies beyond every attenuation of the law; clamped to 0-100.
// It may fall outside the law's 0.001-1 %: the caller says so.
double PercentExceeded(const RainPath& path, double marginDb);

}  // namespace vakrel::p530
