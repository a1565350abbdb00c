// Path geometry and the reflected ray, against hand derivations on simple hops.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hop_geometry.h"
#include "p525_free_space.h"
#include "reflection.h"

namespace vakrel {
namespace {

struct Hop {
    std::vector<double> d, h;
    TerrainProfile profile() const { return {d, h}; }
};

TEST(HopGeometry, ClearanceOfAHillInTheMiddle) {
    // 20 km over flat ground at 0 m with a 10 m hill at 10 km, antenna tops at 30 m, R 8500 km, 8 GHz:
    // bulge 1000*10*10/17000 = 5.88235 m, H = 30 - 10 - 5.88235 = 14.1176 m,
    // H0 = sqrt(lambda 20000 0.25 / 3) = 7.90296 m, p = 1.78637.
    const Hop hop{{0, 5, 10, 15, 20}, {0, 0, 10, 0, 0}};
    const HopGeometry g = AnalysePath(hop.profile(), 30, 30, 8500, WavelengthM(8000));
    EXPECT_DOUBLE_EQ(g.critical.distanceKm, 10);
    EXPECT_NEAR(g.critical.clearanceM, 14.1176, 1e-4);
    EXPECT_NEAR(g.critical.zoneRadiusM, 7.90296, 1e-4);
    EXPECT_NEAR(g.critical.relative, 1.78637, 1e-4);
    EXPECT_EQ(g.pathClass, PathClass::Open);
    EXPECT_FALSE(g.second.has_value());
}

TEST(HopGeometry, PathClassFollowsTheRelativeClearance) {
    // The hill height that gives p = 1, 0 and below on the hop above: h = 30 - 5.88235 - p H0.
    struct Row {
        double hill;
        PathClass expected;
    };
    const double h0 = 7.90296;
    for (const Row& r : {Row{24.1176 - 1.001 * h0, PathClass::Open}, Row{24.1176 - 0.999 * h0, PathClass::SemiOpen},
                         Row{24.1, PathClass::SemiOpen}, Row{24.2, PathClass::Closed}, Row{80, PathClass::Closed}}) {
        const Hop hop{{0, 5, 10, 15, 20}, {0, 0, r.hill, 0, 0}};
        EXPECT_EQ(AnalysePath(hop.profile(), 30, 30, 8500, WavelengthM(8000)).pathClass, r.expected) << r.hill;
    }
}

TEST(HopGeometry, SecondObstacleIsTheWorstPointOfAnotherRun) {
    // Two hills inside the minimum zone, separated by clear ground: the worse is critical, the other second.
    const Hop hop{{0, 4, 5, 6, 10, 14, 15, 16, 20}, {0, 0, 22, 0, 0, 0, 25, 0, 0}};
    const HopGeometry g = AnalysePath(hop.profile(), 30, 30, 8500, WavelengthM(8000));
    EXPECT_DOUBLE_EQ(g.critical.distanceKm, 15);
    ASSERT_TRUE(g.second.has_value());
    EXPECT_DOUBLE_EQ(g.second->distanceKm, 5);
}

TEST(HopGeometry, TwoRowsMeasureAtTheMiddleOfTheStraightGround) {
    const Hop hop{{0, 20}, {0, 10}};
    const HopGeometry g = AnalysePath(hop.profile(), 30, 40, 8500, WavelengthM(8000));
    EXPECT_DOUBLE_EQ(g.critical.distanceKm, 10);
    EXPECT_NEAR(g.critical.clearanceM, 35 - 5 - 5.88235, 1e-4);
}

TEST(HopGeometry, HorizonAnglesOfATransHorizonPath) {
    // A 200 m ridge at 10 km of a 60 km hop, antennas at 50 m: from antenna 1 the ridge stands at
    // (200 - 50)/10 - 500*10/8500 = 14.4118 mrad, from antenna 2 at 150/50 - 500*50/8500 = 0.058824 mrad.
    const Hop hop{{0, 10, 60}, {0, 200, 0}};
    const HopGeometry g = AnalysePath(hop.profile(), 50, 50, 8500, WavelengthM(2000));
    EXPECT_NEAR(g.txHorizonMrad, 14.4118, 1e-4);
    EXPECT_NEAR(g.rxHorizonMrad, 0.058824, 1e-6);
    EXPECT_EQ(g.pathClass, PathClass::Closed);
}

TEST(Reflection, FlatEarthTwoRayGeometry) {
    // A nearly flat earth (R 1e9 km), d 10 km, both antennas 50 m: the point at 5 km,
    // psi = atan(100/10000), path difference 2 h1 h2 / d = 0.5 m, divergence 1.
    const ReflectionGeometry ray = ReflectionPoint(10, 50, 50, 1e9);
    ASSERT_TRUE(ray.exists);
    EXPECT_NEAR(ray.pointKm, 5, 1e-6);
    EXPECT_NEAR(ray.grazingRad, 0.00999967, 1e-8);
    EXPECT_NEAR(ray.pathDifferenceM, 0.5, 1e-6);
    EXPECT_NEAR(ray.divergence, 1, 1e-6);
    // Unequal heights move the point toward the lower antenna: d1/d2 = h1/h2 on a flat earth.
    EXPECT_NEAR(ReflectionPoint(10, 20, 80, 1e9).pointKm, 2, 1e-6);
}

TEST(Reflection, CurvedEarthDivergesAndShortensThePathDifference) {
    const ReflectionGeometry flat = ReflectionPoint(40, 60, 60, 1e9);
    const ReflectionGeometry curved = ReflectionPoint(40, 60, 60, 8500);
    EXPECT_LT(curved.divergence, 1);
    EXPECT_LT(curved.pathDifferenceM, flat.pathDifferenceM);
    EXPECT_FALSE(ReflectionPoint(80, 20, 20, 8500).exists);  // the point lies beyond the horizons
}

TEST(Reflection, InterferenceFactorOfTwoRays) {
    // A perfect reflector (-1) without divergence or roughness: |1 - e^(-j 2 pi delta / lambda)|.
    struct Row {
        double delta, db;
    };
    const double lambda = 0.1;
    for (const Row& r : {Row{0.05, 20 * std::log10(2.0)}, Row{0.025, 20 * std::log10(std::sqrt(2.0))}, Row{0.1, -60}})
        EXPECT_NEAR(InterferenceFactorDb(-1, 1, 1, r.delta, lambda), r.db, 1e-6) << r.delta;
    // Half the reflected field at the in-phase point: 20 log 1.5.
    EXPECT_NEAR(InterferenceFactorDb(-1, 0.5, 1, 0.05, lambda), 20 * std::log10(1.5), 1e-9);
}

TEST(Reflection, RoughnessFactorIsTheAmentFactorForASmallCorrelationRadius) {
    // sigma 1 m, psi 0.01 rad, lambda 0.1 m: exp(-2 (2 pi 1 sin 0.01 / 0.1)^2) = 0.454077.
    const ReflectionGeometry ray = ReflectionPoint(10, 50, 50, 1e9);
    const double ament = std::exp(-2 * std::pow(2 * M_PI * std::sin(ray.grazingRad) / 0.1, 2));
    EXPECT_NEAR(RoughnessFactor({1, 0}, ray, 10, 0.1), ament, 1e-9);
    EXPECT_NEAR(ament, 0.454077, 1e-5);
    EXPECT_DOUBLE_EQ(RoughnessFactor({1, 1e6}, ray, 10, 0.1), 1.0);  // facets larger than the Fresnel zone
    EXPECT_DOUBLE_EQ(RoughnessFactor({0, 0}, ray, 10, 0.1), 1.0);
}

}  // namespace
}  // namespace vakrel
