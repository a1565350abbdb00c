#pragma once
// The whole calculation of one hop: geometry, losses, budget, fading and reliability.

#include <optional>

#include "hop_geometry.h"
#include "hop_inputs.h"
#include "hop_parameters.h"
#include "p530_clearance.h"
#include "terrain_profile.h"

namespace vakrel {

struct ReflectionResult {
    double pointKm;    // from antenna 1
    double belowLosM;  // the reflecting surface below the line of sight
    double grazingMrad;
    double divergence;
    double coefficient;  // |Gamma| of the smooth surface
    double roughnessFactor;
    double pathDifferenceM;
    double interferenceDb;  // 20 log |1 + Gamma D rho e^-j...|
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
    double diffractionDb = 0;   // delta-Bullington at median k, every path
    double troposcatterDb = 0;  // with coupling loss; 0 when not used
    double couplingDb = 0;
    double scatterAngleMrad = 0;
    double interferenceDb = 0;  // counted only for line of sight with reflection
    double totalDb = 0;
    bool scatterDominates = false;  // the troposcatter power is the larger part of the signal
};

// The path at minimum k (P.530-19 §2.2.2.1) and the clearance criterion.
struct MinimumKResult {
    double formulaKFactor = 0;        // k_e of P.530-19 eq (4) for the path length
    bool medianBelowFormula = false;  // the median k is already below it and is taken instead
    double kFactor = 0;               // the k used (code 216)
    double radiusKm = 0;              // its earth (code 217)
    HopGeometry geometry;             // the critical point searched again on that earth
    double diffractionDb = 0;         // delta-Bullington on that earth
    p530::ClearanceCase clearanceCase = p530::ClearanceCase::ExtendedObstruction;
    double requiredFraction = 0;  // clearance asked at k_e, in first Fresnel radii
    double medianInF1 = 0;        // smallest clearance at median k, in first Fresnel radii
    double minimumInF1 = 0;       // smallest clearance at k_e, in first Fresnel radii
    bool met = false;
    double raiseM = 0;    // smallest common rise of both antennas that meets it
    double marginDb = 0;  // flat fade margin with the diffraction loss at k_e
};

struct ReliabilityResult {
    double geoclimaticFactor = 0;  // K of P.530 (line of sight and diffraction)
    double roughnessM = 0;         // s_a
    double occurrencePct = 0;      // p0
    double multipathPct = 0;       // worst month, without diversity
    double multipathYearPct = 0;   // average year, without diversity
    double rainRateMmH = 0;        // R_0.01
    double rainSpecificDbKm = 0;
    double rainAttenuationDb = 0;  // A_0.01
    double rainPct = 0;            // average year
    double rainWorstMonthPct = 0;  // P.841
    double diversityGain = 1;      // improvement factor
    double worstMonthPct = 0;      // multipath with diversity + rain, worst month
    double yearPct = 0;            // multipath with diversity + rain, average year
    double worstMonthOutageS = 0;  // of a 30-day month
    double yearOutageMin = 0;      // of a 365.25-day year
    double unavailabilityPct = 0;  // rain, average year: counts against availability
    double performancePct = 0;     // multipath with diversity, worst month: counts against error performance
    double totalPct = 0;           // the average year
    double reliabilityPct = 0;     // 100 - totalPct
    double chainPct = 0;           // this and the preceding hops
    bool met = false;              // chainPct against the required reliability
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
    MinimumKResult minimumK;
    ReliabilityResult reliability;
    std::vector<std::string> warnings;  // "Внимание: …", the inputs' and the models'
};

HopResult CalculateHop(const HopInputs& inputs);

// The hop `hop` of `profile` computed again with the antennas `txHeightM` and `rxHeightM` above the
// ground, its interpreted station, conditions and earth kept; without the warnings, which belong to
// the inputs as given.
HopResult CalculateHopAtHeights(const TerrainProfile& profile, const HopResult& hop, double txHeightM,
                                double rxHeightM);

}  // namespace vakrel
