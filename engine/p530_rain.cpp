// ITU-R P.530-19 §2.4.1 steps 1-5, eqs (32)-(36).
#include "p530_rain.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p530 {

namespace {

struct ExceedanceCoefficients {
    double c1, c2, c3;
};

// C1-C3 of eqs (35a)-(35c) from C0 of eq (36): 0.12 + 0.4 log10((f/10)^0.8) for f >= 10 GHz.
ExceedanceCoefficients Coefficients(double frequencyGHz) {
    const double c0 = frequencyGHz >= 10 ? 0.12 + 0.4 * std::log10(std::pow(frequencyGHz / 10, 0.8)) : 0.12;
    return {std::pow(0.07, c0) * std::pow(0.12, 1 - c0), 0.855 * c0 + 0.546 * (1 - c0), 0.139 * c0 + 0.043 * (1 - c0)};
}

}  // namespace

double DistanceFactor(const RainPath& path) {
    // The limits of step 3 keep the denominator positive for every P.838-3 exponent from 1 GHz up
    // (0.10 at the worst, 1 GHz over 30 km in 3 mm/h).
    const double d = std::min(path.distanceKm, 30.0);
    const double f = std::max(path.frequencyGHz, 6.0);
    const double rate = std::max(path.rainRateMmH, 3.0);
    return 1 / (0.477 * std::pow(d, 0.633) * std::pow(rate, 0.073 * path.alpha) * std::pow(f, 0.123) -
                10.579 * (1 - std::exp(-0.024 * d)));
}

double Attenuation001(const RainPath& path) {
    if (path.rainRateMmH <= 0) return 0;
    return path.specificAttDbKm * path.distanceKm * DistanceFactor(path);
}

double AttenuationExceeded(const RainPath& path, double percent) {
    const ExceedanceCoefficients c = Coefficients(path.frequencyGHz);
    return Attenuation001(path) * c.c1 * std::pow(percent, -(c.c2 + c.c3 * std::log10(percent)));
}

double PercentExceeded(const RainPath& path, double marginDb) {
    const double a001 = Attenuation001(path);
    if (a001 <= 0) return 0;
    if (marginDb <= 0) return 100;
    const ExceedanceCoefficients c = Coefficients(path.frequencyGHz);
    // log(M / (C1 A001)) = -(C2 + C3 x) x with x = log10 p: C3 x^2 + C2 x + log(M/(C1 A001)) = 0.
    const double constant = std::log10(marginDb / (c.c1 * a001));
    const double discriminant = c.c2 * c.c2 - 4 * c.c3 * constant;
    if (discriminant < 0) return 0;  // the margin lies beyond every attenuation of the law
    const double x = (-c.c2 + std::sqrt(discriminant)) / (2 * c.c3);
    return std::clamp(std::pow(10.0, x), 0.0, 100.0);
}

}  // namespace vakrel::p530
