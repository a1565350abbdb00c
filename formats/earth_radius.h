#pragma once
// The effective earth radius from the refraction data, shared by the windowed program and
// the calculation engine so that both see the same earth.

#include <array>

namespace vakrel {

inline constexpr double kEarthRadiusKm = 6370.0;

// Refraction data as the conditions file gives it.
struct Refraction {
    int month = 0;           // 1-12; anything else is undetermined
    int region = 0;          // 1-21 typical; anything else non-typical
    double gradient = 0;     // -dN/dh in N-units per metre (0.04 = 40 N/km)
    double coefficient = 0;  // refraction coefficient k; 0 or below: not given
};

// The refraction data of the 16 conditions parameters: 3 month and 4 region (truncated toward
// zero), 9 gradient and 16 refraction coefficient. The windowed program and the engine both read
// the conditions through this, so that the same file gives both the same earth.
Refraction RefractionFromConditions(const std::array<double, 16>& params);

// The table gradient of a typical region (1-21) and month (1-12).
double RefractionTable(int region, int month);

// Derives the effective radius in km. For a typical region it takes the gradient from the
// table (for an undetermined month, the month with the smallest gradient), and writes the
// month and gradient it used back into `refraction`. The arithmetic is extended precision.
// The result may be unusable (see IsUsableRadius) for gradients from about 0.157 up.
double DeriveEarthRadius(Refraction& refraction);

// A radius the geometry can work with: finite and above zero.
bool IsUsableRadius(double radiusKm);

// A conditions value taken as an integer: truncated toward zero; values beyond the 32-bit
// range (or NaN) count as 0, which is undetermined for both month and region.
int TruncateToInt(double value);

}  // namespace vakrel
