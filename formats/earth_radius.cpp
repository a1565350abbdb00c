#include "earth_radius.h"

#include <cmath>
#include <limits>

#include "conditions_file.h"

namespace vakrel {

namespace {

constexpr int kRegions = 21;
constexpr int kMonths = 12;

// Refraction gradient (-dN/dh, N-units per metre) by typical region (rows) and month (columns).
constexpr double kRefractionTable[kRegions][kMonths] = {
    {0.036, 0.036, 0.036, 0.036, 0.039, 0.042, 0.044, 0.044, 0.036, 0.039, 0.042, 0.036},
    {0.036, 0.036, 0.036, 0.036, 0.036, 0.042, 0.042, 0.042, 0.042, 0.036, 0.036, 0.036},
    {0.042, 0.042, 0.042, 0.042, 0.040, 0.041, 0.041, 0.041, 0.040, 0.040, 0.040, 0.040},
    {0.041, 0.041, 0.041, 0.041, 0.041, 0.040, 0.039, 0.039, 0.040, 0.041, 0.041, 0.041},
    {0.040, 0.040, 0.040, 0.040, 0.040, 0.040, 0.040, 0.040, 0.040, 0.040, 0.040, 0.040},
    {0.039, 0.039, 0.039, 0.040, 0.042, 0.043, 0.045, 0.045, 0.043, 0.042, 0.040, 0.039},
    {0.041, 0.041, 0.041, 0.036, 0.036, 0.041, 0.041, 0.041, 0.036, 0.036, 0.041, 0.041},
    {0.037, 0.037, 0.037, 0.037, 0.038, 0.038, 0.038, 0.038, 0.037, 0.037, 0.037, 0.037},
    {0.038, 0.038, 0.035, 0.032, 0.032, 0.038, 0.041, 0.041, 0.038, 0.035, 0.035, 0.038},
    {0.052, 0.045, 0.040, 0.034, 0.034, 0.040, 0.045, 0.045, 0.040, 0.040, 0.040, 0.045},
    {0.043, 0.043, 0.041, 0.037, 0.037, 0.047, 0.044, 0.044, 0.041, 0.041, 0.041, 0.043},
    {0.044, 0.044, 0.041, 0.038, 0.038, 0.044, 0.046, 0.046, 0.041, 0.041, 0.041, 0.044},
    {0.043, 0.040, 0.036, 0.036, 0.036, 0.043, 0.047, 0.047, 0.043, 0.036, 0.036, 0.040},
    {0.038, 0.038, 0.038, 0.038, 0.039, 0.039, 0.042, 0.042, 0.042, 0.039, 0.038, 0.038},
    {0.038, 0.038, 0.038, 0.038, 0.038, 0.038, 0.042, 0.042, 0.038, 0.038, 0.038, 0.038},
    {0.047, 0.047, 0.047, 0.041, 0.041, 0.041, 0.045, 0.045, 0.041, 0.041, 0.045, 0.047},
    {0.036, 0.036, 0.036, 0.036, 0.040, 0.043, 0.046, 0.046, 0.043, 0.040, 0.040, 0.036},
    {0.038, 0.038, 0.038, 0.038, 0.040, 0.038, 0.038, 0.038, 0.038, 0.040, 0.038, 0.038},
    {0.036, 0.036, 0.036, 0.034, 0.034, 0.036, 0.036, 0.036, 0.036, 0.036, 0.036, 0.036},
    {0.038, 0.038, 0.038, 0.032, 0.032, 0.034, 0.042, 0.042, 0.034, 0.034, 0.034, 0.038},
    {0.041, 0.041, 0.041, 0.041, 0.041, 0.037, 0.037, 0.037, 0.037, 0.041, 0.041, 0.041},
};

bool IsTypicalRegion(int region) { return region >= 1 && region <= kRegions; }
bool IsDeterminedMonth(int month) { return month >= 1 && month <= kMonths; }

// 6370 / (1 + (-2 * gradient) * 0.001 * 3185), in extended precision, left to right.
double RadiusFromGradient(double gradient) {
    long double denominator = 1.0L + (-2.0L * static_cast<long double>(gradient)) * 0.001L * 3185.0L;
    return static_cast<double>(static_cast<long double>(kEarthRadiusKm) / denominator);
}

}  // namespace

Refraction RefractionFromConditions(const std::array<double, 16>& params) {
    Refraction r;
    r.month = TruncateToInt(params[kMonthParam - 1]);
    r.region = TruncateToInt(params[kRegionParam - 1]);
    r.gradient = params[kGradientParam - 1];
    r.coefficient = params[kCoefficientParam - 1];
    return r;
}

double RefractionTable(int region, int month) { return kRefractionTable[region - 1][month - 1]; }

double DeriveEarthRadius(Refraction& r) {
    if (IsTypicalRegion(r.region)) {
        if (IsDeterminedMonth(r.month)) {
            r.gradient = RefractionTable(r.region, r.month);
        } else {
            // The month with the smallest gradient of the region; the earliest of equals.
            r.month = 1;
            r.gradient = RefractionTable(r.region, 1);
            for (int m = 2; m <= kMonths; ++m) {
                if (RefractionTable(r.region, m) < r.gradient) {
                    r.gradient = RefractionTable(r.region, m);
                    r.month = m;
                }
            }
        }
        return RadiusFromGradient(r.gradient);
    }
    if (r.coefficient > 0)
        return static_cast<double>(static_cast<long double>(r.coefficient) * static_cast<long double>(kEarthRadiusKm));
    if (r.gradient == 0) return 8500.0;
    return RadiusFromGradient(r.gradient);
}

bool IsUsableRadius(double radiusKm) { return std::isfinite(radiusKm) && radiusKm > 0; }

int TruncateToInt(double value) {
    if (!(std::fabs(value) < 2147483648.0)) return 0;
    return static_cast<int>(value);
}

}  // namespace vakrel
