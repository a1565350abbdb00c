#pragma once
// ITU-R P.530-17 §2.3.1-2.3.2: multipath fading in the average worst month, with the geoclimatic
// factor K taken from the refractivity gradient dN1 and the terrain roughness (the detailed method).
// P.530-18 and -19 take K and dN75 from ITU digital maps (LogK, dN75) that the engine cannot ship,
// so it keeps P.530-17's method; the average year follows P.530-19 §2.3.4 (p530_time_bases.h).

namespace vakrel::p530 {

// K of eq 4: dN1 in N-units/km (point gradient of the lowest 65 m not exceeded 1 % of the year,
// e.g. -300), terrain roughness s_a in m.
double GeoclimaticFactor(double dN1, double roughnessM);

struct MultipathPath {
    double distanceKm;
    double frequencyGHz;
    double txAntennaHeightM;   // h_e, above sea level
    double rxAntennaHeightM;   // h_r, above sea level
    double geoclimaticFactor;  // K
};

// |epsilon_p| of eq 6, mrad.
double PathInclinationMrad(const MultipathPath& path);

// p0, the multipath occurrence factor: eq 7 with A = 0, %.
double OccurrenceFactor(const MultipathPath& path);

// pw, % of the worst month in which the fade depth A (dB) is exceeded, for every depth (§2.3.2,
// eqs 10-18: the deep-fade law of eq 7 from A_t up, the interpolation below), at most 100.
double FadeExceeded(const MultipathPath& path, double fadeDepthDb);

}  // namespace vakrel::p530
