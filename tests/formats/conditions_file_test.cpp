#include "conditions_file.h"

#include <gtest/gtest.h>

#include "earth_radius.h"
#include "station_file.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

TEST(ConditionsFile, ExampleRoundTripsAndSavesTwiceAlike) {
    const std::string original = test::ReadSourceFile(VAKREL_EXAMPLES "/rrv.idn");
    ConditionsFile file = ParseConditionsFile(original);
    EXPECT_EQ(TruncateToInt(file.params[2]), 7);   // month
    EXPECT_EQ(TruncateToInt(file.params[3]), 10);  // region
    EXPECT_EQ(FormatConditionsFile(file), original);

    file.params[0] = 0;
    test::TempDir dir;
    SaveConditionsFile(dir.file("a.rrv"), file, "Name");
    const std::string first = dir.read("a.rrv");
    SaveConditionsFile(dir.file("a.rrv"), file, "Name");
    EXPECT_EQ(dir.read("a.rrv"), first);
    EXPECT_NE(first.find("    0.000   "), std::string::npos);
    EXPECT_EQ(LoadConditionsFile(dir.file("a.rrv")).params[0], 0);
}

TEST(ConditionsFile, AStationFileReadsWithoutErrorFromTheWrongLines) {
    const std::string station = test::ReadSourceFile(VAKREL_EXAMPLES "/ttx.idn");
    ConditionsFile file = ParseConditionsFile(station);
    // Conditions parameter 1 stands on line 15, which holds station parameter 2 (43 dB).
    EXPECT_DOUBLE_EQ(file.params[0], ParseStationFile(station).params[1]);
    EXPECT_EQ(file.lines[30], "");
}

}  // namespace
}  // namespace vakrel
