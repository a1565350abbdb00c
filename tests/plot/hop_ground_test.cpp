// The ground under the antennas is one rule of the profile: what the cut for Save and "Подг" takes
// is what the picture stands the masts on.

#include "hop_ground.h"

#include <gtest/gtest.h>

#include <QImage>

#include "hop_model.h"
#include "profile_plot.h"

namespace vakrel {
namespace {

TEST(GroundUnderAntenna, IsWhatThePictureStandsTheMastsOn) {
    HopModel m;
    m.profile.points = {{0, 100, 0, 0}, {2, 140, 1, 15}, {5, 110, 0, 0}, {9, 130, 3, 10}, {12, 90, 0, 0}};
    m.stationParam(kAntenna1HeightParam) = 20;
    m.stationParam(kAntenna2HeightParam) = 25;
    m.stationParam(kFrequencyParam) = 8000;
    m.effectiveEarthRadius = 8500;
    struct Row {
        const char* name;
        double position1, position2;
        double ground1, ground2;  // by hand: linear between the points, objects not counted
    };
    const Row rows[] = {
        {"at the ends", 0, 12, 100, 90},
        {"on inner points", 2, 9, 140, 130},
        {"between points", 1, 10.5, 120, 110},
        {"both on one segment", 5.5, 8, 112.5, 125},
    };
    QImage image(800, 400, QImage::Format_RGB32);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m.antennas = {row.position1, row.position2};
        const auto ground = GroundUnderAntenna(m);
        EXPECT_DOUBLE_EQ(ground[0], row.ground1);
        EXPECT_DOUBLE_EQ(ground[1], row.ground2);
        const ProfilePlot plot = DrawProfile(m, {}, image, '.');
        ASSERT_TRUE(plot.drawn) << plot.problem.toStdString();
        EXPECT_EQ(plot.groundUnderAntenna, ground);  // the same bits
    }
}

}  // namespace
}  // namespace vakrel
