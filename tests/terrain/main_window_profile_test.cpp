// The bundled hop's profile built by vakrel-profile from examples/dem, as the main window
// loads and draws it: the caption, the antenna range over the whole length, the ground under
// the antennas, and the forest of the land cover painted in the picture.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>

#include "hop_ground.h"
#include "hop_model.h"
#include "profile_file.h"
#include "profile_program_run.h"
#include "profile_view.h"
#include "scripted_seam.h"
#include "temp_dir.h"
#include "u_vakrel.h"
#include "updown.h"

namespace vakrel {
namespace {

TEST(MainWindowProfile, DrawsTheProfileBuiltFromTheExampleRasters) {
    test::TempDir dir;
    const std::string examples = VAKREL_EXAMPLES;
    for (const char* name : {"ttx.idn", "rrv.idn"}) dir.write(name, test::ReadSourceFile(examples + "/" + name));
    const test::ProgramRun run = test::RunProfileProgram(
        dir, {"--from", "55.3,37.9", "--to", "55.34,38.56", "--dem", examples + "/dem/hop_elevation.asc", "--landcover",
              examples + "/dem/hop_landcover.asc", "--name", "Березовка - Каменка", "-o", dir.file("prf.idn")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const ProfileData file = ReadProfileFile(dir.file("prf.idn"));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));
    HopModel model;
    test::ScriptedSeam seam;
    TForm1 form(model, seam);
    form.resize(1000, 700);
    form.show();
    form.FormActivate();
    QDir::setCurrent(previous);

    EXPECT_TRUE(seam.events.empty());
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(),
              QStringLiteral("Профиль местности на интервале: Березовка - Каменка"));
    ASSERT_EQ(model.pointCount(), static_cast<int>(file.points.size()));
    EXPECT_EQ(form.findChild<UpDown*>("UpDown4")->maximum(), static_cast<int>(file.points.back().distance * 100));
    EXPECT_DOUBLE_EQ(GroundUnderAntenna(model)[1], file.points.back().groundHeight);
    const QImage picture = form.findChild<ProfileView*>("Image1")->image();
    int forestPixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) forestPixels += picture.pixelColor(x, y) == QColor(0, 200, 0);
    EXPECT_GT(forestPixels, 100);
}

}  // namespace
}  // namespace vakrel
