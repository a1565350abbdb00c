#pragma once
// The whole calculation of one hop: geometry, losses, budget, fading and reliability.

#include <optional>

#include "hop_geometry.h"
#include "hop_inputs.h"
#include "hop_parameters.h"

namespace vakrel {

struct ReflectionResult {
    double pointKm;          // from antenna 1
    double belowLosM;        // the reflecting surface below the line of sight
    double grazingMrad;
    double divergence;
    double coefficient;      // |Gamma| of the smooth surface
    double roughnessFactor;
    double pathDifferenceM;
    double interferenceDb;   // 20 log |1 + Gamma D rho e^-j...|
};

// A point of a result list: distance from antenna 1 and its offset from the line of sight (m;
// below the line for lists A and B, above it for list C).
struct HopPoint {
    double distanceKm;
    double offsetM;
};

struct LossResult {
    double freeSpaceDb = 0;
    double gasDb = 0;
    double diffractionDb = 0;       // delta-Bullington at median k, every path
    double troposcatterDb = 0;      // with coupling loss; 0 when not used
    double couplingDb = 0;
    double scatterAngleMrad = 0;
    double interferenceDb = 0;      // counted only for line of sight with reflection
    double totalDb = 0;
    bool scatterDominates = false;  // the troposcatter power is the larger part of the signal
};

struct ReliabilityResult {
    double geoclimaticFactor = 0;   // K of P.530 (line of sight and diffraction)
    double roughnessM = 0;          // s_a
    double occurrencePct = 0;       // p0
    double multipathPct = 0;        // worst month, without diversity
    double rainRateMmH = 0;         // R_0.01
    double rainSpecificDbKm = 0;
    double rainAttenuationDb = 0;   // A_0.01
    double rainPct = 0;
    double diversityGain = 1;       // improvement factor
    double totalPct = 0;
    double reliabilityPct = 0;
    double chainPct = 0;            // this and the preceding hops
    bool met = false;
};

struct HopResult {
    StationParameters station;
    ConditionParameters conditions;
    double frequencyMHz = 0;
    double wavelengthM = 0;
    double radiusKm = 0;
    double kFactor = 0;
    HopGeometry geometry;
    Propagation propagationUsed = Propagation::LineOfSight;
    std::optional<ReflectionResult> reflection;
    std::optional<HopPoint> bullingtonPoint;
    LossResult loss;
    double receivedDbw = 0;
    double marginDb = 0;
    ReliabilityResult reliability;
};

HopResult CalculateHop(const HopInputs& inputs);

}  // namespace vakrel
