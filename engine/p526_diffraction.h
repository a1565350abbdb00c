#pragma once
// ITU-R P.526-16 diffraction: the knife edge (§4.1), the smooth spherical earth (§3.1.1, §3.2)
// and the delta-Bullington method for a terrain profile (§4.5).

#include "terrain_profile.h"

namespace vakrel::p526 {

// Electrical constants of the ground for the smooth-earth first term.
struct Ground {
    double permittivity;    // relative, epsilon_r
    double conductivitySm;  // sigma, S/m
};

// The P.452-18 land constants that the delta-Bullington validation uses.
inline constexpr Ground kAverageLand{22.0, 0.003};
inline constexpr Ground kSea{80.0, 5.0};

enum class Polarisation { Horizontal, Vertical };

// J(nu), the knife-edge loss approximation of eq 31 (0 for nu <= -0.78), dB.
double KnifeEdgeLoss(double nu);

// The Bullington construction of §4.5.1 over the intermediate points of `profile`, with the
// antennas at `txHeightM` and `rxHeightM` above sea level on an earth of effective radius
// `radiusKm`. The point where the horizon rays meet is reported for trans-horizon paths.
struct BullingtonResult {
    double lossDb = 0;
    bool transHorizon = false;
    double pointDistanceKm = 0;  // trans-horizon only: the Bullington point, from antenna 1
    double pointAboveLosM = 0;   // its height above the line of sight
};
BullingtonResult Bullington(const TerrainProfile& profile, double txHeightM, double rxHeightM, double radiusKm,
                            double wavelengthM);

// Smooth-earth diffraction loss Ldsph of §4.5.2 (P.452-18 eqs 23-37): a path of `distanceKm`
// with effective antenna heights `txHeightM`, `rxHeightM` above the smooth surface.
double SphericalEarthLoss(double distanceKm, double txHeightM, double rxHeightM, double radiusKm, double frequencyGHz,
                          const Ground& ground, Polarisation polarisation);

// The first term Ldft of the residue series (eqs 27-35).
double FirstTermLoss(double radiusKm, double distanceKm, double txHeightM, double rxHeightM, double frequencyGHz,
                     const Ground& ground, Polarisation polarisation);

// The least-squares straight surface through the profile (P.452-18 Att. 2 §5.1.6.2): its
// heights above sea level at antenna 1 and antenna 2.
struct SmoothSurface {
    double atTxM;
    double atRxM;
};
SmoothSurface LeastSquaresSurface(const TerrainProfile& profile);

struct DeltaBullingtonResult {
    double actualProfileLoss;   // Lbulla
    double smoothProfileLoss;   // Lbulls
    double sphericalLoss;       // Ldsph
    double lossDb;              // Ld
    double txEffectiveHeightM;  // h'ts = hts - hstd
    double rxEffectiveHeightM;  // h'rs = hrs - hsrd
    BullingtonResult actual;    // the construction on the real profile
};
DeltaBullingtonResult DeltaBullington(const TerrainProfile& profile, double txHeightM, double rxHeightM,
                                      double radiusKm, double frequencyMHz, const Ground& ground,
                                      Polarisation polarisation);

}  // namespace vakrel::p526
