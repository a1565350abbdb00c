// Outage = average over the slow-fading distribution of the n-branch Rayleigh outage:
//   P = (1/100) ∫0^100 (1 - exp(-10^(-(M + Y(q))/10)))^n dq, in %,
// with Y(q) = s t^0.67 for q = 50·10^-t below the median and -s t^0.67 for 100 - q = 50·10^-t above.
#include "troposcatter_fading.h"

#include <cmath>
#include <numbers>

namespace vakrel {

namespace {

// Probability that all `branches` Rayleigh branches fade below a threshold `marginDb` under
// their local mean.
double RayleighOutage(double marginDb, int branches) {
    const double single = -std::expm1(-std::pow(10.0, -marginDb / 10));
    return std::pow(single, branches);
}

}  // namespace

double TroposcatterOutage(double marginDb, double scatterScaleDb, int branches) {
    // Simpson's rule over t in [0, 12]: the tails beyond carry less than 1e-10 of the time.
    constexpr int kSteps = 600;
    constexpr double kEnd = 12;
    const double h = kEnd / kSteps;
    double sum = 0;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = i * h;
        const double deviation = scatterScaleDb * std::pow(t, 0.67);
        const double weight = std::pow(10.0, -t);  // dq / dt up to the factor 50 ln 10
        const double value =
            weight * (RayleighOutage(marginDb + deviation, branches) + RayleighOutage(marginDb - deviation, branches));
        sum += value * (i == 0 || i == kSteps ? 1 : (i % 2 ? 4 : 2));
    }
    const double integral = sum * h / 3 * 50 * std::numbers::ln10;  // ∫ over q of the outage fraction
    return integral;                                                // (1/100) * integral * 100 %
}

}  // namespace vakrel
