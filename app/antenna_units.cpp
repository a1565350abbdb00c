#include "antenna_units.h"

#include <climits>
#include <cmath>

namespace vakrel {

int PositionOf(double quantity, int unitsPerQuantity) {
    const long double product = static_cast<long double>(quantity) * unitsPerQuantity;
    if (!(product == product)) return 0;
    if (product >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (product <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(product);
}

double HeightOf(int position) { return static_cast<double>(position * 0.1L); }

double DistanceOf(int position) { return static_cast<double>(position * 0.01L); }

double RoundedDistance(double from, double to) {
    const long double hundredths = (static_cast<long double>(to) - from) * 100.0L;
    return static_cast<double>(std::nearbyint(hundredths) / 100.0L);  // the default rounding: halves to even
}

}  // namespace vakrel
