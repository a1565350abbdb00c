#pragma once
// ITU-R P.530-17 §6.2.1: improvement by space diversity on a narrow-band line-of-sight link.

namespace vakrel::p530 {

struct SpaceDiversity {
    double separationM;           // S, vertical spacing of the antennas (3-23 m)
    double frequencyGHz;          // 2-11 GHz
    double distanceKm;            // 43-240 km
    double occurrencePct;         // p0, the multipath occurrence factor, %
    double gainDifferenceDb = 0;  // V = |G1 - G2|
};

// I of eq 100 at the fade depth `fadeDepthDb` (the flat fade margin), never below 1.
double SpaceDiversityImprovement(const SpaceDiversity& link, double fadeDepthDb);

}  // namespace vakrel::p530
