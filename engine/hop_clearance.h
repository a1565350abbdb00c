#pragma once
// The clearance of the hop at minimum k (ITU-R P.530-19 §2.2.2.1): the path on the earth of k_e,
// its diffraction loss there, whether the antenna heights meet the clearance criterion, the
// smallest common rise of both antennas that meets it, and the fade margin at k_e.

#include "hop_calculation.h"
#include "terrain_profile.h"

namespace vakrel {

// Fills hop.minimumK from the median results already in `hop` (geometry, losses, margin).
void ComputeClearanceAtMinimumK(const TerrainProfile& profile, HopResult& hop);

// The criterion of P.530-19 §2.2.2.1 (code 221) for the path whose geometry is `median` on the
// median earth and `m.geometry` on the earth of k_e (`m.radiusKm`): fills the case, the clearances
// asked and found, and `m.met`. The same judgement serves the hop and every trial of the height search.
void JudgeClearance(const TerrainProfile& profile, const HopGeometry& median, double wavelengthM, MinimumKResult& m);

// The smallest common rise of both antenna tops, rounded up to 0.1 m, for which every point of
// the path keeps `medianFraction` of its first Fresnel radius on the earth of `medianRadiusKm`
// and `minimumFraction` on the earth of `minimumRadiusKm`; 0 when the path keeps both already.
// The clearance of every point grows by exactly the rise, so one pass over the profile finds it.
double SmallestCommonRiseM(const TerrainProfile& profile, const HopGeometry& geometry, double wavelengthM,
                           double medianRadiusKm, double medianFraction, double minimumRadiusKm,
                           double minimumFraction);

// Whether the obstruction on the earth of `geometry` is extended along the path: the points whose
// clearance lies within 0.3 F1 of the critical one's run over more than a tenth of the path, or
// another obstacle comes as near. Otherwise it is a single isolated obstacle.
bool IsExtendedObstruction(const TerrainProfile& profile, const HopGeometry& geometry, double radiusKm,
                           double wavelengthM);

}  // namespace vakrel
