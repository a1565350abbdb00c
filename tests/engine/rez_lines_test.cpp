// The layout of vakrel.rez lines: value field format, columns of coded lines, plain lines.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "codepage.h"
#include "hop_inputs.h"
#include "rez_lines.h"

namespace vakrel {
namespace {

TEST(CodedValue, FormatFollowsTheMagnitude) {
    struct Row {
        double value;
        const char* text;
    };
    for (const Row& r :
         {Row{0, "     0.000"}, Row{1, "     1.000"}, Row{142.97456, "   142.975"}, Row{99999.4, " 99999.400"},
          Row{-62.4541, "   -62.454"}, Row{0.5, "    0.5000"}, Row{-0.25, "   -0.2500"}, Row{0.0375, "   0.03750"},
          Row{0.005, "  0.005000"}, Row{0.001, "  0.001000"}, Row{0.000759, " 7.590E-04"},
          Row{1.23456e-5, " 1.235E-05"}, Row{1e5, " 1.000E+05"}, Row{-2.5e7, "-2.500E+07"}, Row{1.5e-300, "1.500E-300"},
          Row{-1.5e-300, "-1.50E-300"}})
        EXPECT_EQ(FormatCodedValue(r.value), r.text) << r.value;
}

TEST(RezText, CodedLineStandsInItsColumns) {
    RezText rez;
    rez.Coded(1, "Длина интервала, км", 42);
    rez.Coded(102, "x", 0.5);
    const std::string bytes = rez.bytes();
    const std::string first = bytes.substr(0, bytes.find("\r\n"));
    ASSERT_EQ(first.size(), 75u);
    EXPECT_EQ(first.substr(0, 6), "    1 ");
    EXPECT_EQ(first.substr(6, 19), Utf8ToCp866("Длина интервала, км"));
    EXPECT_EQ(first.substr(64, 1), " ");
    EXPECT_EQ(first.substr(65, 10), "    42.000");
    EXPECT_EQ(bytes.substr(first.size() + 2, 6), "  102 ");
}

TEST(RezText, LongLabelIsCutToItsField) {
    RezText rez;
    rez.Coded(200, std::string(80, 'a'), 3);
    const std::string line = rez.bytes().substr(0, rez.bytes().find("\r\n"));
    EXPECT_EQ(line.size(), 75u);
    EXPECT_EQ(line.substr(6, 58), std::string(58, 'a'));
    EXPECT_EQ(line.substr(64, 11), "      3.000");
}

// A word longer than a line is split at the width, its rest indented on the next line.
TEST(RezText, PlainLinesKeepDigitsOutOfTheCodeColumnsAndStayWithinTheWidth) {
    RezText rez;
    rez.Line("  12 строк");
    rez.Line("1234");
    rez.Line(std::string(90, 'x'));
    rez.Line();
    EXPECT_EQ(rez.bytes(), "     12 \xE1\xE2\xE0\xAE\xAA\r\n     1234\r\n" + std::string(76, 'x') + "\r\n" +
                               std::string(9, ' ') + std::string(14, 'x') + "\r\n\r\n");
}

}  // namespace
}  // namespace vakrel

namespace vakrel {
namespace {

// Inputs that drive a model out of its range (an earth radius of 600 000 km on a short hop gave a
// troposcatter loss of minus infinity) are refused: a reader could not take "-INF" as a number.
TEST(RezText, NonFiniteValuesAreRefusedNotWritten) {
    for (double bad : {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        RezText rez;
        EXPECT_THROW(rez.Coded(25, "Суммарные медианные потери на трассе, дБ", bad), InputError);
        EXPECT_TRUE(rez.bytes().empty());
    }
}

}  // namespace
}  // namespace vakrel

namespace vakrel {
namespace {

TEST(ReliabilityValue, ShowsTheOutageWithTwoDigitsAndNeverReadsHundredAboveZero) {
    // Decimals: ceil(-log10(100 - value)) + 1 within 3-7, cut, not rounded.
    struct Row {
        double value;
        const char* text;
    };
    for (const Row& r : {Row{99.99985, "  99.99985"}, Row{100, "   100.000"}, Row{99.99, "    99.990"},
                         Row{99.9994, "  99.99940"}, Row{100 - 1e-9, "99.9999999"}, Row{99.95, "    99.950"},
                         Row{50, "    50.000"}, Row{0, "     0.000"}, Row{99.9999848, " 99.999984"}})
        EXPECT_EQ(FormatReliabilityValue(r.value), r.text) << r.value;
}

TEST(RezText, LongTextIsWrappedWithinTheWidthAndKeepsEveryWord) {
    RezText rez;
    std::string text = "  Внимание:";
    for (int i = 0; i < 30; ++i) text += " слово" + std::to_string(i);
    rez.Line(text);
    const std::string utf8 = Cp866ToUtf8(rez.bytes());
    std::size_t lines = 0;
    for (std::size_t start = 0; start < rez.bytes().size(); ++lines) {
        const std::size_t end = rez.bytes().find("\r\n", start);
        EXPECT_LE(end - start, kRezWidth);
        start = end + 2;
    }
    EXPECT_GT(lines, 2u);
    for (int i = 0; i < 30; ++i) EXPECT_NE(utf8.find(" слово" + std::to_string(i)), std::string::npos) << i;
}

}  // namespace
}  // namespace vakrel
