// The ITU-R validation examples built into the engine (transcribed in engine/itu_validation_tables.cpp
// from the ITU-R SG3 validation workbook, the delta-Bullington validation examples and the P.452-18
// reference results, with worked values for P.530-19 eq (4) and P.841 both ways): every figure within
// 0.1 dB for losses and 0.1 % for coefficients.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "itu_validation.h"

namespace vakrel::validation {
namespace {

class ItuValidation : public testing::TestWithParam<Check> {};

TEST_P(ItuValidation, MeetsTheReferenceFigure) {
    const Check& c = GetParam();
    EXPECT_NEAR(c.actual, c.expected, c.tolerance) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Examples, ItuValidation, testing::ValuesIn(RunAll()),
                         [](const testing::TestParamInfo<Check>& info) { return "case" + std::to_string(info.index); });

TEST(ItuValidationSet, CoversEveryValidatedModel) {
    std::set<std::string> models;
    for (const Check& c : RunAll()) models.insert(c.name.substr(0, c.name.find(' ', 2)));
    EXPECT_EQ(models, (std::set<std::string>{"P.838-3", "P.676-13", "P.837-7", "P.526", "P.530-19", "P.841-6"}));
    EXPECT_GE(RunAll().size(), 250u);
}

TEST(ItuValidationSet, ToleranceRejectsAFigureJustOutside) {
    EXPECT_TRUE((Check{"x", 10.0, 10.09, 0.1}).passed());
    EXPECT_FALSE((Check{"x", 10.0, 10.11, 0.1}).passed());
    EXPECT_FALSE((Check{"x", 10.0, 9.89, 0.1}).passed());
}

}  // namespace
}  // namespace vakrel::validation
