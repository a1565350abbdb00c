// ITU-R P.525-4 §2.2, eq 4: Lbf = 20 log(4 pi d / lambda).
#include "p525_free_space.h"

#include <cmath>
#include <numbers>

namespace vakrel {

double WavelengthM(double frequencyMHz) { return kSpeedOfLight / (frequencyMHz * 1e6); }

double FreeSpaceLoss(double distanceKm, double frequencyMHz) {
    return 20 * std::log10(4 * std::numbers::pi * distanceKm * 1000 / WavelengthM(frequencyMHz));
}

}  // namespace vakrel
