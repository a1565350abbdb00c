// ITU-R P.838-3 eqs 1-5 with the coefficients of Tables 1-4.
#include "p838_rain.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vakrel::p838 {

namespace {

struct GaussTerm {
    double a, b, c;
};

// log10 k (Tables 1-2) or alpha (Tables 3-4): sum of a exp(-((log f - b)/c)^2) + m log f + c0.
template <std::size_t N>
double Fit(const std::array<GaussTerm, N>& terms, double m, double c0, double frequencyGHz) {
    const double x = std::log10(frequencyGHz);
    double sum = m * x + c0;
    for (const GaussTerm& t : terms) sum += t.a * std::exp(-std::pow((x - t.b) / t.c, 2));
    return sum;
}

// clang-format off
constexpr std::array<GaussTerm, 4> kKH = {{{-5.33980, -0.10008, 1.13098},
                                          {-0.35351, 1.26970, 0.45400},
                                          {-0.23789, 0.86036, 0.15354},
                                          {-0.94158, 0.64552, 0.16817}}};
constexpr std::array<GaussTerm, 4> kKV = {{{-3.80595, 0.56934, 0.81061},
                                          {-3.44965, -0.22911, 0.51059},
                                          {-0.39902, 0.73042, 0.11899},
                                          {0.50167, 1.07319, 0.27195}}};
constexpr std::array<GaussTerm, 5> kAlphaH = {{{-0.14318, 1.82442, -0.55187},
                                              {0.29591, 0.77564, 0.19822},
                                              {0.32177, 0.63773, 0.13164},
                                              {-5.37610, -0.96230, 1.47828},
                                              {16.1721, -3.29980, 3.43990}}};
constexpr std::array<GaussTerm, 5> kAlphaV = {{{-0.07771, 2.33840, -0.76284},
                                              {0.56727, 0.95545, 0.54039},
                                              {-0.20238, 1.14520, 0.26809},
                                              {-48.2991, 0.791669, 0.116226},
                                              {48.5833, 0.791459, 0.116479}}};
// clang-format on

}  // namespace

RainCoefficients HorizontalCoefficients(double frequencyGHz) {
    return {std::pow(10.0, Fit(kKH, -0.18961, 0.71147, frequencyGHz)), Fit(kAlphaH, 0.67849, -1.95537, frequencyGHz)};
}

RainCoefficients VerticalCoefficients(double frequencyGHz) {
    return {std::pow(10.0, Fit(kKV, -0.16398, 0.63297, frequencyGHz)), Fit(kAlphaV, -0.053739, 0.83433, frequencyGHz)};
}

RainCoefficients PathCoefficients(double frequencyGHz, double elevationDeg, double tiltDeg) {
    const RainCoefficients h = HorizontalCoefficients(frequencyGHz);
    const RainCoefficients v = VerticalCoefficients(frequencyGHz);
    const double toRad = std::numbers::pi / 180;
    const double cosEl = std::cos(elevationDeg * toRad);
    const double weight = cosEl * cosEl * std::cos(2 * tiltDeg * toRad);
    const double k = (h.k + v.k + (h.k - v.k) * weight) / 2;
    const double alpha = (h.k * h.alpha + v.k * v.alpha + (h.k * h.alpha - v.k * v.alpha) * weight) / (2 * k);
    return {k, alpha};
}

double SpecificAttenuation(const RainCoefficients& coefficients, double rainRateMmH) {
    return coefficients.k * std::pow(rainRateMmH, coefficients.alpha);
}

}  // namespace vakrel::p838
