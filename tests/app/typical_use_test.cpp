// The planner's typical use from start to report, with the real engine: start in a copy of the
// bundled working set, change a height in the profile editor and take it over, raise antenna 2,
// prepare, calculate, read the report and save it; the plot then shows the engine's points.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <filesystem>

#include "U_prf.h"
#include "U_rez.h"
#include "codepage.h"
#include "editor_fixture.h"
#include "hop_model.h"
#include "profile_view.h"
#include "scripted_seam.h"
#include "startup.h"
#include "string_grid.h"
#include "temp_dir.h"
#include "u_vakrel.h"
#include "updown.h"

namespace vakrel {
namespace {

// Runs `action` once the modal window that the next statement opens is up.
void WhenShown(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

bool WaitForFile(const std::string& path) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (std::filesystem::exists(path)) return true;
        QThread::msleep(20);
    }
    return false;
}

int FuchsiaInColumn(const QImage& image, int column) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) count += image.pixelColor(column, y) == QColor(255, 0, 255);
    return count;
}

int Fuchsia(const QImage& image) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) count += FuchsiaInColumn(image, x);
    return count;
}

TEST(TypicalUse, FromStartToReportWithTheRealEngine) {
    test::TempDir dir;
    for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn", "prf.tip", "rrv.tip"})
        dir.write(name, test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/" + name));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path()));

    HopModel model;
    test::ScriptedSeam seam;
    seam.startForReal = true;
    Windows windows;
    CreateWindows(windows, model, seam);
    TForm1& main = *windows.form1;
    main.resize(1200, 800);
    main.show();
    main.FormActivate();
    ASSERT_EQ(model.pointCount(), 211);
    const ProfileView& picture = *main.findChild<ProfileView*>("Image1");

    // The profile editor: a new height at point 3, saved to prf.idn and taken over.
    WhenShown([&] {
        test::TypeInto(test::GridOf(*windows.form3), 2, 3, QStringLiteral("160.5"));
        seam.answers = {true, true};
        windows.form3->close();
    });
    main.N2Click();
    EXPECT_EQ(seam.texts("Confirm").size(), 2u);
    EXPECT_DOUBLE_EQ(model.profile.points[2].groundHeight, 160.5);
    EXPECT_DOUBLE_EQ(ReadProfileFile("prf.idn").points[2].groundHeight, 160.5);

    // Antenna 2 up by 3 m (the step is 1 m).
    auto* upDown2 = main.findChild<UpDown*>("UpDown2");
    for (int i = 0; i < 3; ++i) upDown2->stepUp();
    EXPECT_DOUBLE_EQ(model.antennaHeight2(), 28);

    auto* button2 = main.findChild<QPushButton*>("Button2");
    main.findChild<QPushButton*>("Button4")->click();
    ASSERT_TRUE(button2->isEnabled());
    EXPECT_DOUBLE_EQ(LoadStationFile("buf.ttx").params[9], 28);
    EXPECT_EQ(Fuchsia(picture.image()), 0);

    button2->click();  // "Расч"
    EXPECT_EQ(button2->text(), QStringLiteral("Рез"));
    ASSERT_EQ(seam.startedCommand.size(), 3);
    EXPECT_TRUE(seam.startedCommand[0].endsWith("/vakrel.exe"));
    EXPECT_EQ(seam.startedCommand.mid(1), (QStringList{"buf.prf", "buf.ttx"}));
    ASSERT_TRUE(WaitForFile(dir.file("vakrel.rez")));
    QThread::msleep(100);  // the engine replaces the file whole; let its process end

    // "Рез": the report, saved on closing as vakrel_w.rez.
    seam.files.push_back(QString::fromStdString(dir.file("vakrel_w.rez")));
    WhenShown([&] { windows.form6->close(); });
    button2->click();
    const std::string saved = dir.read("vakrel_w.rez");
    EXPECT_EQ(saved.rfind(Utf8ToCp1251("         Исходные данные и результаты расчета интервала РРЛ(ТРЛ) \r\n"), 0),
              0u);
    EXPECT_NE(saved.find(Utf8ToCp1251("   4.Высота антенны РРС2 (м): 28\r\n")), std::string::npos);
    EXPECT_NE(saved.find(Utf8ToCp1251("Длина интервала, км")), std::string::npos);
    EXPECT_TRUE(model.resultsLoaded);

    // The plot draws the engine's points: the reflection point of this open hop (list B) at
    // antenna 1's position plus its distance, in the column the mapping puts it.
    ASSERT_GE(model.resultPoints[kListB].count, 1);
    const QImage& image = picture.image();
    const double length = model.profile.points.back().distance;
    const double x = model.antennas.position1 + model.resultPoints[kListB].distance[0];
    const int column = static_cast<int>(x * image.width() / length);
    EXPECT_GT(FuchsiaInColumn(image, column), 0);
    EXPECT_GT(Fuchsia(image), image.width() / 2);  // a polyline across the hop

    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace vakrel
