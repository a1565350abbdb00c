#include "antenna_units.h"

#include <climits>
#include <cmath>

#include "number_format.h"

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

double RoundedDistance(double from, double to) { return RoundToHundredths(static_cast<long double>(to) - from); }

}  // namespace vakrel
