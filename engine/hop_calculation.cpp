#include "hop_calculation.h"

#include "earth_radius.h"
#include "hop_clearance.h"
#include "hop_reliability.h"
#include "input_warnings.h"
#include "p525_free_space.h"
#include "path_loss.h"

namespace vakrel {

namespace {

// Everything that follows from the antenna heights in hop.station: the geometry, the losses, the
// budget, the clearance at minimum k and the reliability.
void ComputeFromAntennas(const TerrainProfile& profile, HopResult& hop) {
    const double txTop = profile.heightM.front() + hop.station.txAntennaHeightM;
    const double rxTop = profile.heightM.back() + hop.station.rxAntennaHeightM;
    hop.geometry = AnalysePath(profile, txTop, rxTop, hop.radiusKm, hop.wavelengthM);
    hop.propagationUsed = ChoosePropagation(hop.conditions.propagation, hop.geometry);
    hop.reflection = ReflectedRay(profile, hop);
    ComputeLosses(profile, hop);

    hop.receivedDbw = hop.station.txPowerDbw + hop.station.txGainDb - hop.station.txFeederLossDb +
                      hop.station.rxGainDb - hop.station.rxFeederLossDb - hop.loss.totalDb;
    hop.marginDb = hop.receivedDbw - hop.station.sensitivityDbw;
    ComputeClearanceAtMinimumK(profile, hop);
    ComputeReliability(profile, hop);
}

}  // namespace

HopResult CalculateHop(const HopInputs& in) {
    HopResult hop;
    const TerrainProfile profile = in.profile.terrain();
    hop.station = InterpretStation(in.station);
    hop.frequencyMHz = hop.station.frequencyMHz;
    hop.wavelengthM = WavelengthM(hop.frequencyMHz);
    hop.conditions = InterpretConditions(in.conditions, in.radiusKm, hop.frequencyMHz / 1000);
    hop.radiusKm = in.radiusKm;
    hop.kFactor = in.radiusKm / kEarthRadiusKm;
    ComputeFromAntennas(profile, hop);
    hop.warnings = in.warnings;
    for (std::string& w : DoubtfulValues(in, hop)) hop.warnings.push_back(std::move(w));
    return hop;
}

HopResult CalculateHopAtHeights(const TerrainProfile& profile, const HopResult& hop, double txHeightM,
                                double rxHeightM) {
    HopResult at;
    at.station = hop.station;
    at.station.txAntennaHeightM = txHeightM;
    at.station.rxAntennaHeightM = rxHeightM;
    at.conditions = hop.conditions;
    at.frequencyMHz = hop.frequencyMHz;
    at.wavelengthM = hop.wavelengthM;
    at.radiusKm = hop.radiusKm;
    at.kFactor = hop.kFactor;
    ComputeFromAntennas(profile, at);
    return at;
}

}  // namespace vakrel
