// ITU-R P.841-6 §2 (eqs 1-2, global Q1 and β) in both directions.
#include "p530_time_bases.h"

#include <algorithm>
#include <cmath>

namespace vakrel::p841 {

namespace {

constexpr double kQ1 = 2.85;
constexpr double kBeta = 0.13;
constexpr double kLargestRatio = 12;  // a worst month holds at most the whole year's time

// The ranges of eq 2 in p: below `lowest` Q = 12, up to 3 % Q1 p^-β, up to 30 % Q flat, then
// Q = flat (p/30)^tailExponent, which is 1 at 100 %.
struct Law {
    double lowest = std::pow(kQ1 / kLargestRatio, 1 / kBeta);
    double flat = kQ1 * std::pow(3.0, -kBeta);
    double tailExponent = std::log10(flat) / std::log10(0.3);
};

// Q(p), the ratio of the worst month to the year, P.841-6 eq 2.
double Ratio(double p) {
    const Law law;
    if (p < law.lowest) return kLargestRatio;
    if (p < 3) return kQ1 * std::pow(p, -kBeta);
    if (p < 30) return law.flat;
    return law.flat * std::pow(p / 30, law.tailExponent);
}

}  // namespace

double WorstMonthPercent(double averageYearPct) {
    if (averageYearPct <= 0) return 0;
    return std::min(100.0, Ratio(averageYearPct) * averageYearPct);
}

double AverageYearPercent(double worstMonthPct) {
    if (worstMonthPct <= 0) return 0;
    if (worstMonthPct >= 100) return 100;
    const Law law;
    const double pw = worstMonthPct;
    // The range of p is found from pw at its ends: pw = Q(p) p grows with p.
    if (pw < kLargestRatio * law.lowest) return pw / kLargestRatio;
    if (pw < kQ1 * std::pow(3.0, 1 - kBeta)) return std::pow(pw / kQ1, 1 / (1 - kBeta));
    if (pw < law.flat * 30) return pw / law.flat;
    // pw = flat 30^-e p^(1+e)
    return std::pow(pw / (law.flat * std::pow(30.0, -law.tailExponent)), 1 / (1 + law.tailExponent));
}

}  // namespace vakrel::p841
