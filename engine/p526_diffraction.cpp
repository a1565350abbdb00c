// ITU-R P.526-16 §3.1.1, §3.2, §4.1 eq 31 and §4.5 (delta-Bullington); the algebra is the one
// P.452-18 §4.2 repeats with its equation numbers, quoted below.
#include "p526_diffraction.h"

#include <cmath>
#include <limits>

#include "p525_free_space.h"
#include "smooth_earth.h"

namespace vakrel::p526 {

namespace {

// Bullington over the intermediate points, heights given by `heightAt(i)`: P.452-18 eqs 14-22.
template <class HeightAt>
BullingtonResult BullingtonOver(const TerrainProfile& profile, HeightAt heightAt, double hts, double hrs,
                                double radiusKm, double wavelengthM) {
    const std::size_t n = profile.size();
    const double d0 = profile.distanceKm.front();
    const double d = profile.length();
    const double ce = 1.0 / radiusKm;
    const double lowest = -std::numeric_limits<double>::infinity();

    double stim = lowest;   // largest slope from antenna 1 to a point
    double srim = lowest;   // largest slope from antenna 2 to a point
    double numax = lowest;  // largest diffraction parameter (line-of-sight case)
    const double str = (hrs - hts) / d;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double di = profile.distanceKm[i] - d0;
        const double hi = heightAt(i) + 500 * ce * di * (d - di);
        stim = std::max(stim, (hi - hts) / di);
        srim = std::max(srim, (hi - hrs) / (d - di));
        const double aboveLos = hi - (hts * (d - di) + hrs * di) / d;
        numax = std::max(numax, aboveLos * std::sqrt(0.002 * d / (wavelengthM * di * (d - di))));
    }

    BullingtonResult result;
    double luc = 0;
    if (stim < str) {
        luc = KnifeEdgeLoss(numax);
    } else {
        const double dbp = (hrs - hts + srim * d) / (stim + srim);
        const double aboveLos = hts + stim * dbp - (hts * (d - dbp) + hrs * dbp) / d;
        luc = KnifeEdgeLoss(aboveLos * std::sqrt(0.002 * d / (wavelengthM * dbp * (d - dbp))));
        result.transHorizon = true;
        result.pointDistanceKm = dbp;
        result.pointAboveLosM = aboveLos;
    }
    result.lossDb = luc + (1 - std::exp(-luc / 6)) * (10 + 0.02 * d);
    return result;
}

// F(X), eq 31 of P.452-18 (P.526 §3.1.1.2).
double DistanceTerm(double x) {
    if (x >= 1.6) return 11 + 10 * std::log10(x) - 17.6 * x;
    return -20 * std::log10(x) - 5.6488 * std::pow(x, 1.425);
}

// G(Y), eq 32, bounded below by 2 + 20 log K.
double HeightGain(double y, double beta, double k) {
    const double b = beta * y;
    const double g =
        b > 2 ? 17.6 * std::sqrt(b - 1.1) - 5 * std::log10(b - 1.1) - 8 : 20 * std::log10(b + 0.1 * b * b * b);
    return std::max(g, 2 + 20 * std::log10(k));
}

}  // namespace

double KnifeEdgeLoss(double nu) {
    if (nu <= -0.78) return 0;
    return 6.9 + 20 * std::log10(std::sqrt((nu - 0.1) * (nu - 0.1) + 1) + nu - 0.1);
}

BullingtonResult Bullington(const TerrainProfile& profile, double txHeightM, double rxHeightM, double radiusKm,
                            double wavelengthM) {
    return BullingtonOver(
        profile, [&](std::size_t i) { return profile.heightM[i]; }, txHeightM, rxHeightM, radiusKm, wavelengthM);
}

double FirstTermLoss(double radiusKm, double distanceKm, double txHeightM, double rxHeightM, double frequencyGHz,
                     const Ground& ground, Polarisation polarisation) {
    const double f = frequencyGHz;
    const double a = radiusKm;
    const double loss = 18 * ground.conductivitySm / f;
    // Normalised surface admittance, eqs 27-28.
    double k = 0.036 * std::pow(a * f, -1.0 / 3) * std::pow(std::pow(ground.permittivity - 1, 2) + loss * loss, -0.25);
    if (polarisation == Polarisation::Vertical) k *= std::sqrt(ground.permittivity * ground.permittivity + loss * loss);
    const double k2 = k * k;
    const double k4 = k2 * k2;
    const double beta = (1 + 1.6 * k2 + 0.67 * k4) / (1 + 4.5 * k2 + 1.53 * k4);  // eq 29
    const double x = 21.88 * beta * std::cbrt(f / (a * a)) * distanceKm;          // eq 30
    const double yScale = 0.9575 * beta * std::cbrt(f * f / a);
    return -DistanceTerm(x) - HeightGain(yScale * txHeightM, beta, k) - HeightGain(yScale * rxHeightM, beta, k);
}

