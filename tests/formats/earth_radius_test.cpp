#include "earth_radius.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vakrel {
namespace {

TEST(DeriveEarthRadius, RegionsMonthsAndFallbacks) {
    struct Row {
        int month, region;
        double gradient, coefficient;
        double radius;  // km, to 0.01
        int monthAfter;
        double gradientAfter;
    };
    const Row rows[] = {
        {6, 5, 0.0, 0, 8548.04, 6, 0.040},    // region 5, any month
        {0, 10, 0.0, 0, 8131.02, 4, 0.034},   // undetermined month: smallest gradient, earliest month
        {13, 10, 0.0, 0, 8131.02, 4, 0.034},  // 13 is undetermined too
        {1, 10, 0.07, 0, 9525.09, 1, 0.052},  // the table wins over the file
        {7, 0, 0.0, 0, 8500.00, 7, 0.0},      // non-typical, gradient 0
        {7, 0, 0.041, 0, 8621.74, 7, 0.041},     {7, 22, 0.041, 0, 8621.74, 7, 0.041},  // region 22 is non-typical
        {7, 0, 0.041, 1.333, 8491.21, 7, 0.041},                                        // a coefficient wins
        {7, 0, 0.041, -1, 8621.74, 7, 0.041},  // a coefficient of 0 or below falls back
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "region " << row.region << " month " << row.month);
        Refraction r{row.month, row.region, row.gradient, row.coefficient};
        EXPECT_NEAR(DeriveEarthRadius(r), row.radius, 0.005);
        EXPECT_EQ(r.month, row.monthAfter);
        EXPECT_DOUBLE_EQ(r.gradient, row.gradientAfter);
    }
}

TEST(DeriveEarthRadius, UnusableRadiusAndIntegerTruncation) {
    Refraction steep{1, 0, 0.157, 0};
    EXPECT_FALSE(IsUsableRadius(DeriveEarthRadius(steep)));  // the denominator turns negative
    Refraction zero{1, 0, 1.0 / 6.37, 0};
    EXPECT_FALSE(IsUsableRadius(DeriveEarthRadius(zero)));
    EXPECT_TRUE(IsUsableRadius(8500));
    EXPECT_FALSE(IsUsableRadius(std::nan("")));
    EXPECT_EQ(TruncateToInt(12.9), 12);
    EXPECT_EQ(TruncateToInt(-0.5), 0);
    EXPECT_EQ(TruncateToInt(3.7), 3);
    EXPECT_EQ(TruncateToInt(1e12), 0);
    EXPECT_EQ(TruncateToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace vakrel
