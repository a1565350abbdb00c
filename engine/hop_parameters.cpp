#include "hop_parameters.h"

#include <algorithm>
#include <cmath>

#include "earth_radius.h"
#include "station_file.h"

namespace vakrel {

namespace {

constexpr int kLargestDiversityOrder = 8;
constexpr double kSurfaceRefractivityDefault = 315.0;  // ITU-R P.453 world mean N0

// Parameter 2, underlying surface of the whole path, as ground constants of the smooth-earth
// diffraction term (P.527-6 at the working frequency): 1 dry ground, 2 wet ground or flood plain,
// 3 fresh water. Anything else (0 with a fraction among it) counts as dry ground.
p526::Ground UnderlyingSurface(int code, double frequencyGHz) {
    p527::Surface surface = p527::Surface::MediumDryGround;
    if (code == 2) surface = p527::Surface::WetGround;
    if (code == 3) surface = p527::Surface::FreshWater;
    const p527::Electrical e = p527::Properties(surface, frequencyGHz);
    return {e.permittivity, e.conductivitySm};
}

// Parameter 5, roughness of the reflecting plane: 1 smooth (calm water, ice, flat sand),
// 2 moderately rough (fields, steppe, small waves), 3 rough (bush, broken ground, rough sea).
// Code 0 takes parameters 10 and 11.
Roughness ReflectingRoughness(int code, double deviationM, double correlationM) {
    switch (code) {
        case 1: return {0.1, 100.0};
        case 2: return {1.0, 20.0};
        case 3: return {3.0, 10.0};
        default: return {std::max(deviationM, 0.0), std::max(correlationM, 0.0)};
    }
}

// Parameter 6, surface of the reflecting plane: 1 sea water, 2 fresh water, 3 wet ground,
// 4 dry ground; code 0 takes the permittivity (12) and conductivity in mS/m (13).
p527::Electrical ReflectingSurface(int code, double permittivity, double conductivityMsm, double frequencyGHz) {
    switch (code) {
        case 1: return p527::Properties(p527::Surface::SeaWater, frequencyGHz);
        case 2: return p527::Properties(p527::Surface::FreshWater, frequencyGHz);
        case 3: return p527::Properties(p527::Surface::WetGround, frequencyGHz);
        case 4: return p527::Properties(p527::Surface::MediumDryGround, frequencyGHz);
        default: return {permittivity > 1 ? permittivity : 1.0, std::max(conductivityMsm, 0.0) / 1000};
    }
}

}  // namespace

StationParameters InterpretStation(const std::array<double, 15>& v) {
    StationParameters s;
    s.txPowerDbw = v[0];
    s.txGainDb = v[1];
    s.txFeederLossDb = v[3];
    s.txAntennaHeightM = v[kAntenna1HeightParam - 1];
    s.sensitivityDbw = v[5];
    s.rxGainDb = v[6];
    s.rxFeederLossDb = v[8];
    s.rxAntennaHeightM = v[kAntenna2HeightParam - 1];
    s.frequencyMHz = v[kFrequencyParam - 1];
    s.requiredReliabilityPct = v[11];
    s.precedingReliabilityPct = v[12] > 0 && v[12] <= 100 ? v[12] : 100;
    s.digital = TruncateToInt(v[13]) == 1;
    s.diversityOrder = std::clamp(TruncateToInt(v[14]), 1, kLargestDiversityOrder);
    return s;
}

double RefractivityLapseOf(double radiusKm) { return 157 * (1 - kEarthRadiusKm / radiusKm); }

ConditionParameters InterpretConditions(const std::array<double, 16>& v, double radiusKm, double frequencyGHz) {
    ConditionParameters c;
    const int type = TruncateToInt(v[0]);
    c.propagation = type >= 1 && type <= 5 ? static_cast<Propagation>(type) : Propagation::Automatic;
    const int surface = TruncateToInt(v[1]);
    c.diffractionGround = UnderlyingSurface(surface, frequencyGHz);
    const double fraction = v[1] - surface;
    if (surface == 0 && fraction > 0) c.fixedReflection = fraction;
    c.roughness = ReflectingRoughness(TruncateToInt(v[4]), v[9], v[10]);
    c.reflectingSurface = ReflectingSurface(TruncateToInt(v[5]), v[11], v[12], frequencyGHz);
    c.dN1 = v[6];
    c.surfaceRefractivity = v[7] > 0 ? v[7] : kSurfaceRefractivityDefault;
    c.refractivityLapse = RefractivityLapseOf(radiusKm);
    c.meanRainRateMmH = std::max(v[13], 0.0);
    c.rainProbabilityPct = std::clamp(v[14], 0.0, 100.0);
    return c;
}

std::complex<double> ReflectionCoefficient(const ConditionParameters& conditions, double frequencyGHz,
                                           double grazingRad) {
    if (conditions.fixedReflection) return -*conditions.fixedReflection;
    return p527::ReflectionHorizontal(p527::ComplexPermittivity(conditions.reflectingSurface, frequencyGHz),
                                      grazingRad);
}

}  // namespace vakrel
