// The height search: bisection on the 0.1 m grid of the spin controls. The clearance of every point
// rises linearly with the antenna tops, so a trial judges the clearance from two passes of the
// geometry (median earth and the earth of k_e, which the heights do not change) before it computes
// the losses and the reliability, and only when the requirement asks for them.
#include "hop_heights.h"

#include <algorithm>
#include <cmath>

#include "hop_clearance.h"

namespace vakrel {

namespace {

constexpr double kTenthsPerM = 10;

double HeightM(int tenths) { return tenths / kTenthsPerM; }

// The station file's height on the grid: rounded up to 0.1 m (never lower than the file), at least
// the bottom of the range; a height above every range (or not a number) comes out just above it.
// The small allowance keeps 40.1 read as 40.09999... at 40.1.
int StartTenths(double heightM) {
    const double tenths = std::ceil(heightM * kTenthsPerM - 1e-6);
    if (!(tenths <= kHighestRxHeightTenths)) return kHighestRxHeightTenths + 1;
    return std::max(kLowestHeightTenths, static_cast<int>(std::max(tenths, 0.0)));
}

// Judges one pair of heights against the criteria the search asks for.
class HeightTrial {
public:
    HeightTrial(const TerrainProfile& profile, const HopResult& hop)
        : profile_(profile), hop_(hop), reliabilityAsked_(hop.station.requiredReliabilityPct > 0) {}

    HeightShortfall operator()(int txTenths, int rxTenths) const {
        const double txTop = profile_.heightM.front() + HeightM(txTenths);
        const double rxTop = profile_.heightM.back() + HeightM(rxTenths);
        const HopGeometry median = AnalysePath(profile_, txTop, rxTop, hop_.radiusKm, hop_.wavelengthM);
        MinimumKResult atMinimumK;
        atMinimumK.radiusKm = hop_.minimumK.radiusKm;
        atMinimumK.geometry = AnalysePath(profile_, txTop, rxTop, atMinimumK.radiusKm, hop_.wavelengthM);
        JudgeClearance(profile_, median, hop_.wavelengthM, atMinimumK);
        if (!atMinimumK.met) return HeightShortfall::Clearance;
        if (!reliabilityAsked_) return HeightShortfall::None;
        const HopResult at = CalculateHopAtHeights(profile_, hop_, HeightM(txTenths), HeightM(rxTenths));
        return at.reliability.met ? HeightShortfall::None : HeightShortfall::Reliability;
    }

private:
    const TerrainProfile& profile_;
    const HopResult& hop_;
    bool reliabilityAsked_;
};

HeightSolution Solve(RaiseWay way, const HeightTrial& trial, int txStart, int rxStart) {
    const bool raiseTx = way != RaiseWay::Antenna2, raiseRx = way != RaiseWay::Antenna1;
    auto solution = [&](int steps, HeightShortfall shortfall) {
        return HeightSolution{way, shortfall, HeightM(txStart + (raiseTx ? steps : 0)),
                              HeightM(rxStart + (raiseRx ? steps : 0))};
    };
    if (txStart > kHighestTxHeightTenths || rxStart > kHighestRxHeightTenths)
        return solution(0, HeightShortfall::AboveRange);
    const int txRoom = kHighestTxHeightTenths - txStart, rxRoom = kHighestRxHeightTenths - rxStart;
    const int most = raiseTx && raiseRx ? std::min(txRoom, rxRoom) : (raiseTx ? txRoom : rxRoom);
    auto judge = [&](int steps) { return trial(txStart + (raiseTx ? steps : 0), rxStart + (raiseRx ? steps : 0)); };
    if (judge(0) == HeightShortfall::None) return solution(0, HeightShortfall::None);
    if (const HeightShortfall atTop = judge(most); atTop != HeightShortfall::None) return solution(most, atTop);
    // `low` fails and `high` meets throughout.
    int low = 0, high = most;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        (judge(middle) == HeightShortfall::None ? high : low) = middle;
    }
    return solution(high, HeightShortfall::None);
}

}  // namespace

std::array<HeightSolution, 3> FindHeights(const TerrainProfile& profile, const HopResult& hop) {
    const HeightTrial trial(profile, hop);
    const int txStart = StartTenths(hop.station.txAntennaHeightM);
    const int rxStart = StartTenths(hop.station.rxAntennaHeightM);
    return {Solve(RaiseWay::Both, trial, txStart, rxStart), Solve(RaiseWay::Antenna1, trial, txStart, rxStart),
            Solve(RaiseWay::Antenna2, trial, txStart, rxStart)};
}

}  // namespace vakrel
