// ITU-R P.530-17 §2.3.1 eqs 4, 6, 7 and §2.3.2 eqs 10-18.
#include "p530_multipath.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p530 {

namespace {

constexpr double kLargestTransitionPct = 99.9999;

}  // namespace

double GeoclimaticFactor(double dN1, double roughnessM) {
    return std::pow(10.0, -4.4 - 0.0027 * dN1) * std::pow(10 + roughnessM, -0.46);
}

double PathInclinationMrad(const MultipathPath& path) {
    return std::abs(path.rxAntennaHeightM - path.txAntennaHeightM) / path.distanceKm;
}

double OccurrenceFactor(const MultipathPath& path) {
    const double hl = std::min(path.txAntennaHeightM, path.rxAntennaHeightM);
    return path.geoclimaticFactor * std::pow(path.distanceKm, 3.4) * std::pow(1 + PathInclinationMrad(path), -1.03) *
           std::pow(path.frequencyGHz, 0.8) * std::pow(10.0, -0.00076 * hl);
}

double FadeExceeded(const MultipathPath& path, double fadeDepthDb) {
    const double p0 = OccurrenceFactor(path);
    const double a = fadeDepthDb;
    const double at = 25 + 1.2 * std::log10(p0);  // eq 10
    // A percentage of time is at most 100, however large the geoclimatic factor makes p0.
    if (a >= at) return std::min(100.0, p0 * std::pow(10.0, -a / 10));  // eq 11
    // Shallow fades, eqs 12-18: interpolation between the deep-fade law and 100 % at A = 0. p_t is
    // held at 99.9999 % so that the logarithm of eq 15 has a value (as P.530-19 §2.3.2 asks).
    const double pt = std::min(kLargestTransitionPct, p0 * std::pow(10.0, -at / 10));
    const double qaPrime = -20 * std::log10(-std::log((100 - pt) / 100)) / at;
    const double qt = (qaPrime - 2) / ((1 + 0.3 * std::pow(10.0, -at / 20)) * std::pow(10.0, -0.016 * at)) -
                      4.3 * (std::pow(10.0, -at / 20) + at / 800);
    const double qa = 2 + (1 + 0.3 * std::pow(10.0, -a / 20)) * std::pow(10.0, -0.016 * a) *
                              (qt + 4.3 * (std::pow(10.0, -a / 20) + a / 800));
    return 100 * (1 - std::exp(-std::pow(10.0, -qa * a / 20)));
}

}  // namespace vakrel::p530
