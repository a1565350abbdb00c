#pragma once
// ITU-R P.676-13 Annex 1, Tables 1 and 2: the spectral lines of oxygen and water vapour.

#include <array>

namespace vakrel::p676 {

// One line: its centre frequency f0 (GHz) and the six coefficients of its table row
// (a1..a6 for oxygen, b1..b6 for water vapour).
struct SpectralLine {
    double f0;
    double c1, c2, c3, c4, c5, c6;
};

inline constexpr int kOxygenLineCount = 44;
inline constexpr int kWaterVapourLineCount = 35;

extern const std::array<SpectralLine, kOxygenLineCount> kOxygenLines;
extern const std::array<SpectralLine, kWaterVapourLineCount> kWaterVapourLines;

}  // namespace vakrel::p676
