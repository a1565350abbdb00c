// Clearance at minimum k: the critical point and the delta-Bullington loss found again on the
// earth of k_e, then the criterion of P.530-19 §2.2.2.1 (steps 1, 3 and 4) on the real profile.
#include "hop_clearance.h"

#include <algorithm>
#include <cmath>

#include "p526_diffraction.h"
#include "p530_clearance.h"
#include "path_loss.h"

namespace vakrel {

namespace {

constexpr double kRadiusPerK = 6371.0;        // km: the earth of k_e is k_e times the earth's mean radius
constexpr double kNearCriticalF1 = 0.3;       // a point this near the critical clearance is part of it
constexpr double kExtendedShareOfPath = 0.1;  // a run over a tenth of the path is extended
constexpr double kRaiseStepM = 0.1;

// Calls `visit` with the clearance of every point between the antennas; with only the two end
// rows, with the middle of the straight ground between them (as AnalysePath does).
template <class Visit>
void ForEachPathPoint(const TerrainProfile& profile, const HopGeometry& g, double radiusKm, double wavelengthM,
                      Visit visit) {
    const std::size_t n = profile.size();
    if (n == 2) {
        const double middle = 0.5 * (profile.heightM.front() + profile.heightM.back());
        visit(ClearanceAt(g.lengthKm / 2, middle, g, radiusKm, wavelengthM));
        return;
    }
    for (std::size_t i = 1; i + 1 < n; ++i)
        visit(ClearanceAt(profile.distanceKm[i], profile.heightM[i], g, radiusKm, wavelengthM));
}

}  // namespace

double SmallestCommonRiseM(const TerrainProfile& profile, const HopGeometry& geometry, double wavelengthM,
                           double medianRadiusKm, double medianFraction, double minimumRadiusKm,
                           double minimumFraction) {
    double rise = 0;
    auto need = [&](double radiusKm, double fraction) {
        ForEachPathPoint(profile, geometry, radiusKm, wavelengthM, [&](const Clearance& c) {
            rise = std::max(rise, fraction * FirstFresnelRadiusM(c) - c.clearanceM);
        });
    };
    need(medianRadiusKm, medianFraction);
    need(minimumRadiusKm, minimumFraction);
    if (rise <= 0) return 0;
    return std::ceil(rise / kRaiseStepM - 1e-9) * kRaiseStepM;
}

bool IsExtendedObstruction(const TerrainProfile& profile, const HopGeometry& geometry, double radiusKm,
                           double wavelengthM) {
    // With only the two end rows the obstruction is the straight ground itself.
    if (profile.size() == 2) return true;
    const double near = InFresnelRadii(geometry.critical) + kNearCriticalF1;
    const double criticalKm = geometry.critical.distanceKm;
    double runStartKm = 0, runEndKm = 0, criticalRunKm = 0;
    bool inRun = false, runHoldsCritical = false, anotherObstacle = false;
    auto closeRun = [&] {
        if (runHoldsCritical)
            criticalRunKm = runEndKm - runStartKm;
        else
            anotherObstacle = true;
    };
    ForEachPathPoint(profile, geometry, radiusKm, wavelengthM, [&](const Clearance& c) {
        const bool isNear = InFresnelRadii(c) < near || c.distanceKm == criticalKm;
        if (isNear && !inRun) {
            runStartKm = c.distanceKm;
            runHoldsCritical = false;
        }
        if (isNear) {
            runEndKm = c.distanceKm;
            runHoldsCritical |= c.distanceKm == criticalKm;
        } else if (inRun) {
            closeRun();
        }
        inRun = isNear;
    });
    if (inRun) closeRun();
    return anotherObstacle || criticalRunKm > kExtendedShareOfPath * geometry.lengthKm;
}

void JudgeClearance(const TerrainProfile& profile, const HopGeometry& median, double wavelengthM, MinimumKResult& m) {
    const bool extended = IsExtendedObstruction(profile, m.geometry, m.radiusKm, wavelengthM);
    m.clearanceCase = p530::ChooseClearanceCase(extended);
    m.requiredFraction = p530::ClearanceAtMinimumK(m.clearanceCase);
    m.medianInF1 = InFresnelRadii(median.critical);
    m.minimumInF1 = InFresnelRadii(m.geometry.critical);
    m.met = m.medianInF1 >= p530::kClearanceAtMedianK && m.minimumInF1 >= m.requiredFraction;
}

void ComputeClearanceAtMinimumK(const TerrainProfile& profile, HopResult& hop) {
    MinimumKResult& m = hop.minimumK;
    const HopGeometry& median = hop.geometry;
    m.formulaKFactor = p530::MinimumKFactor(median.lengthKm);
    // A median earth already more curved than the k_e of eq (4) is the worst earth there is.
    m.medianBelowFormula = hop.kFactor < m.formulaKFactor;
    m.kFactor = m.medianBelowFormula ? hop.kFactor : m.formulaKFactor;
    m.radiusKm = m.medianBelowFormula ? hop.radiusKm : m.formulaKFactor * kRadiusPerK;
    m.geometry = AnalysePath(profile, median.txTopM, median.rxTopM, m.radiusKm, hop.wavelengthM);
    m.diffractionDb = p526::DeltaBullington(profile, median.txTopM, median.rxTopM, m.radiusKm, hop.frequencyMHz,
                                            hop.conditions.diffractionGround, p526::Polarisation::Horizontal)
                          .lossDb;

    JudgeClearance(profile, median, hop.wavelengthM, m);
    m.raiseM = m.met ? 0
                     : SmallestCommonRiseM(profile, median, hop.wavelengthM, hop.radiusKm, p530::kClearanceAtMedianK,
                                           m.radiusKm, m.requiredFraction);
    m.marginDb = hop.marginDb + hop.loss.totalDb - TotalLossDb(hop.loss, m.diffractionDb, hop.propagationUsed);
}

}  // namespace vakrel
