// The clearance at minimum k on small profiles worked by hand, and the ΔN of the earth used.
#include "hop_clearance.h"

#include <gtest/gtest.h>

#include <vector>

#include "hop_parameters.h"
#include "p530_clearance.h"

namespace vakrel {
namespace {

HopGeometry Hop(double lengthKm, double txTopM, double rxTopM) {
    HopGeometry g;
    g.lengthKm = lengthKm;
    g.txTopM = txTopM;
    g.rxTopM = rxTopM;
    return g;
}

TEST(SmallestCommonRise, MeetsTheLargerOfTheTwoClearancesRoundedUpToTenCentimetres) {
    // 20 km of flat ground at 0 m, lambda 0.0375 m: in the middle F1 = sqrt(0.0375 * 10^4 * 10^4 / (2 * 10^4))
    // = 13.6931 m; bulge 1000*10*10/(2R) = 5.8824 m at R = 8500 km and 12.5 m at R = 4000 km.
    // Tops 10 m: 1.0 F1 at median asks 13.6931 - 4.1176 = 9.5755 m, 0.3 F1 at k_min 4.1079 + 2.5 = 6.6079 m.
    const std::vector<double> d = {0, 10, 20}, h = {0, 0, 0};
    const TerrainProfile flat{d, h};
    struct Row {
        double topM, medianFraction, minimumFraction, riseM;
    };
    for (const Row& r : {Row{10, 1.0, 0.3, 9.6}, Row{10, 0.0, 0.3, 6.7}, Row{10, 0.0, 0.0, 2.5}, Row{30, 1.0, 0.3, 0},
                         Row{19.5, 1.0, 0.3, 0.1}})
        EXPECT_DOUBLE_EQ(
            SmallestCommonRiseM(flat, Hop(20, r.topM, r.topM), 0.0375, 8500, r.medianFraction, 4000, r.minimumFraction),
            r.riseM)
            << r.topM << " " << r.medianFraction << " " << r.minimumFraction;
}

TEST(ObstructionKind, ARidgeIsIsolatedAndFlatGroundOrTwoRidgesAreExtended) {
    std::vector<double> d;
    for (int i = 0; i <= 40; ++i) d.push_back(i);
    auto extended = [&](const std::vector<double>& heights) {
        const TerrainProfile profile{d, heights};
        const HopGeometry g = AnalysePath(profile, 60, 60, 4500, 0.0375);
        return IsExtendedObstruction(profile, g, 4500, 0.0375);
    };
    std::vector<double> ridge(41, 0.0), flat(41, 0.0), twoRidges(41, 0.0);
    ridge[20] = 70;
    twoRidges[12] = 70;
    twoRidges[28] = 70;
    EXPECT_FALSE(extended(ridge));
    EXPECT_TRUE(extended(flat));  // the earth's bulge is the obstruction over the whole middle
    EXPECT_TRUE(extended(twoRidges));
}

TEST(ClearanceCase, FollowsTheObstructionInTheTemperateClimate) {
    using p530::ClearanceCase;
    struct Row {
        bool extended;
        ClearanceCase c;
        double fraction;
    };
    for (const Row& r :
         {Row{true, ClearanceCase::ExtendedObstruction, 0.3}, Row{false, ClearanceCase::SingleIsolatedObstacle, 0.0}}) {
        EXPECT_EQ(p530::ChooseClearanceCase(r.extended), r.c) << r.extended;
        EXPECT_DOUBLE_EQ(p530::ClearanceAtMinimumK(r.c), r.fraction);
    }
}

TEST(RefractivityLapse, ComesFromTheRadiusUsed) {
    // k = R/6370 = 157/(157 - dN): the 8500 km of a zero gradient is dN = 157 (1 - 6370/8500) = 39.342 N/km
    // (it was 0, which put the P.617 loss 0.23 * 39.3 = 9 dB too high); a gradient of 0.04 N/m gives 40.004.
    EXPECT_NEAR(RefractivityLapseOf(8500), 39.3424, 1e-4);
    EXPECT_NEAR(RefractivityLapseOf(6370 / (1 - 2 * 0.04 * 3.185)), 40.0036, 1e-4);
    EXPECT_DOUBLE_EQ(RefractivityLapseOf(6370), 0);
}

}  // namespace
}  // namespace vakrel
