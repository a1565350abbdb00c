#include "itu_validation.h"

#include <cmath>
#include <string>

#include "itu_validation_tables.h"
#include "p526_diffraction.h"
#include "p530_clearance.h"
#include "p530_time_bases.h"
#include "p676_gas.h"
#include "p837_rain_rate.h"
#include "p838_rain.h"
#include "terrain_profile.h"

namespace vakrel::validation {

namespace {

constexpr double kLossToleranceDb = 0.1;
constexpr double kRelativeTolerance = 0.001;

std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

void Relative(std::vector<Check>& out, std::string name, double expected, double actual) {
    out.push_back({std::move(name), expected, actual, std::fabs(expected) * kRelativeTolerance});
}

void Loss(std::vector<Check>& out, std::string name, double expected, double actual) {
    out.push_back({std::move(name), expected, actual, kLossToleranceDb});
}

void CheckP838(std::vector<Check>& out) {
    for (const P838Case& c : kP838Cases) {
        const std::string at =
            "P.838-3 f=" + Num(c.frequencyGHz) + " el=" + Num(c.elevationDeg) + " tau=" + Num(c.tiltDeg) + ": ";
        const p838::RainCoefficients h = p838::HorizontalCoefficients(c.frequencyGHz);
        const p838::RainCoefficients v = p838::VerticalCoefficients(c.frequencyGHz);
        const p838::RainCoefficients path = p838::PathCoefficients(c.frequencyGHz, c.elevationDeg, c.tiltDeg);
        Relative(out, at + "kH", c.kH, h.k);
        Relative(out, at + "kV", c.kV, v.k);
        Relative(out, at + "alphaH", c.alphaH, h.alpha);
        Relative(out, at + "alphaV", c.alphaV, v.alpha);
        Relative(out, at + "k", c.k, path.k);
        Relative(out, at + "alpha", c.alpha, path.alpha);
        Relative(out, at + "gammaR", c.gammaR, p838::SpecificAttenuation(path, c.rainRateMmH));
    }
}

void CheckP676(std::vector<Check>& out) {
    for (const P676Case& c : kP676Cases) {
        const p676::SpecificAttenuation g =
            p676::GasSpecificAttenuation(c.frequencyGHz, p676::StandardSurfaceAtmosphere());
        Relative(out, "P.676-13 f=" + Num(c.frequencyGHz) + ": gamma_o", c.gammaOxygen, g.oxygen);
        Relative(out, "P.676-13 f=" + Num(c.frequencyGHz) + ": gamma_w", c.gammaWaterVapour, g.waterVapour);
    }
}

void CheckP837(std::vector<Check>& out) {
    for (const P837Site& site : kP837Sites) {
        std::vector<p837::RainPeriod> months;
        for (int m = 0; m < 12; ++m)
            months.push_back(p837::MonthFromClimatology(m + 1, site.monthlyRainMm[m], site.monthlyTemperatureC[m]));
        for (const auto& [p, rate] : site.rates)
            Relative(out, "P.837-7 (" + site.name + ") p=" + Num(p) + ": R_p", rate, p837::RainRateExceeded(months, p));
    }
}

void CheckPath3(std::vector<Check>& out) {
    std::vector<double> distances;
    for (std::size_t i = 0; i + 1 < kPath3HeightsM.size(); ++i) distances.push_back(0.05 * static_cast<double>(i));
    distances.push_back(kPath3LastDistanceKm);
    const TerrainProfile profile{distances, kPath3HeightsM};
    for (const DeltaBullingtonCase& c : kPath3Cases) {
        const p526::DeltaBullingtonResult r = p526::DeltaBullington(
            profile, kPath3HeightsM.front() + c.txAboveGroundM, kPath3HeightsM.back() + c.rxAboveGroundM, 8500,
            c.frequencyMHz, p526::kAverageLand, p526::Polarisation::Horizontal);
        const std::string at = "P.526 delta-Bullington path 3 f=" + Num(c.frequencyMHz) + " MHz: ";
        Loss(out, at + "Lbulla", c.lbulla, r.actualProfileLoss);
        Loss(out, at + "Lbulls", c.lbulls, r.smoothProfileLoss);
        Loss(out, at + "Ldsph", c.ldsph, r.sphericalLoss);
        Loss(out, at + "Ld", c.ld, r.lossDb);
    }
}

void CheckFlatEarth(std::vector<Check>& out) {
    std::vector<double> distances, heights;
    for (int i = 0; i <= 100; ++i) {
        distances.push_back(i);
        heights.push_back(0);
    }
    const TerrainProfile profile{distances, heights};
    for (const FlatEarthCase& c : kFlat100Cases) {
        const p526::DeltaBullingtonResult r = p526::DeltaBullington(profile, 10, 10, 8735.511968, c.frequencyGHz * 1000,
                                                                    p526::kAverageLand, p526::Polarisation::Vertical);
        const std::string at = "P.526 smooth earth 100 km f=" + Num(c.frequencyGHz) + " GHz: ";
        Loss(out, at + "Ldsph", c.ldsph, r.sphericalLoss);
        Loss(out, at + "Ld", c.ld, r.lossDb);
    }
}

void CheckTimeBasesAndMinimumK(std::vector<Check>& out) {
    for (const KFactorCase& c : kP530KeCases)
        Relative(out, "P.530-19 eq (4) d=" + Num(c.pathKm) + " km: k_e", c.kFactor, p530::MinimumKFactor(c.pathKm));
    for (const TimeBaseCase& c : kP841Cases)
        Relative(out, "P.841-6 p=" + Num(c.yearPct) + ": pw", c.worstMonthPct, p841::WorstMonthPercent(c.yearPct));
    for (const TimeBaseCase& c : kP841InverseCases)
        Relative(out, "P.841-6 pw=" + Num(c.worstMonthPct) + ": p", c.yearPct,
                 p841::AverageYearPercent(c.worstMonthPct));
}

}  // namespace

std::vector<Check> RunAll() {
    std::vector<Check> out;
    CheckP838(out);
    CheckP676(out);
    CheckP837(out);
    CheckPath3(out);
    CheckFlatEarth(out);
    CheckTimeBasesAndMinimumK(out);
    return out;
}

}  // namespace vakrel::validation
