#include "number_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vakrel {
namespace {

TEST(ParseNumber, AcceptsTheFileSyntaxOnly) {
    struct Row {
        const char* text;
        std::optional<double> value;
    };
    // clang-format off
    const Row rows[] = {
        {"12.5", 12.5},    {".5", 0.5},       {"5.", 5.0},     {"-0.5", -0.5},  {"+3", 3.0},
        {"   7", 7.0},     {"1e3", 1000.0},   {"1E-5", 1e-5},  {"2.5E+2", 250}, {"0", 0.0},
        {"1e-999", 0.0},   // underflow reads as the nearest double
        {"", std::nullopt},       {"-", std::nullopt},    {"+", std::nullopt},     {".", std::nullopt},
        {"1e", std::nullopt},     {"1e+", std::nullopt},  {"1.2.3", std::nullopt}, {"12 ", std::nullopt},
        {"12a", std::nullopt},    {"nan", std::nullopt},  {"inf", std::nullopt},   {"-INF", std::nullopt},
        {"0x10", std::nullopt},   {"1,5", std::nullopt},  {"1e999", std::nullopt}, {"--1", std::nullopt},
        {"1 2", std::nullopt},    {"e5", std::nullopt},
        // Too large despite a negative exponent: refused, not read as 0.
        {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "00000000000000000000000000000000000E-9", std::nullopt},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        auto parsed = ParseNumber(row.text);
        ASSERT_EQ(parsed.has_value(), row.value.has_value());
        if (row.value) EXPECT_DOUBLE_EQ(*parsed, *row.value);
    }
}

TEST(FormatFixed, PointAlignedAndWholeWhenWide) {
    EXPECT_EQ(FormatFixed(12.5, 9, 3), "   12.500");
    EXPECT_EQ(FormatFixed(-0.5, 9, 3), "   -0.500");
    EXPECT_EQ(FormatFixed(100000, 9, 3), "100000.000");
    EXPECT_EQ(FormatFixed(1.2345, 13, 3), "        1.234");  // 1.2345 is stored just below the half
    EXPECT_EQ(FormatFixed(-0.0004, 9, 3), "    0.000");      // no minus on a rounded zero
    EXPECT_EQ(FormatFixed(160.5, 15, 2), "         160.50");
}

TEST(FormatGeneral, FifteenDigitsLocaleSeparator) {
    struct Row {
        double value;
        const char* point;
        const char* comma;
    };
    const Row rows[] = {
        {0, "0", "0"},
        {37.5, "37.5", "37,5"},
        {12, "12", "12"},
        {-0.5, "-0.5", "-0,5"},
        {0.0001, "0.0001", "0,0001"},
        {0.00001, "1E-5", "1E-5"},
        {2.5e20, "2.5E20", "2,5E20"},
        {1e15, "1E15", "1E15"},
        {999999999999999, "999999999999999", "999999999999999"},
        {0.1 + 0.2, "0.3", "0,3"},  // 15 significant digits hide the binary tail
        {123456.789, "123456.789", "123456,789"},
        {-1.5e-7, "-1.5E-7", "-1,5E-7"},
        {8548.04, "8548.04", "8548,04"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.point);
        EXPECT_EQ(FormatGeneral(row.value, '.'), row.point);
        EXPECT_EQ(FormatGeneral(row.value, ','), row.comma);
    }
}

TEST(RoundToHundredths, HalvesToEvenInExtendedPrecision) {
    EXPECT_DOUBLE_EQ(RoundToHundredths(0.125), 0.12);  // an exact half: to the even hundredth
    EXPECT_DOUBLE_EQ(RoundToHundredths(0.135), 0.14);  // stored just above the half
    EXPECT_DOUBLE_EQ(RoundToHundredths(-1.006), -1.01);
    EXPECT_DOUBLE_EQ(RoundToHundredths(42), 42);
    EXPECT_DOUBLE_EQ(RoundToHundredths(41.0L - 1.005), 40);  // 1.005 is stored below itself
}

TEST(ApplyTypedValue, CellTypingRule) {
    struct Row {
        const char* typed;
        double value;  // held afterwards
        bool refused;  // the cell text is set back
    };
    const double held = 7.25;
    const Row rows[] = {
        {"12,5", 12.5, false}, {"12.", 12, false},  {"12,", 12, false},    {"1.2.3", held, true}, {"12a", held, true},
        {"1e3", 1000, false},  {"", 0, false},      {"-", held, true},     {"12 ", held, true},   {"-3", -3, false},
        {"+.5", 0.5, false},   {"nan", held, true}, {"1,2,3", held, true}, {"1e999", held, true}, {".", 0, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        auto result = ApplyTypedValue(row.typed, held, ',');
        EXPECT_DOUBLE_EQ(result.value, row.value);
        EXPECT_EQ(result.revertText.has_value(), row.refused);
        if (row.refused) EXPECT_EQ(*result.revertText, "7,25");
    }
}

}  // namespace
}  // namespace vakrel
