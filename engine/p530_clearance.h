#pragma once
// ITU-R P.530-17 §2.2.2.1: the clearance a line-of-sight path must keep when the atmosphere
// bends the ray upwards (sub-refraction). Step 2 takes k_e, the effective earth-radius factor
// exceeded for about 99.9 % of the worst month, from Figure 3 by path length; step 3 asks for a
// Fresnel-zone clearance at k_e that depends on the kind of obstruction and the climate; step 1
// asks for 1.0 F1 at the median k.

namespace vakrel::p530 {

// k_e exceeded for about 99.9 % of the worst month, continental temperate climate (Figure 3),
// for a path of `pathKm`; held at the figure's end values below 10 km and above 200 km.
double MinimumKFactor(double pathKm);

// The obstruction case of step 3.
enum class ClearanceCase { SingleIsolatedObstacle, ExtendedObstruction, Tropical };

// Step 3: temperate climate and an obstruction extended along a part of the path, 0.3 F1; a single
// isolated obstacle, 0.0 F1 (grazing); tropical climate on a path longer than about 30 km, 0.6 F1.
ClearanceCase ChooseClearanceCase(bool tropicalClimate, double pathKm, bool extendedObstruction);

// The smallest clearance at k_e for `c`, as a fraction of the first Fresnel radius.
double ClearanceAtMinimumK(ClearanceCase c);

// Step 1: the smallest clearance at the median k, as a fraction of the first Fresnel radius.
inline constexpr double kClearanceAtMedianK = 1.0;

}  // namespace vakrel::p530
