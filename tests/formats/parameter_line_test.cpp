#include "parameter_line.h"

#include <gtest/gtest.h>

namespace vakrel {
namespace {

// A parameter line: a 65-character label, then `field` at columns 66-74 and on.
std::string Line(const std::string& field) { return std::string(65, '.') + field; }

TEST(ReadValueField, BlanksInTheLastThreePlacesAreZeros) {
    struct Row {
        std::string field;
        double value;
    };
    const Row rows[] = {
        {"   12.500", 12.5},
        {"   12.5  ", 12.5},
        {"     12  ", 1200},
        {"      7  ", 700},
        {"  -0.5   ", -0.5},
        {"         ", 0},
        {"", 0},
        {"   12.500 │", 12.5},
        {"  1.5E2  ",
         1.5e200},  // the zeros land in the exponent    {"  abc    ", 0},     {"  1,5    ", 0},     {"   nan   ", 0},
        {"   12.5", 12.5},  // a line that ends inside the field
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        EXPECT_DOUBLE_EQ(ReadValueField(Line(row.field)), row.value);
    }
    EXPECT_EQ(ReadValueField("short line"), 0);
}

TEST(WriteParameterLine, LabelFieldSuffix) {
    const std::string kept = std::string(65, 'L') + "   99.000   |tail";
    EXPECT_EQ(WriteParameterLine(kept, 12.5, "   |"), std::string(65, 'L') + "   12.500   |");
    EXPECT_EQ(WriteParameterLine(kept, -0.5, ""), std::string(65, 'L') + "   -0.500");
    // A value too wide for the field pushes the suffix one column right.
    EXPECT_EQ(WriteParameterLine(kept, 100000, "   |"), std::string(65, 'L') + "100000.000   |");
    // A short label is taken whole.
    EXPECT_EQ(WriteParameterLine("Short", 1, "x"), "Short    1.000x");
    EXPECT_EQ(SuffixOf(kept), "   |");
    EXPECT_EQ(SuffixOf(std::string(74, ' ')), "");
}

TEST(NameLine, ReadAndRebuild) {
    EXPECT_EQ(NameFromNameLine("Label:      Name"), "Name");
    EXPECT_EQ(NameFromNameLine("Label:"), "");
    EXPECT_EQ(NameFromNameLine("123456789012" + std::string(100, 'n')), std::string(68, 'n'));

    const std::string win = "\xC8\xEC\xFF";  // "Имя" in code page 1251
    // Any first byte but 0xCA: the name goes through WinToDos.
    EXPECT_EQ(RebuildNameLine("Label:      old", win), "Label:      \x88\xAC\xEF");
    EXPECT_EQ(RebuildNameLine("", win), "            \x88\xAC\xEF");
    // 0xCA first: the file is Windows text and keeps the name as it is.
    EXPECT_EQ(RebuildNameLine("\xCA"
                              "abel:      old",
                              win),
              "\xCA"
              "abel:      " +
                  win);
    // A short label is padded to 12 so that the name stands at column 13 and reads back whole.
    const std::string rebuilt = RebuildNameLine("Tip:", "NM");
    EXPECT_EQ(rebuilt, "Tip:        NM");
    EXPECT_EQ(NameFromNameLine(rebuilt), "NM");
    EXPECT_EQ(RebuildNameLine(rebuilt, NameFromNameLine(rebuilt)), rebuilt);
}

}  // namespace
}  // namespace vakrel
