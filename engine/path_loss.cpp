#include "path_loss.h"

#include <cmath>

#include "p525_free_space.h"
#include "p526_diffraction.h"
#include "p676_gas.h"

namespace vakrel {

namespace {

// Sum of the powers of two paths given by their losses, as a loss (dB).
double PowerSum(double lossA, double lossB) {
    return -10 * std::log10(std::pow(10.0, -lossA / 10) + std::pow(10.0, -lossB / 10));
}

}  // namespace

p617::TroposcatterPath ScatterPathOf(const TerrainProfile& profile, const HopResult& hop) {
    const HopGeometry& g = hop.geometry;
    return {g.lengthKm,
            hop.frequencyMHz,
            hop.radiusKm,
            g.txHorizonMrad,
            g.rxHorizonMrad,
            g.txTopM / 1000,
            g.rxTopM / 1000,
            0.5 * (profile.heightM.front() + profile.heightM.back()) / 1000,
            hop.conditions.surfaceRefractivity,
            hop.conditions.refractivityLapse,
            hop.station.txGainDb,
            hop.station.rxGainDb};
}

Propagation ChoosePropagation(Propagation requested, const HopGeometry& geometry) {
    if (requested != Propagation::Automatic) return requested;
    return geometry.critical.relative >= 0 ? Propagation::LineOfSight : Propagation::DiffractionAndScatter;
}

std::optional<ReflectionResult> ReflectedRay(const TerrainProfile& profile, const HopResult& hop) {
    const HopGeometry& g = hop.geometry;
    if (g.pathClass != PathClass::Open) return std::nullopt;
    const p526::SmoothSurface plane = p526::LeastSquaresSurface(profile);
    const ReflectionGeometry ray =
        ReflectionPoint(g.lengthKm, g.txTopM - plane.atTxM, g.rxTopM - plane.atRxM, hop.radiusKm);
    if (!ray.exists) return std::nullopt;
    const double fGHz = hop.frequencyMHz / 1000;
    const std::complex<double> gamma = ReflectionCoefficient(hop.conditions, fGHz, ray.grazingRad);
    const double rho = RoughnessFactor(hop.conditions.roughness, ray, g.lengthKm, hop.wavelengthM);
    const double x = ray.pointKm;
    const double planeAt = plane.atTxM + (plane.atRxM - plane.atTxM) * x / g.lengthKm;
    ReflectionResult r;
    r.pointKm = x;
    r.belowLosM = ClearanceAt(x, planeAt, g, hop.radiusKm, hop.wavelengthM).clearanceM;
    r.grazingMrad = ray.grazingRad * 1000;
    r.divergence = ray.divergence;
    r.coefficient = std::abs(gamma);
    r.roughnessFactor = rho;
    r.pathDifferenceM = ray.pathDifferenceM;
    r.interferenceDb = InterferenceFactorDb(gamma, ray.divergence, rho, ray.pathDifferenceM, hop.wavelengthM);
    return r;
}

double TotalLossDb(const LossResult& parts, double diffractionDb, Propagation type) {
    const double groundWave = parts.freeSpaceDb + diffractionDb;
    switch (type) {
        case Propagation::LineOfSightReflected: return groundWave - parts.interferenceDb + parts.gasDb;
        case Propagation::Troposcatter: return parts.troposcatterDb + parts.gasDb;
        case Propagation::DiffractionAndScatter: return PowerSum(groundWave, parts.troposcatterDb) + parts.gasDb;
        default: return groundWave + parts.gasDb;
    }
}

void ComputeLosses(const TerrainProfile& profile, HopResult& hop) {
    const HopGeometry& g = hop.geometry;
    LossResult& loss = hop.loss;
    loss.freeSpaceDb = FreeSpaceLoss(g.lengthKm, hop.frequencyMHz);
    loss.gasDb = p676::GasPathAttenuation(hop.frequencyMHz / 1000, g.lengthKm, p676::StandardSurfaceAtmosphere());
    const p526::DeltaBullingtonResult diffraction =
        p526::DeltaBullington(profile, g.txTopM, g.rxTopM, hop.radiusKm, hop.frequencyMHz,
                              hop.conditions.diffractionGround, p526::Polarisation::Horizontal);
    loss.diffractionDb = diffraction.lossDb;
    const double groundWave = loss.freeSpaceDb + loss.diffractionDb;

    const Propagation type = hop.propagationUsed;
    const bool scatter = type == Propagation::Troposcatter || type == Propagation::DiffractionAndScatter;
    if (scatter) {
        const p617::TroposcatterPath path = ScatterPathOf(profile, hop);
        loss.troposcatterDb = p617::LossNotExceeded(path, 50);
        loss.couplingDb = p617::CouplingLoss(path.txGainDb, path.rxGainDb);
        loss.scatterAngleMrad = p617::ScatterAngleMrad(path);
    }
    if (diffraction.actual.transHorizon)
        hop.bullingtonPoint = HopPoint{diffraction.actual.pointDistanceKm, diffraction.actual.pointAboveLosM};

    if (type == Propagation::LineOfSightReflected && hop.reflection)
        loss.interferenceDb = hop.reflection->interferenceDb;
    loss.scatterDominates = type == Propagation::Troposcatter ||
                            (type == Propagation::DiffractionAndScatter && loss.troposcatterDb < groundWave);
    loss.totalDb = TotalLossDb(loss, loss.diffractionDb, type);
}

}  // namespace vakrel
