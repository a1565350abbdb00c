// ITU-R P.617-6 §4.1, eqs 1-7: the meteorological factor F, the scatter angle, the coupling loss
// and the long-term variation Y(p).
#include "p617_troposcatter.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p617 {

namespace {

constexpr double kScaleHeightKm = 7.35;  // h_b, the global mean

// Eq 7a divides by sin theta: the common volume of a path within the horizon (theta 0) is taken
// as that of a barely trans-horizon one.
constexpr double kSmallestCommonVolumeAngleMrad = 1.0;

}  // namespace

double ScatterAngleMrad(const TroposcatterPath& path) {
    return 1000 * path.distanceKm / path.radiusKm + path.txHorizonMrad + path.rxHorizonMrad;
}

double CouplingLoss(double txGainDb, double rxGainDb) { return 0.07 * std::exp(0.055 * (txGainDb + rxGainDb)); }

double CommonVolumeHeightKm(const TroposcatterPath& path) {
    const double d = path.distanceKm;
    const double theta = std::max(ScatterAngleMrad(path), kSmallestCommonVolumeAngleMrad) / 1000;
    const double beta = d / (2 * path.radiusKm) + path.rxHorizonMrad / 1000 + (path.rxHeightKm - path.txHeightKm) / d;
    const double ratio = d * std::sin(beta) / std::sin(theta);
    return path.txHeightKm + ratio * (0.5 * ratio / path.radiusKm + std::sin(path.txHorizonMrad / 1000));
}

double ScatterScale(const TroposcatterPath& path) {
    return 0.035 * path.surfaceRefractivity * std::exp(-CommonVolumeHeightKm(path) / kScaleHeightKm);
}

double Deviation(double scale, double percent) {
    if (percent <= 50) return scale * std::pow(-std::log10(percent / 50), 0.67);
    return -scale * std::pow(-std::log10((100 - percent) / 50), 0.67);
}

double LossNotExceeded(const TroposcatterPath& path, double percent) {
    const double f = 0.18 * path.surfaceRefractivity * std::exp(-path.surfaceHeightKm / kScaleHeightKm) -
                     0.23 * path.refractivityLapse;
    const double theta = ScatterAngleMrad(path);
    return f + 22 * std::log10(path.frequencyMHz) + 17.5 * std::log10(theta * theta + 7 * theta + 4) +
           17 * std::log10(path.distanceKm) + CouplingLoss(path.txGainDb, path.rxGainDb) -
           Deviation(ScatterScale(path), percent);
}

}  // namespace vakrel::p617
