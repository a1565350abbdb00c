#pragma once
// ITU-R P.530-19 §2.2.2.1: the clearance a line-of-sight path must keep when the atmosphere
// bends the ray upwards (sub-refraction). Step 2 gives k_e, the effective earth-radius factor
// exceeded for about 99.9 % of the worst month (continental temperate climate), by eq (4) from the
// path length; step 3 asks for a Fresnel-zone clearance at k_e that depends on the kind of
// obstruction; step 1 asks for 1.0 F1 at the median k.

namespace vakrel::p530 {

// k_e = 157 / (144 + 2670 / d), eq (4), for a path of `pathKm` (> 0); Figure 2 is its plot, and the
// text sets no range of d.
double MinimumKFactor(double pathKm);

// The obstruction cases of step 3 in the temperate climate of eq (4).
enum class ClearanceCase { SingleIsolatedObstacle, ExtendedObstruction };

// Step 3, temperate climate: an obstruction extended along a part of the path, 0.3 F1; a single
// isolated obstacle, 0.0 F1 (grazing).
ClearanceCase ChooseClearanceCase(bool extendedObstruction);

// The smallest clearance at k_e for `c`, as a fraction of the first Fresnel radius.
double ClearanceAtMinimumK(ClearanceCase c);

// Step 1: the smallest clearance at the median k, as a fraction of the first Fresnel radius.
inline constexpr double kClearanceAtMedianK = 1.0;

}  // namespace vakrel::p530
