// Outage of the hop: multipath fading of the worst month (P.530-17 §2.3.1-2.3.2) or troposcatter
// fading (P.617-6 §4 with Rayleigh branches), reduced by diversity, plus the rain outage of the
// average year (P.837-7, P.838-3, P.530-19 §2.4.1); the hop fails while either one holds. Each is
// also turned to the other time base (P.530-19 §2.3.4 and §2.4.1 step 6, P.617-6 §4.2, all through
// P.841-6), and the totals are formed on each.
#include "hop_reliability.h"

#include <algorithm>
#include <cmath>

#include "p530_diversity.h"
#include "p530_multipath.h"
#include "p530_rain.h"
#include "p530_time_bases.h"
#include "p617_troposcatter.h"
#include "p837_rain_rate.h"
#include "p838_rain.h"
#include "path_loss.h"
#include "troposcatter_fading.h"

namespace vakrel {

namespace {

constexpr double kRainModelLowestGHz = 1.0;  // P.838-3 starts at 1 GHz; below, rain is ignored
constexpr double kSecondsInWorstMonth = 30 * 86400.0;
constexpr double kMinutesInYear = 365.25 * 1440.0;

void MultipathOutage(const TerrainProfile& profile, HopResult& hop) {
    ReliabilityResult& r = hop.reliability;
    const double fGHz = hop.frequencyMHz / 1000;
    r.roughnessM = TerrainRoughnessM(profile);
    r.geoclimaticFactor = p530::GeoclimaticFactor(hop.conditions.dN1, r.roughnessM);
    const p530::MultipathPath path{hop.geometry.lengthKm, fGHz, hop.geometry.txTopM, hop.geometry.rxTopM,
                                   r.geoclimaticFactor};
    r.occurrencePct = p530::OccurrenceFactor(path);
    r.multipathPct = p530::FadeExceeded(path, hop.marginDb);
    // P.530-19 §2.3.4: the worst-month distribution turned to the average year by P.841 (p = pw / Q).
    r.multipathYearPct = p841::AverageYearPercent(r.multipathPct);
    if (hop.station.diversityOrder > 1) {
        // Two branches are the space diversity of P.530-17 §6.2.1. P.530 gives no improvement for
        // more branches from what the files hold, so a higher order counts the two-branch one
        // (and the report says so, see kLineOfSightDiversityCounted).
        const p530::SpaceDiversity link{DiversitySpacingM(hop.wavelengthM), fGHz, hop.geometry.lengthKm,
                                        r.occurrencePct};
        r.diversityGain = p530::SpaceDiversityImprovement(link, hop.marginDb);
    }
}

void ScatterOutage(const TerrainProfile& profile, HopResult& hop) {
    ReliabilityResult& r = hop.reliability;
    const double scale = p617::ScatterScale(ScatterPathOf(profile, hop));
    // The P.617-6 §4.1 variability is a statistic of the year; its worst month follows P.841 (§4.2).
    r.multipathYearPct = TroposcatterOutage(hop.marginDb, scale, 1);
    r.multipathPct = p841::WorstMonthPercent(r.multipathYearPct);
    const double withDiversity = TroposcatterOutage(hop.marginDb, scale, hop.station.diversityOrder);
    r.diversityGain = withDiversity > 0 ? std::max(1.0, r.multipathYearPct / withDiversity) : 1.0;
}

void RainOutage(HopResult& hop) {
    ReliabilityResult& r = hop.reliability;
    const double fGHz = hop.frequencyMHz / 1000;
    r.rainRateMmH = p837::RainRateExceeded(hop.conditions.meanRainRateMmH, hop.conditions.rainProbabilityPct, 0.01);
    if (fGHz < kRainModelLowestGHz || r.rainRateMmH <= 0) return;
    const p838::RainCoefficients horizontal = p838::HorizontalCoefficients(fGHz);
    r.rainSpecificDbKm = p838::SpecificAttenuation(horizontal, r.rainRateMmH);
    const p530::RainPath path{hop.geometry.lengthKm, fGHz, r.rainRateMmH, r.rainSpecificDbKm, horizontal.alpha};
    r.rainAttenuationDb = p530::Attenuation001(path);
    r.rainPct = p530::PercentExceeded(path, hop.marginDb);
}

// The totals of both time bases from their parts, and what they mean against the requirement,
// which is judged on the average year.
void CombineOutages(const StationParameters& station, ReliabilityResult& r) {
    r.rainWorstMonthPct = p841::WorstMonthPercent(r.rainPct);
    r.performancePct = r.multipathPct / r.diversityGain;
    r.unavailabilityPct = r.rainPct;
    r.worstMonthPct = std::min(100.0, r.performancePct + r.rainWorstMonthPct);
    r.yearPct = std::min(100.0, r.multipathYearPct / r.diversityGain + r.rainPct);
    r.worstMonthOutageS = r.worstMonthPct / 100 * kSecondsInWorstMonth;
    r.yearOutageMin = r.yearPct / 100 * kMinutesInYear;
    r.totalPct = r.yearPct;
    r.reliabilityPct = 100 - r.totalPct;
    r.chainPct = r.reliabilityPct * station.precedingReliabilityPct / 100;
    r.met = r.chainPct >= station.requiredReliabilityPct;
}

}  // namespace

double DiversitySpacingM(double wavelengthM) { return std::clamp(150 * wavelengthM, 3.0, 23.0); }

double TerrainRoughnessM(const TerrainProfile& profile) {
    const std::size_t n = profile.size();
    double mean = 0;
    for (double h : profile.heightM) mean += h;
    mean /= static_cast<double>(n);
    double sum = 0;
    for (double h : profile.heightM) sum += (h - mean) * (h - mean);
    return std::sqrt(sum / static_cast<double>(n));
}

void ComputeReliability(const TerrainProfile& profile, HopResult& hop) {
    ReliabilityResult& r = hop.reliability;
    if (hop.loss.scatterDominates)
        ScatterOutage(profile, hop);
    else
        MultipathOutage(profile, hop);
    RainOutage(hop);
    if (hop.marginDb <= 0) {
        // The median signal itself is below the sensitivity: the hop is out all the time.
        r.multipathPct = r.multipathYearPct = 100;
        r.diversityGain = 1;
        r.rainPct = r.rainAttenuationDb > 0 ? 100 : 0;
    }
    CombineOutages(hop.station, r);
}

}  // namespace vakrel
