#pragma once
// ITU-R P.530-17 §2.3: multipath fading and enhancement in the average worst month, with the
// geoclimatic factor K taken from the refractivity gradient dN1 and the terrain roughness (§2.3.1
// detailed method; the P.530-18 maps are not available to the engine).

namespace vakrel::p530 {

// K of eq 4: dN1 in N-units/km (point gradient of the lowest 65 m not exceeded 1 % of the year,
// e.g. -300), terrain roughness s_a in m.
double GeoclimaticFactor(double dN1, double roughnessM);

struct MultipathPath {
    double distanceKm;
    double frequencyGHz;
    double txAntennaHeightM;  // h_e, above sea level
    double rxAntennaHeightM;  // h_r, above sea level
    double geoclimaticFactor; // K
};

// |epsilon_p| of eq 6, mrad.
double PathInclinationMrad(const MultipathPath& path);

// p0, the multipath occurrence factor: eq 7 with A = 0, %.
double OccurrenceFactor(const MultipathPath& path);

// pw, % of the worst month in which the fade depth A (dB) is exceeded, for every depth (§2.3.2,
// eqs 10-18: the deep-fade law of eq 7 from A_t up, the interpolation below). With the conversion
// factor ΔG of §2.3.4 (dB, see p530_time_bases.h) the same for the average year: the deep-fade
// tail and p_t are lowered by 10^(-ΔG/10) before the interpolation (§2.3.4 steps 3-4).
double FadeExceeded(const MultipathPath& path, double fadeDepthDb, double yearConversionDb = 0);

}  // namespace vakrel::p530
