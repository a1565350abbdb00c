#pragma once
// Spin-control positions and the quantities they stand for: one position unit is 0.1 m of
// antenna height or 0.01 km of antenna distance. Products are formed in extended precision.

namespace vakrel {

inline constexpr int kHeightUnitsPerMetre = 10;
inline constexpr int kDistanceUnitsPerKm = 100;

// quantity × units, truncated toward zero (not rounded: a stored 3.3 m is position 32); held
// within the 32-bit range, NaN as 0.
int PositionOf(double quantity, int unitsPerQuantity);

// position × 0.1 (m) and position × 0.01 (km).
double HeightOf(int position);
double DistanceOf(int position);

// The distance between the antennas as shown after a position click: (to − from) × 100
// rounded to the nearest integer, halves to even, divided by 100; km.
double RoundedDistance(double from, double to);

}  // namespace vakrel
