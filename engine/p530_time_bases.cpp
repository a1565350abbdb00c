// ITU-R P.530-17 §2.3.4 steps 3-4 and ITU-R P.841-6 §2 (eqs 1-2, global Q1 and β).
#include "p530_time_bases.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vakrel::p530 {

namespace {

constexpr double kLargestConversionDb = 10.8;

}  // namespace

double WorstMonthToYearDb(double latitudeDeg, double pathKm, double inclinationMrad) {
    const double band = std::pow(std::fabs(std::cos(2 * latitudeDeg * std::numbers::pi / 180)), 0.7);
    const double latitudeTerm = std::fabs(latitudeDeg) <= 45 ? 1.1 + band : 1.1 - band;
    const double dg = 10.5 - 5.6 * std::log10(latitudeTerm) - 2.7 * std::log10(pathKm) +
                      1.7 * std::log10(1 + std::fabs(inclinationMrad));
    return std::clamp(dg, 0.0, kLargestConversionDb);
}

}  // namespace vakrel::p530

namespace vakrel::p841 {

namespace {

constexpr double kQ1 = 2.85;
constexpr double kBeta = 0.13;
constexpr double kLargestRatio = 12;  // a worst month holds at most the whole year's time

// Q(p), the ratio of the worst month to the year, P.841-6 eq 2.
double Ratio(double p) {
    const double flat = kQ1 * std::pow(3.0, -kBeta);
    if (p < std::pow(kQ1 / kLargestRatio, 1 / kBeta)) return kLargestRatio;
    if (p < 3) return kQ1 * std::pow(p, -kBeta);
    if (p < 30) return flat;
    return flat * std::pow(p / 30, std::log10(flat) / std::log10(0.3));
}

}  // namespace

double WorstMonthPercent(double averageYearPct) {
    if (averageYearPct <= 0) return 0;
    return std::min(100.0, Ratio(averageYearPct) * averageYearPct);
}

}  // namespace vakrel::p841
