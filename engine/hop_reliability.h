#pragma once
// Fading, rain and the reliability of the hop against the flat fade margin.

#include "hop_calculation.h"
#include "terrain_profile.h"

namespace vakrel {

// Vertical spacing of space-diversity antennas the engine assumes: 150 wavelengths, held within
// the 3-23 m that P.530-17 §6.2.1 covers.
double DiversitySpacingM(double wavelengthM);

// Standard deviation of the profile heights, m: the terrain roughness s_a of P.530-17 eq 4,
// taken from the hop itself.
double TerrainRoughnessM(const TerrainProfile& profile);

// Fills hop.reliability from hop.marginDb and the rest of `hop`.
void ComputeReliability(const TerrainProfile& profile, HopResult& hop);

}  // namespace vakrel
