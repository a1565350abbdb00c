#include "station_file.h"

#include <gtest/gtest.h>

#include "codepage.h"
#include "parameter_line.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

TEST(StationFile, ExampleRoundTripsByteForByte) {
    const std::string original = test::ReadSourceFile(VAKREL_EXAMPLES "/ttx.idn");
    StationFile file = ParseStationFile(original);
    EXPECT_DOUBLE_EQ(file.params[4], 30);     // antenna 1 height
    EXPECT_DOUBLE_EQ(file.params[9], 25);     // antenna 2 height
    EXPECT_DOUBLE_EQ(file.params[10], 8000);  // frequency
    EXPECT_EQ(FormatStationFile(file), original);

    // Through the editor's path: the name as the user sees it goes back unchanged.
    test::TempDir dir;
    const std::string name = DosToWin(NameFromNameLine(file.lines[2]), WindowsTest::Full, false);
    SaveStationFile(dir.file("ttx.idn"), file, name);
    EXPECT_EQ(dir.read("ttx.idn"), original);
    // Saving twice writes the same file twice.
    SaveStationFile(dir.file("ttx.idn"), file, name);
    EXPECT_EQ(dir.read("ttx.idn"), original);
}

TEST(StationFile, ShortFilesSuffixesAndLabels) {
    // Fewer than 30 lines: missing lines are empty and read as 0.
    StationFile shortFile = ParseStationFile("a\r\nb\r\nName:       X\r\n");
    EXPECT_EQ(shortFile.lines[29], "");
    EXPECT_EQ(shortFile.params[14], 0);

    // Line 14 ends at column 74: no suffix, every parameter line 74 characters wide.
    std::string bytes;
    for (int i = 1; i <= 13; ++i) bytes += "h" + std::to_string(i) + "\r\n";
    bytes += std::string(65, '.') + "    1.000\r\n";
    bytes += "short label\r\n";  // a label shorter than 65 characters
    for (int i = 16; i <= 30; ++i) bytes += "l" + std::to_string(i) + "\r\n";
    StationFile file = ParseStationFile(bytes);
    EXPECT_DOUBLE_EQ(file.params[0], 1);
    file.params[1] = 2.5;
    const std::string out = FormatStationFile(file);
    EXPECT_NE(out.find(std::string(65, '.') + "    1.000\r\n"), std::string::npos);
    EXPECT_NE(out.find("short label    2.500\r\n"), std::string::npos);
    // Lines after 30 are not written.
    EXPECT_EQ(ParseStationFile(bytes + "extra\r\n").lines[29], "l30");
    EXPECT_EQ(FormatStationFile(ParseStationFile(bytes + "extra\r\n")).find("extra"), std::string::npos);
}

TEST(StationFile, WindowsMarkerKeepsTheName) {
    StationFile file;
    file.lines[2] = "\xCA\xEE\xE4:        old";  // "Код:" in code page 1251
    test::TempDir dir;
    SaveStationFile(dir.file("w.ttx"), file, "\xD0\xD0\xD1");
    EXPECT_EQ(file.lines[2], "\xCA\xEE\xE4:        \xD0\xD0\xD1");
    EXPECT_EQ(LoadStationFile(dir.file("w.ttx")).lines[2], file.lines[2]);
}

}  // namespace
}  // namespace vakrel
