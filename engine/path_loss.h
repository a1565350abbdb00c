#pragma once
// The median path loss of the hop for the propagation type in use.

#include "hop_calculation.h"
#include "p617_troposcatter.h"
#include "terrain_profile.h"

namespace vakrel {

// The propagation type the loss follows: the conditions' own, or for Automatic line of sight
// when p(g) >= 0 and diffraction with troposcatter otherwise.
Propagation ChoosePropagation(Propagation requested, const HopGeometry& geometry);

// The reflected ray of an open path over the least-squares reflecting plane; nothing for a
// path that is not open or has no reflection point.
std::optional<ReflectionResult> ReflectedRay(const TerrainProfile& profile, const HopResult& hop);

// The hop as a troposcatter path of P.617-6 §4.1; the earth's surface height is the mean of the ground
// under the two antennas.
p617::TroposcatterPath ScatterPathOf(const TerrainProfile& profile, const HopResult& hop);

// The median loss of the path from its parts for propagation `type`, with `diffractionDb` taken as
// the diffraction loss (the median one, or the one at minimum k), gases included.
double TotalLossDb(const LossResult& parts, double diffractionDb, Propagation type);

// Fills hop.loss (and hop.bullingtonPoint) for hop.propagationUsed.
void ComputeLosses(const TerrainProfile& profile, HopResult& hop);

}  // namespace vakrel
