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

// The diversity branches whose improvement a line-of-sight hop counts: P.530 gives the two-branch
// space diversity (P.530-17 §6.2.1) and no method for more branches that the files could feed
// (three antennas: heights and spacing only, §2.2.2.2 and §6.2.1; four receivers of space and
// frequency diversity, P.530-19 §6.2.5.5: the frequency separation and the equipment signatures).
inline constexpr int kLineOfSightDiversityCounted = 2;

// Fills hop.reliability from hop.marginDb and the rest of `hop`.
void ComputeReliability(const TerrainProfile& profile, HopResult& hop);

}  // namespace vakrel
