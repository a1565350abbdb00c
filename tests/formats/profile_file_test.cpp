#include "profile_file.h"

#include <gtest/gtest.h>

#include "io_error.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

std::string Header() {
    std::string h;
    for (int i = 1; i <= 15; ++i) h += (i == 3 ? "Interval  : Name" : "header " + std::to_string(i)) + "\r\n";
    return h;
}

ProfileData Parse(const std::string& points) { return ParseProfile(Header() + points, "prf.idn"); }

std::string ErrorOf(const std::string& points) {
    try {
        Parse(points);
    } catch (const IoError& e) {
        return e.userMessage();
    }
    return "no error";
}

TEST(ReadProfile, HeightColumnAndTerminator) {
    auto p = Parse(
        "0 100 0 0\r\n"
        "1.234 160.5 2 10\r\n"
        "2.5 120 1 0 trailing words\r\n"
        "3 130 1 5\r\n"
        "0 0\r\n"
        "9 999 9 9\r\n");
    ASSERT_EQ(p.points.size(), 4u);
    EXPECT_EQ(p.header[2], "Interval  : Name");
    EXPECT_EQ(p.header[14], "header 15");
    EXPECT_DOUBLE_EQ(p.points[0].groundHeight, 100);
    EXPECT_DOUBLE_EQ(p.points[1].groundHeight, 150.5);  // top of objects less their height
    EXPECT_EQ(p.points[1].typeCode, 2);
    EXPECT_DOUBLE_EQ(p.points[3].groundHeight, 130);  // the last point carries its ground height
    EXPECT_DOUBLE_EQ(p.points[3].objectHeight, 5);
}

TEST(ReadProfile, EdgeCasesOfTheLayout) {
    // No terminator: every point to the end of the file.
    EXPECT_EQ(Parse("0 1 0 0\r\n1 2 0 0\r\n2 3 0 0").points.size(), 3u);
    // A second point at distance 0 ends the list at one point.
    EXPECT_EQ(Parse("0 1 0 0\r\n0 2 0 0\r\n2 3 0 0\r\n").points.size(), 1u);
    // Only the header: one point of zeros.
    auto empty = Parse("");
    ASSERT_EQ(empty.points.size(), 1u);
    EXPECT_EQ(empty.points[0].distance, 0);
    EXPECT_EQ(empty.points[0].groundHeight, 0);
    // One point and the terminator keeps the height column as ground height.
    auto single = Parse("0 50 1 10\r\n0 0\r\n");
    ASSERT_EQ(single.points.size(), 1u);
    EXPECT_DOUBLE_EQ(single.points[0].groundHeight, 50);
    // The four numbers may be spread over lines.
    auto spread = Parse("0\r\n10\r\n0\r\n0\r\n5 20\r\n1 2\r\n");
    ASSERT_EQ(spread.points.size(), 2u);
    EXPECT_DOUBLE_EQ(spread.points[1].groundHeight, 20);  // last point: 20 as written
    // A type code keeps its low eight bits.
    EXPECT_EQ(Parse("0 1 300 0\r\n").points[0].typeCode, 44);
    // Bare LF line ends: the rest of the file is one line, skipped after point 1.
    EXPECT_EQ(Parse("0 1 0 0\n1 2 0 0\n2 3 0 0\n").points.size(), 1u);
}

TEST(ReadProfile, BadNumbersAreRefused) {
    for (const char* bad : {"0 1 2.5 0", "0 nan 0 0", "0 1 0 inf", "0 0x10 0 0", "0 1,5 0 0", "0 1e999 0 0",
                            "0 1 0 0\r\n1 - 0 0", "\x01\x02garbage\xFF"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ErrorOf(bad), "Invalid numeric input.");
    }
    // A 1 MB line of blanks is only a long separator.
    EXPECT_EQ(ErrorOf("0 1 0 0" + std::string(1 << 20, ' ') + "\r\n1 2 0 0\r\n"), "no error");
    // A 1 MB run of digits overflows a double.
    EXPECT_EQ(ErrorOf("0 " + std::string(1 << 20, '7') + " 0 0\r\n"), "Invalid numeric input.");
}

