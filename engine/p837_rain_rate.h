#pragma once
// ITU-R P.837-7 Annex 1: the rain rate exceeded for a percentage of the average year, from the
// mean rain rate and the probability of rain of each period (month) of the year.

#include <span>

namespace vakrel::p837 {

// One period of the year: its length in days, the mean rain rate while it rains (r, mm/h) and
// the probability of rain (P0, % of the period).
struct RainPeriod {
    double days;
    double meanRateMmH;
    double rainProbabilityPercent;
};

// The period of one month from its total rainfall MT (mm) and mean temperature T (°C), eqs in
// Annex 1 steps 2-4; month is 1-12 (February counts 28.25 days).
RainPeriod MonthFromClimatology(int month, double totalRainMm, double temperatureC);

// P0 of the year, % (step 5).
double AnnualRainProbability(std::span<const RainPeriod> periods);

// P(R > rate), % of the year (step 6).
double ExceedanceProbability(std::span<const RainPeriod> periods, double rateMmH);

// R_p, mm/h, exceeded for `percent` of the year (step 7); 0 when rain is rarer than that.
double RainRateExceeded(std::span<const RainPeriod> periods, double percent);

// The same for a climate given by one mean rain rate and one probability of rain for the
// whole year (the two rain parameters of the conditions file).
double RainRateExceeded(double meanRateMmH, double rainProbabilityPercent, double percent);

}  // namespace vakrel::p837