double SphericalEarthLoss(double distanceKm, double txHeightM, double rxHeightM, double radiusKm, double frequencyGHz,
                          const Ground& ground, Polarisation polarisation) {
    const double d = distanceKm;
    const double hte = txHeightM;
    const double hre = rxHeightM;
    const double ap = radiusKm;
    // Marginal line-of-sight distance, eq 23.
    const double dlos = std::sqrt(2 * ap) * (std::sqrt(0.001 * hte) + std::sqrt(0.001 * hre));
    if (d >= dlos) return FirstTermLoss(ap, d, hte, hre, frequencyGHz, ground, polarisation);

    // The smallest clearance of the path over the smooth earth, eqs 24-25.
    const double dse1 = SmoothEarthReflectionKm(d, hte, hre, ap);
    const double dse2 = d - dse1;
    const double hse = ((hte - 500 * dse1 * dse1 / ap) * dse2 + (hre - 500 * dse2 * dse2 / ap) * dse1) / d;
    // Clearance needed for zero loss, eq 26 (m).
    const double wavelengthM = kSpeedOfLight / (frequencyGHz * 1e9);
    const double hreq = 17.456 * std::sqrt(dse1 * dse2 * wavelengthM / d);
    if (hse > hreq) return 0;
    // Modified radius giving marginal line of sight at distance d, eq 26a.
    const double aem = 500 * std::pow(d / (std::sqrt(hte) + std::sqrt(hre)), 2);
    const double adft = FirstTermLoss(aem, d, hte, hre, frequencyGHz, ground, polarisation);
    return std::max(0.0, (1 - hse / hreq) * adft);
}

SmoothSurface LeastSquaresSurface(const TerrainProfile& profile) {
    const std::size_t n = profile.size();
    const double d0 = profile.distanceKm.front();
    const double d = profile.length();
    double v1 = 0, v2 = 0;
    for (std::size_t i = 1; i < n; ++i) {
        const double di = profile.distanceKm[i] - d0;
        const double dp = profile.distanceKm[i - 1] - d0;
        const double hi = profile.heightM[i];
        const double hp = profile.heightM[i - 1];
        v1 += (di - dp) * (hi + hp);
        v2 += (di - dp) * (hi * (2 * di + dp) + hp * (di + 2 * dp));
    }
    return {(2 * v1 * d - v2) / (d * d), (v2 - v1 * d) / (d * d)};
}

DeltaBullingtonResult DeltaBullington(const TerrainProfile& profile, double txHeightM, double rxHeightM,
                                      double radiusKm, double frequencyMHz, const Ground& ground,
                                      Polarisation polarisation) {
    const double wavelengthM = WavelengthM(frequencyMHz);
    const double hts = txHeightM;
    const double hrs = rxHeightM;
    const double d0 = profile.distanceKm.front();
    const double d = profile.length();

    // Smooth surface lowered under the highest obstacle, P.452-18 Att. 2 §5.1.6.3.
    SmoothSurface surface = LeastSquaresSurface(profile);
    const double lowest = -std::numeric_limits<double>::infinity();
    double hobs = lowest, alphaT = lowest, alphaR = lowest;
    for (std::size_t i = 1; i + 1 < profile.size(); ++i) {
        const double di = profile.distanceKm[i] - d0;
        const double hi = profile.heightM[i] - (hts * (d - di) + hrs * di) / d;
        hobs = std::max(hobs, hi);
        alphaT = std::max(alphaT, hi / di);
        alphaR = std::max(alphaR, hi / (d - di));
    }
    if (hobs > 0) {
        surface.atTxM -= hobs * alphaT / (alphaT + alphaR);
        surface.atRxM -= hobs * alphaR / (alphaT + alphaR);
    }
    const double hstd = std::min(surface.atTxM, profile.heightM.front());
    const double hsrd = std::min(surface.atRxM, profile.heightM.back());

    DeltaBullingtonResult r;
    r.actual = Bullington(profile, hts, hrs, radiusKm, wavelengthM);
    r.actualProfileLoss = r.actual.lossDb;
    r.txEffectiveHeightM = hts - hstd;
    r.rxEffectiveHeightM = hrs - hsrd;
    r.smoothProfileLoss =
        BullingtonOver(
            profile, [](std::size_t) { return 0.0; }, r.txEffectiveHeightM, r.rxEffectiveHeightM, radiusKm, wavelengthM)
            .lossDb;
    r.sphericalLoss = SphericalEarthLoss(d, r.txEffectiveHeightM, r.rxEffectiveHeightM, radiusKm, frequencyMHz / 1000,
                                         ground, polarisation);
    r.lossDb = r.actualProfileLoss + std::max(r.sphericalLoss - r.smoothProfileLoss, 0.0);
    return r;
}

}  // namespace vakrel::p526
