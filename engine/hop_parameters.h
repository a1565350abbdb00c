#pragma once
// What the station characteristics and the propagation conditions mean to the models: every
// code of the conditions file turned into the model input its label names.

#include <array>
#include <complex>
#include <optional>

#include "p526_diffraction.h"
#include "p527_ground.h"
#include "reflection.h"

namespace vakrel {

// Propagation type, conditions parameter 1.
enum class Propagation {
    Automatic = 0,  // line of sight when p(g) >= 0, else diffraction and troposcatter
    LineOfSight = 1,
    LineOfSightReflected = 2,
    Diffraction = 3,
    Troposcatter = 4,
    DiffractionAndScatter = 5,
};

struct StationParameters {
    double txPowerDbw;
    double txGainDb;
    double txFeederLossDb;
    double txAntennaHeightM;
    double sensitivityDbw;
    double rxGainDb;
    double rxFeederLossDb;
    double rxAntennaHeightM;
    double frequencyMHz;
    double requiredReliabilityPct;
    double precedingReliabilityPct;  // 100 when no preceding hop is given
    bool digital;
    int diversityOrder;  // 1-8
};

struct ConditionParameters {
    Propagation propagation;
    p526::Ground diffractionGround;         // parameter 2: the surface under the whole path
    std::optional<double> fixedReflection;  // parameter 2 = 0.xx: |Gamma| given directly
    Roughness roughness;                    // parameters 5, 10, 11
    p527::Electrical reflectingSurface;     // parameters 6, 12, 13
    double dN1;                             // parameter 7, N-units/km
    double surfaceRefractivity;             // parameter 8, N0
    double refractivityLapse;               // ΔN of the radius used, N-units/km (k = 157/(157 - ΔN))
    double meanRainRateMmH;                 // parameter 14
    double rainProbabilityPct;              // parameter 15
};

StationParameters InterpretStation(const std::array<double, 15>& values);

// ΔN (N-units/km) of an earth of `radiusKm`: k = radius / 6370 and k = 157 / (157 - ΔN), so that
// every radius the rule can give, the 8500 km of a zero gradient included, has its own ΔN.
double RefractivityLapseOf(double radiusKm);

// `radiusKm` is the effective radius the hop is computed on.
ConditionParameters InterpretConditions(const std::array<double, 16>& values, double radiusKm, double frequencyGHz);

// The reflection coefficient of the reflecting plane at grazing angle psi (horizontal
// polarisation), or the fixed modulus of parameter 2 with the phase of a perfect reflector.
std::complex<double> ReflectionCoefficient(const ConditionParameters& conditions, double frequencyGHz,
                                           double grazingRad);

}  // namespace vakrel