std::string Points(int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += std::to_string(i) + " 100 0 0\r\n";
    return s + "0 0\r\n";
}

TEST(ReadProfile, AThousandPointsFitAndMoreAreRefused) {
    EXPECT_EQ(Parse(Points(1000)).points.size(), 1000u);
    EXPECT_EQ(ErrorOf(Points(1001)), "Профиль содержит более 1000 точек.");
}

TEST(WriteProfile, EditorLayoutRoundTrip) {
    ProfileData p = Parse("0 100 0 0\r\n1.234 160.5 2 10\r\n2 150.5 2 10\r\n0 0\r\n");
    test::TempDir dir;
    WriteProfileFile(dir.file("out.prf"), p, "New");
    const std::string written = dir.read("out.prf");
    const std::string body = written.substr(written.find("        0.000         100.00"));
    EXPECT_EQ(body,
              "        0.000         100.00           0              0.00\r\n"
              "        1.234         160.50           2             10.00\r\n"
              "        2.000         150.50           2             10.00\r\n"
              "        0.000           0.00\r\n");
    EXPECT_EQ(p.header[2], "Interval  : New");
    auto back = ReadProfileFile(dir.file("out.prf"));
    ASSERT_EQ(back.points.size(), 3u);
    EXPECT_DOUBLE_EQ(back.points[1].groundHeight, 150.5);
    EXPECT_DOUBLE_EQ(back.points[2].groundHeight, 150.5);
}

TEST(WriteProfile, CompactLayout) {
    ProfileData cut;
    cut.points = {{0, 101.25, 0, 0}, {0.5, 150.5, 1, 12}, {1.75, 99, 0, 0}};
    const std::string text = FormatProfileCompactLayout(cut);
    EXPECT_EQ(text.substr(15 * 2),
              "        0.00          101.25           0              0.00\r\n"
              "        0.50          162.50           1             12.00\r\n"
              "        1.75           99.00           0              0.00\r\n"
              "        0.0             0.0\r\n");
}

TEST(WriteProfile, NumbersWiderThanTheirFieldsStaySeparate) {
    // Each layout writes numbers too wide for their fields whole, one blank in front, so that
    // the file reads back to the same points instead of failing on a merged token.
    ProfileData p = Parse(
        "0 100 0 0\r\n"
        "123456789012 123456789012.5 2 1234567890123456\r\n"
        "123456789013 100 0 0\r\n");
    for (const std::string& written : {FormatProfileEditorLayout(p), FormatProfileCompactLayout(p)}) {
        SCOPED_TRACE(written);
        const ProfileData back = ParseProfile(written, "wide.prf");
        ASSERT_EQ(back.points.size(), 3u);
        EXPECT_DOUBLE_EQ(back.points[1].distance, 123456789012.0);
    }
    const ProfileData back = ParseProfile(FormatProfileEditorLayout(p), "wide.prf");
    EXPECT_EQ(back.points[1].typeCode, 2);
    EXPECT_DOUBLE_EQ(back.points[1].objectHeight, 1234567890123456.0);
    // The engine's buffer: two numbers a row.
    EXPECT_NE(FormatProfileBufferLayout(p).find("\r\n123456789012.00 123456789012.50\r\n"), std::string::npos);
}

TEST(WriteProfile, ExampleFileRoundTripsByteForByte) {
    const std::string original = test::ReadSourceFile(VAKREL_EXAMPLES "/prf.idn");
    ProfileData p = ParseProfile(original, "prf.idn");
    EXPECT_GE(p.points.size(), 100u);
    EXPECT_EQ(FormatProfileEditorLayout(p), original);
}

}  // namespace
}  // namespace vakrel
