// ITU-R P.617-5 §3, eqs 1-8: the meteorological factor F, the scatter angle, the coupling loss
// and the long-term variation Y(p).
#include "p617_troposcatter.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p617 {

namespace {

constexpr double kScaleHeightKm = 7.35;  // h_b

// The smallest scatter angle the loss law is evaluated at: a path still within the horizon gets
// the loss of a barely trans-horizon one.
constexpr double kSmallestAngleMrad = 1.0;

}  // namespace

double ScatterAngleMrad(const TroposcatterPath& path) {
    const double theta = 1000 * path.distanceKm / path.radiusKm + path.txHorizonMrad + path.rxHorizonMrad;
    return std::max(theta, kSmallestAngleMrad);
}

double CouplingLoss(double txGainDb, double rxGainDb) { return 0.07 * std::exp(0.055 * (txGainDb + rxGainDb)); }

double CommonVolumeHeightKm(const TroposcatterPath& path) {
    const double d = path.distanceKm;
    const double theta = ScatterAngleMrad(path) / 1000;
    const double beta = d / (2 * path.radiusKm) + path.rxHorizonMrad / 1000 +
                        (path.rxHeightKm - path.txHeightKm) / d;
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
    return f + 22 * std::log10(path.frequencyMHz) + 35 * std::log10(ScatterAngleMrad(path)) +
           17 * std::log10(path.distanceKm) + CouplingLoss(path.txGainDb, path.rxGainDb) -
           Deviation(ScatterScale(path), percent);
}

}  // namespace vakrel::p617
