// ITU-R P.530-17 §6.2.1, eq 100 (space diversity, narrow-band).
#include "p530_diversity.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p530 {

double SpaceDiversityImprovement(const SpaceDiversity& link, double fadeDepthDb) {
    const double decorrelation =
        1 - std::exp(-3.34e-4 * std::pow(link.separationM, 0.87) * std::pow(link.frequencyGHz, -0.12) *
                     std::pow(link.distanceKm, 0.48) * std::pow(link.occurrencePct, -1.04));
    return std::max(1.0, decorrelation * std::pow(10.0, (fadeDepthDb - link.gainDifferenceDb) / 10));
}

}  // namespace vakrel::p530
