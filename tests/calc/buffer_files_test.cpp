#include "buffer_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cstdio>
#include <filesystem>

#include "hop_cut.h"
#include "hop_model.h"
#include "io_error.h"
#include "source_data_save.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

HopModel ModelWithPoints(std::vector<ProfilePoint> points) {
    HopModel model;
    for (int i = 0; i < kProfileHeaderLines; ++i) model.profile.header[i] = "h" + std::to_string(i + 1);
    model.profile.points = std::move(points);
    model.antennas.position1 = 0;
    model.antennas.position2 = model.profile.points.back().distance;
    return model;
}

std::string Body(const std::string& file) {
    std::size_t pos = 0;
    for (int i = 0; i < kProfileHeaderLines; ++i) pos = file.find("\r\n", pos) + 2;
    return file.substr(pos);
}

TEST(BufferProfile, CutBetweenTheAntennas) {
    HopModel model =
        ModelWithPoints({{0, 100, 0, 0}, {1, 110, 1, 10}, {2, 120, 2, 0}, {2.5, 120, 1, 15}, {4, 90, 0, 0}});
    // Antennas at the ends: every inner point with its height column, ground heights at the ends.
    EXPECT_EQ(Body(FormatProfileBufferLayout(CutBetweenAntennas(model))),
              "        0.00          100.00\r\n"
              "        1.00          120.00\r\n"
              "        2.00          120.00\r\n"
              "        2.50          135.00\r\n"
              "        4.00           90.00\r\n"
              "        0.0             0.0\r\n");
    // Antenna 1 at 2.00 km stands on a point, which the start row replaces.
    model.antennas.position1 = 2.0;
    model.antennas.position2 = 3.0;
    EXPECT_EQ(Body(FormatProfileBufferLayout(CutBetweenAntennas(model))),
              "        0.00          120.00\r\n"
              "        0.50          135.00\r\n"
              "        1.00          110.00\r\n"
              "        0.0             0.0\r\n");
    // The compact layout of Save carries the objects of the inner points.
    EXPECT_EQ(Body(FormatProfileCompactLayout(CutBetweenAntennas(model))),
              "        0.00          120.00           0              0.00\r\n"
              "        0.50          135.00           1             15.00\r\n"
              "        1.00          110.00           0              0.00\r\n"
              "        0.0             0.0\r\n");
    // Two points: start row, end row, terminator.
    HopModel two = ModelWithPoints({{0, 5, 0, 0}, {1.5, 7, 0, 0}});
    EXPECT_EQ(Body(FormatProfileBufferLayout(CutBetweenAntennas(two))),
              "        0.00            5.00\r\n        1.50            7.00\r\n        0.0             0.0\r\n");
}

TEST(BufferFiles, WrittenTwiceAlikeWithTheAntennaHeights) {
    test::TempDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));
    HopModel model = ModelWithPoints({{0, 100, 0, 0}, {1, 110, 1, 10}, {2, 90, 0, 0}});
    model.station = ParseStationFile(test::ReadSourceFile(VAKREL_EXAMPLES "/ttx.idn"));
    model.stationParam(kAntenna1HeightParam) = 31.5;
    model.stationParam(kAntenna2HeightParam) = 12;
    WriteBufferFiles(model);
    const std::string prf = dir.read("buf.prf"), ttx = dir.read("buf.ttx");
    WriteBufferFiles(model);
    EXPECT_EQ(dir.read("buf.prf"), prf);
    EXPECT_EQ(dir.read("buf.ttx"), ttx);

    EXPECT_EQ(model.stationParam(kAntenna1HeightParam), 31.5);
    const StationFile written = ParseStationFile(ttx);
    EXPECT_DOUBLE_EQ(written.params[4], 31.5);
    EXPECT_DOUBLE_EQ(written.params[9], 12);
    EXPECT_EQ(written.lines[2], model.station.lines[2]);  // the name line as kept
    QDir::setCurrent(previous);
}

TEST(SaveAsSourceData, CutBecomesTheWorkingSetOrNothingChanges) {
    test::TempDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));
    HopModel model = ModelWithPoints({{0, 100, 0, 0}, {1, 110, 0, 0}, {5, 120, 1, 10}, {9, 130, 0, 0}, {12, 90, 0, 0}});
    model.station = ParseStationFile(test::ReadSourceFile(VAKREL_EXAMPLES "/ttx.idn"));
    model.antennas.position1 = 1;
    model.antennas.position2 = 9;
    model.stationParam(kAntenna1HeightParam) = 20;
    model.stationParam(kAntenna2HeightParam) = 22;

    SaveCutAsSourceData(model);
    const ProfileData saved = ReadProfileFile("prf.idn");
    ASSERT_EQ(saved.points.size(), 3u);
    EXPECT_DOUBLE_EQ(saved.points[0].groundHeight, 110);
    EXPECT_DOUBLE_EQ(saved.points[1].distance, 4);
    EXPECT_DOUBLE_EQ(saved.points[1].groundHeight, 120);
    EXPECT_DOUBLE_EQ(saved.points[2].distance, 8);
    EXPECT_DOUBLE_EQ(saved.points[2].groundHeight, 130);
    EXPECT_DOUBLE_EQ(LoadStationFile("ttx.idn").params[9], 22);
    EXPECT_EQ(model.profile.points.size(), 5u);  // the model keeps the old profile

    // ttx.idn cannot be replaced (a folder stands there): prf.idn keeps its bytes too.
    const std::string prfBefore = dir.read("prf.idn");
    std::remove(dir.file("ttx.idn").c_str());
    std::filesystem::create_directory(dir.file("ttx.idn"));
    model.antennas.position2 = 5.5;
    EXPECT_THROW(SaveCutAsSourceData(model), IoError);
    EXPECT_EQ(dir.read("prf.idn"), prfBefore);
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace vakrel
