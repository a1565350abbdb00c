#pragma once
// ITU-R P.617-5 §3: basic transmission loss of a trans-horizon (troposcatter) path.

namespace vakrel::p617 {

struct TroposcatterPath {
    double distanceKm;
    double frequencyMHz;
    double radiusKm;           // effective earth radius a_e
    double txHorizonMrad;      // theta_t, elevation of antenna 1's horizon
    double rxHorizonMrad;      // theta_r, elevation of antenna 2's horizon
    double txHeightKm;         // antenna 1 above sea level
    double rxHeightKm;         // antenna 2 above sea level
    double surfaceHeightKm;    // h_s, the earth's surface above sea level
    double surfaceRefractivity;  // N0, N-units at sea level
    double refractivityLapse;    // dN, N-units/km (positive when N falls with height)
    double txGainDb;
    double rxGainDb;
};

// Scatter angle theta (eq 3), mrad.
double ScatterAngleMrad(const TroposcatterPath& path);

// Aperture-to-medium coupling loss L_c = 0.07 exp(0.055 (Gt + Gr)), dB.
double CouplingLoss(double txGainDb, double rxGainDb);

// Height of the lowest point of the common volume above sea level (h0), km.
double CommonVolumeHeightKm(const TroposcatterPath& path);

// Y(p), the deviation of the loss not exceeded for p % of the time from its median, dB (positive
// below 50 %). `scale` is 0.035 N0 exp(-h0 / hb) from ScatterScale.
double ScatterScale(const TroposcatterPath& path);
double Deviation(double scale, double percent);

// L(p) = F + 22 log f + 35 log theta + 17 log d + L_c - Y(p), dB; L(50) is the median.
double LossNotExceeded(const TroposcatterPath& path, double percent);

}  // namespace vakrel::p617
