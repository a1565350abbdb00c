// vakrel-profile as a user runs it: the file it writes reads back through the profile reader
// with both ends and the sources in its header; a refusal or a wrong command line writes
// nothing and leaves an existing file as it was.

#include <gtest/gtest.h>

#include <cmath>

#include "codepage.h"
#include "elevation_profile.h"
#include "profile_file.h"
#include "profile_program_run.h"
#include "temp_dir.h"
#include "test_rasters.h"

namespace vakrel {
namespace {

const test::Surface kPlane = [](double lat, double lon) { return 100 + 2000 * (lon - 37) + 3000 * (lat - 55.7); };

struct ProfileProgram : testing::Test {
    test::TempDir dir;
    std::string plane = dir.file("plane.tif");
    std::string cover = dir.file("cover.tif");
    std::string output = dir.file("prf.idn");
    void SetUp() override {
        const test::GridSpec grid{37.0, 56.0, 0.001, 500, 300, "WGS84", std::nullopt};
        test::WriteGeoTiff(plane, grid, kPlane);
        test::WriteGeoTiff(
            cover, grid, [](double, double lon) { return lon < 37.25 ? 50 : 30; }, true);
    }
    std::string Header(const ProfileData& data, int line) { return Cp866ToUtf8(data.header[line - 1]); }
};

TEST_F(ProfileProgram, WritesAProfileTheReaderTakes) {
    const test::ProgramRun run =
        test::RunProfileProgram(dir, {"--from", "55.8,37.05", "--to", "55.9,37.45", "--dem", plane, "--landcover",
                                      cover, "--name", "Березовка - Каменка", "-o", output});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const ProfileData read = ReadProfileFile(output);
    EXPECT_EQ(Header(read, 3), "Интервал  : Березовка - Каменка");
    EXPECT_NE(Header(read, 4).find("55.800000, 37.050000"), std::string::npos);
    EXPECT_NE(Header(read, 5).find("55.900000, 37.450000"), std::string::npos);
    EXPECT_NE(Header(read, 7).find(plane), std::string::npos);
    EXPECT_NE(Header(read, 8).find(cover), std::string::npos);

    ProfileRequest request;
    request.from = {55.8, 37.05};
    request.to = {55.9, 37.45};
    request.demPaths = {plane};
    request.landCoverPath = cover;
    const auto built = BuildProfile(request).data.points;
    ASSERT_EQ(read.points.size(), built.size());
    for (std::size_t i = 0; i < built.size(); ++i) {
        EXPECT_NEAR(read.points[i].distance, built[i].distance, 0.0005);
        EXPECT_NEAR(read.points[i].groundHeight, built[i].groundHeight, 0.01);
        EXPECT_EQ(read.points[i].typeCode, built[i].typeCode);
        EXPECT_EQ(read.points[i].objectHeight, built[i].objectHeight);
    }
    EXPECT_EQ(read.points[1].typeCode, 3);  // built-up at the western end
    EXPECT_EQ(read.points[built.size() - 2].typeCode, 0);
    const std::string bytes = dir.read("prf.idn");
    EXPECT_EQ(bytes.substr(bytes.size() - 30), "        0.000           0.00\r\n");
}

TEST_F(ProfileProgram, NameDefaultsToBothEndsAndProgressLines) {
    const test::ProgramRun run =
        test::RunProfileProgram(dir, {"--from", "55.8,37.05", "--to", "55.9,37.45", "--dem", plane, "--max-points",
                                      "10", "--progress", "-o", output});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Header(ReadProfileFile(output), 3), "Интервал  : 55.800000,37.050000 - 55.900000,37.450000");
    EXPECT_EQ(run.out, "10%\n20%\n30%\n40%\n50%\n60%\n70%\n80%\n90%\n100%\n");
}

TEST_F(ProfileProgram, RefusedRunsLeaveTheOldFile) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string said;
    } cases[] = {
        {{"--from", "55.8,37.05", "--to", "55.9,37.6", "--dem", plane}, 1, "вне всех растров высот"},
        {{"--from", "55.8,37.05", "--to", "55.9,37.45", "--dem", dir.file("none.hgt")}, 1, "none.hgt: файл не найден"},
        {{"--from", "55.8,37.05", "--to", "55.9,37.45", "--dem", plane, "--max-points", "1001"}, 1, "2...1000"},
        {{"--from", "55.8;37.05", "--to", "55.9,37.45", "--dem", plane}, 2, "--from 55.8;37.05"},
        {{"--from", "55.8,37.05", "--dem", plane}, 2, "--to"},
        {{"--from", "55.8,37.05", "--to", "55.9,37.45", "--dem", plane, "--frmo", "1"}, 2, "--frmo"},
    };
    for (const auto& c : cases) {
        dir.write("prf.idn", "the old profile\r\n");
        auto args = c.args;
        args.insert(args.end(), {"-o", output});
        const test::ProgramRun run = test::RunProfileProgram(dir, args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.said;
        EXPECT_EQ(run.err.rfind("vakrel-profile: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        EXPECT_EQ(dir.read("prf.idn"), "the old profile\r\n");
    }
}

TEST_F(ProfileProgram, HelpAndVersion) {
    EXPECT_EQ(test::RunProfileProgram(dir, {"--version"}).out, std::string("vakrel-profile ") + VAKREL_VERSION + "\n");
    const test::ProgramRun help = test::RunProfileProgram(dir, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--from", "--to", "--dem", "--landcover", "--name", "--max-points", "-o"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace vakrel
