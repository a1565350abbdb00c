#pragma once
// ITU-R validation examples built into the engine: the reference figures its models must meet.

#include <array>
#include <string>
#include <vector>

namespace vakrel::validation {

struct P838Case {
    double frequencyGHz, elevationDeg, tiltDeg, rainRateMmH;
    double kH, kV, alphaH, alphaV, k, alpha, gammaR;
};
extern const std::vector<P838Case> kP838Cases;

struct P676Case {
    double frequencyGHz, gammaOxygen, gammaWaterVapour;
};
extern const std::vector<P676Case> kP676Cases;

struct P837Site {
    std::string name;  // latitude, longitude
    std::array<double, 12> monthlyRainMm;
    std::array<double, 12> monthlyTemperatureC;
    std::vector<std::array<double, 2>> rates;  // {p %, R_p mm/h}
};
extern const std::vector<P837Site> kP837Sites;

struct DeltaBullingtonCase {
    double txAboveGroundM, rxAboveGroundM, frequencyMHz;
    double lbulla, lbulls, ldsph, ld;
};
extern const std::vector<double> kPath3HeightsM;
extern const double kPath3LastDistanceKm;
extern const std::vector<DeltaBullingtonCase> kPath3Cases;

struct FlatEarthCase {
    double frequencyGHz, ldsph, ld;
};
extern const std::vector<FlatEarthCase> kFlat100Cases;

// Worked values of the models that ITU-R gives no validation data for, each evaluated by hand from
// the Recommendation's text (noted per table in itu_validation_tables.cpp).
struct KFactorCase {
    double pathKm, kFactor;
};
extern const std::vector<KFactorCase> kP530KeCases;

struct TimeBaseCase {
    double yearPct, worstMonthPct;
};
extern const std::vector<TimeBaseCase> kP841Cases;         // the worst month of a year
extern const std::vector<TimeBaseCase> kP841InverseCases;  // the year of a worst month (P.530-19 §2.3.4)

}  // namespace vakrel::validation
