// ITU-R P.837-7 Annex 1, steps 2-7: the rain-rate distribution as a sum of log-normal parts.
#include "p837_rain_rate.h"

#include <array>
#include <cmath>

namespace vakrel::p837 {

namespace {

constexpr double kDaysPerYear = 365.25;
constexpr std::array<double, 12> kMonthDays = {31, 28.25, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Complementary cumulative standard normal distribution Q(x).
double Q(double x) { return 0.5 * std::erfc(x / std::sqrt(2.0)); }

}  // namespace

RainPeriod MonthFromClimatology(int month, double totalRainMm, double temperatureC) {
    const double days = kMonthDays[static_cast<std::size_t>(month - 1)];
    double rate = temperatureC >= 0 ? 0.5874 * std::exp(0.0883 * temperatureC) : 0.5874;
    double probability = 100 * totalRainMm / (24 * days * rate);
    if (probability > 70) {
        probability = 70;
        rate = 100.0 / 70 * totalRainMm / (24 * days);
    }
    return {days, rate, probability};
}

double AnnualRainProbability(std::span<const RainPeriod> periods) {
    double sum = 0;
    for (const RainPeriod& p : periods) sum += p.days * p.rainProbabilityPercent;
    return sum / kDaysPerYear;
}

double ExceedanceProbability(std::span<const RainPeriod> periods, double rateMmH) {
    double sum = 0;
    for (const RainPeriod& p : periods) {
        if (p.rainProbabilityPercent <= 0 || p.meanRateMmH <= 0) continue;
        sum += p.days * p.rainProbabilityPercent * Q((std::log(rateMmH) + 0.7938 - std::log(p.meanRateMmH)) / 1.26);
    }
    return sum / kDaysPerYear;
}

double RainRateExceeded(std::span<const RainPeriod> periods, double percent) {
    if (percent >= AnnualRainProbability(periods)) return 0;
    // P(R > rate) falls with the rate: bisect on log(rate) to a relative precision of 1e-9.
    double low = std::log(1e-6), high = std::log(1e4);
    for (int i = 0; i < 80; ++i) {
        const double mid = 0.5 * (low + high);
        if (ExceedanceProbability(periods, std::exp(mid)) > percent)
            low = mid;
        else
            high = mid;
    }
    return std::exp(0.5 * (low + high));
}

double RainRateExceeded(double meanRateMmH, double rainProbabilityPercent, double percent) {
    const RainPeriod year{kDaysPerYear, meanRateMmH, rainProbabilityPercent};
    return RainRateExceeded(std::span<const RainPeriod>(&year, 1), percent);
}

}  // namespace vakrel::p837
