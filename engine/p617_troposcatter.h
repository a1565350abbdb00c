#pragma once
// ITU-R P.617-6 §4.1: the average annual basic transmission loss of a trans-horizon
// (troposcatter) path and its distribution over the hourly medians.

namespace vakrel::p617 {

struct TroposcatterPath {
    double distanceKm;
    double frequencyMHz;
    double radiusKm;             // effective earth radius k a
    double txHorizonMrad;        // theta_t, elevation of antenna 1's horizon
    double rxHorizonMrad;        // theta_r, elevation of antenna 2's horizon
    double txHeightKm;           // antenna 1 above sea level
    double rxHeightKm;           // antenna 2 above sea level
    double surfaceHeightKm;      // h_s, the earth's surface above sea level
    double surfaceRefractivity;  // N0, N-units at sea level
    double refractivityLapse;    // dN, N-units/km (positive when N falls with height)
    double txGainDb;
    double rxGainDb;
};

// Scatter angle theta = theta_e + theta_t + theta_r (eqs 1-2), mrad. It is 0 on a path within the
// horizon when each horizon angle is at least the elevation of the other antenna, and never below.
double ScatterAngleMrad(const TroposcatterPath& path);

// Aperture-to-medium coupling loss L_c = 0.07 exp(0.055 (Gt + Gr)), dB (eq 3).
double CouplingLoss(double txGainDb, double rxGainDb);

// Height of the lowest point of the common volume above sea level (h0, eqs 7a-7b), km.
double CommonVolumeHeightKm(const TroposcatterPath& path);

// Y(p) of eq 6, the deviation of the loss not exceeded for p % of the time from its median, dB
// (positive below 50 %). `scale` is 0.035 N0 exp(-h0 / hb) from ScatterScale.
double ScatterScale(const TroposcatterPath& path);
double Deviation(double scale, double percent);

// L(p) = F + 22 log f + 17.5 log(theta^2 + 7 theta + 4) + 17 log d + L_c - Y(p), dB (eqs 4-5);
// L(50) is the median.
double LossNotExceeded(const TroposcatterPath& path, double percent);

}  // namespace vakrel::p617
