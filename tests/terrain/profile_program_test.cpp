// vakrel-profile as a user runs it: the file it writes reads back through the profile reader
// with both ends and the sources in its header; a refusal or a wrong command line writes
// nothing and leaves an existing file as it was; a raster it must not trust (heights that are no
// terrain, sources on the network, pipes) is refused without hanging and without writing.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <limits>

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

// Every row is run as a program with a time limit, so that a hang fails the row. No row needs
// the network: sources on it must be refused before any connection.
TEST_F(ProfileProgram, RastersItMustNotTrustAreRefusedAndNothingIsWritten) {
    const auto constant = [&](const std::string& name, double metres) {
        const test::GridSpec grid{37.0, 56.0, 0.001, 500, 300, "WGS84", std::nullopt};  // no nodata
        test::WriteGeoTiff(dir.file(name), grid, [=](double, double) { return metres; });
        return dir.file(name);
    };
    // NaN only in the column west of the first point's nearest cell: one of its four cells.
    const test::GridSpec grid{37.0, 56.0, 0.001, 500, 300, "WGS84", std::nullopt};
    test::WriteGeoTiff(dir.file("nan_beside.tif"), grid, [](double lat, double lon) {
        return lon > 37.049 && lon < 37.050 ? std::numeric_limits<double>::quiet_NaN() : kPlane(lat, lon);
    });
    const auto vrt = [&](const std::string& name, const std::string& source, bool relative) {
        dir.write(name,
                  "<VRTDataset rasterXSize=\"500\" rasterYSize=\"300\"><SRS>EPSG:4326</SRS>"
                  "<GeoTransform>37, 0.001, 0, 56, 0, -0.001</GeoTransform>"
                  "<VRTRasterBand dataType=\"Float32\" band=\"1\"><SimpleSource><SourceFilename relativeToVRT=\"" +
                      std::string(relative ? "1" : "0") + "\">" + source +
                      "</SourceFilename><SourceBand>1</SourceBand></SimpleSource></VRTRasterBand></VRTDataset>");
        return dir.file(name);
    };
    ASSERT_EQ(::mkfifo(dir.file("pipe.tif").c_str(), 0600), 0);
    test::WriteGeoTiff(dir.file("side.tif"), grid, kPlane);
    ASSERT_EQ(::mkfifo(dir.file("side.tif.aux.xml").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.file("dem"));
    vrt("dem/remote.vrt", "/vsicurl/http://127.0.0.1:9/dem.tif", false);

    const double inf = std::numeric_limits<double>::infinity();
    const std::string first = "точка пути 55.800000,37.050000";
    const std::string range = "вне пределов -500...9000 м";
    const std::string local = "читаются только локальные файлы";
    const struct {
        const char* name;
        std::string dem;
        std::vector<std::string> said;
        std::string from = "55.8,37.05";
    } rows[] = {
        {"float fill value", constant("fill.tif", 3.4e38), {first, "высота 3.4e+38 м", range}},
        {"negative fill value", constant("negfill.tif", -3.4e38), {first, "-3.4e+38 м", range}},
        {"infinity", constant("inf.tif", inf), {first, "inf м", range}},
        {"NaN", constant("nan.tif", std::numeric_limits<double>::quiet_NaN()), {first, "не число (NaN)"}},
        {"NaN among the four cells",
         dir.file("nan_beside.tif"),
         {"точка пути 55.800000,37.050200", "NaN"},
         "55.8,37.0502"},
        {"1e29", constant("e29.tif", 1e29), {first, "высота 1e+29 м", range}},
        {"9500 m", constant("high.tif", 9500), {first, "высота 9500 м", range}},
        {"-600 m", constant("low.tif", -600), {first, "высота -600 м", range}},
        {"VRT with a /vsicurl/ source",
         vrt("curl.vrt", "/vsicurl/http://127.0.0.1:9/dem.tif", false),
         {dir.file("curl.vrt"), "/vsicurl/http://127.0.0.1:9/dem.tif", local}},
        {"VRT with an http source",
         vrt("http.vrt", "http://127.0.0.1:9/dem.tif", false),
         {dir.file("http.vrt"), "http://127.0.0.1:9/dem.tif", local}},
        {"VRT of a folder with a /vsicurl/ source", dir.file("dem"), {dir.file("dem/remote.vrt"), "/vsicurl/", local}},
        {"VRT whose source is a FIFO",
         vrt("fifo.vrt", "pipe.tif", true),
         {dir.file("fifo.vrt"), dir.file("pipe.tif"), "не обычный файл"}},
        {"a FIFO as the elevation raster", dir.file("pipe.tif"), {dir.file("pipe.tif"), "не обычный файл"}},
        {"a FIFO GDAL would open beside the raster",
         dir.file("side.tif"),
         {dir.file("side.tif"), "side.tif.aux.xml", "канал или устройство"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(output);
        const test::ProgramRun run = test::RunProfileProgram(
            dir, {"--from", row.from, "--to", "55.9,37.45", "--dem", row.dem, "-o", output}, 20);
        EXPECT_FALSE(run.timedOut) << "hangs";
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_EQ(run.err.rfind("vakrel-profile: ", 0), 0u) << run.err;
        for (const std::string& part : row.said) EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
        EXPECT_FALSE(dir.exists("prf.idn"));
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
