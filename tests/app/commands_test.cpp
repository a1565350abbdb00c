// The main window's commands on a copy of the bundled working set: Save and Open, the
// calculation buttons, the station editor's hand-over and the picture save.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "U_ttx.h"
#include "editor_fixture.h"
#include "hop_ground.h"
#include "hop_model.h"
#include "scripted_seam.h"
#include "startup.h"
#include "temp_dir.h"
#include "u_vakrel.h"
#include "updown.h"

namespace vakrel {
namespace {

class MainWindowCommands : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"})
            dir.write(name, test::ReadSourceFile(std::string(VAKREL_EXAMPLES) + "/" + name));
        previous_ = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.path()));
        CreateWindows(windows, model, seam);
        main().resize(1000, 700);
        main().show();
        main().FormActivate();
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    TForm1& main() { return *windows.form1; }
    template <class T>
    T& find(const char* name) {
        return *main().findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* button) { find<QPushButton>(button).click(); }

    test::TempDir dir;
    HopModel model;
    test::ScriptedSeam seam;
    Windows windows;
    QString previous_;
};

TEST_F(MainWindowCommands, SaveAskedFirstThenOpenBringsTheCutBack) {
    const std::string prf = dir.read("prf.idn"), ttx = dir.read("ttx.idn");
    for (int i = 0; i < 10; ++i) find<UpDown>("UpDown3").stepUp();    // antenna 1 to 1.00 km
    for (int i = 0; i < 20; ++i) find<UpDown>("UpDown4").stepDown();  // antenna 2 to 40.00 km

    seam.answers = {false};
    click("Button1");
    EXPECT_EQ(seam.texts("Warning"),
              std::vector<std::string>{"Сохранение новых данных уничтожит старые !\nПродолжать ?"});
    EXPECT_EQ(dir.read("prf.idn"), prf);
    EXPECT_EQ(dir.read("ttx.idn"), ttx);

    seam.answers = {true};
    click("Button1");
    EXPECT_NE(dir.read("prf.idn"), prf);
    EXPECT_EQ(model.pointCount(), 211);  // the model keeps its profile until Open
    const double groundAt1 = GroundUnderAntenna(model)[0];

    find<QAction>("N101").trigger();  // antenna 1 steps by 10 m
    click("Button3");
    EXPECT_DOUBLE_EQ(model.profile.points.front().distance, 0);
    EXPECT_DOUBLE_EQ(model.profile.points.back().distance, 39);
    EXPECT_NEAR(model.profile.points.front().groundHeight, groundAt1, 0.005);
    EXPECT_DOUBLE_EQ(model.antennas.position1, 0);
    EXPECT_DOUBLE_EQ(model.antennas.position2, 39);
    EXPECT_EQ(find<UpDown>("UpDown4").position(), 3900);
    EXPECT_EQ(find<UpDown>("UpDown3").maximum(), 3899);
    EXPECT_TRUE(find<QAction>("N11").isChecked());
    EXPECT_EQ(find<UpDown>("UpDown1").increment(), 10);
    EXPECT_EQ(find<QLabel>("Label1").text(), QStringLiteral("Профиль местности"));
    EXPECT_EQ(find<QLabel>("Label7").text(), QStringLiteral("39"));
    EXPECT_FALSE(find<QPushButton>("Button2").isEnabled());
}

TEST_F(MainWindowCommands, PrepareCalculateAndInvalidate) {
    QPushButton& button2 = find<QPushButton>("Button2");
    click("Button4");
    const std::string prf = dir.read("buf.prf"), ttx = dir.read("buf.ttx");
    click("Button4");
    EXPECT_EQ(dir.read("buf.prf"), prf);  // preparing twice writes the same files
    EXPECT_EQ(dir.read("buf.ttx"), ttx);
    EXPECT_TRUE(button2.isEnabled());
    EXPECT_EQ(button2.toolTip(), QStringLiteral("Расчет"));

    seam.startSucceeds = false;
    button2.click();
    ASSERT_EQ(seam.events.back().kind, "Error box");
    EXPECT_EQ(seam.events.back().caption, "Error");
    EXPECT_EQ(seam.events.back().text, "Ошибка запуска vakrel.exe buf.prf buf.ttx");
    EXPECT_EQ(seam.startedIn.toStdString(), model.workingDirectory);
    EXPECT_EQ(button2.text(), QStringLiteral("Рез"));
    EXPECT_EQ(button2.toolTip(), QStringLiteral("Результаты"));
    EXPECT_FALSE(model.launchPending);

    // An antenna move sends the button back; the buffer files stay as they were.
    find<UpDown>("UpDown1").stepUp();
    EXPECT_FALSE(button2.isEnabled());
    EXPECT_EQ(button2.text(), QStringLiteral("Расч"));
    EXPECT_TRUE(model.launchPending);
    EXPECT_EQ(dir.read("buf.ttx"), ttx);
}

TEST_F(MainWindowCommands, StationEditorHandsOverTheHeights) {
    QTimer::singleShot(0, [&] {
        test::TypeInto(test::GridOf(*windows.form2), 3, 5, QStringLiteral("42.5"));
        seam.answers = {false, true};  // not saved to ttx.idn, used in the calculations
        windows.form2->close();
    });
    click("Button4");
    main().N1Click();
    EXPECT_TRUE(windows.form2->valuesHandedOver());
    EXPECT_DOUBLE_EQ(model.antennaHeight1(), 42.5);
    EXPECT_EQ(find<UpDown>("UpDown1").position(), 425);
    EXPECT_EQ(find<QLabel>("Label5").text(), QStringLiteral("42.5"));
    EXPECT_FALSE(find<QPushButton>("Button2").isEnabled());
}

TEST_F(MainWindowCommands, PictureSavedAsBitmapAndTheWorkingDirectoryBack) {
    test::TempDir elsewhere;
    main().N6Click();  // cancelled: nothing happens
    EXPECT_EQ(seam.dialogs.at(0).title, QStringLiteral("Сохранение изображения профиля в графическом файле"));
    EXPECT_EQ(seam.dialogs.at(0).initialName, QStringLiteral("vakrel_w"));

    seam.files.push_back(QString::fromStdString(elsewhere.file("hop.jpg")));
    main().N6Click();
    EXPECT_EQ(elsewhere.read("hop.jpg").substr(0, 2), "BM");
    EXPECT_EQ(QDir::currentPath().toStdString(), model.workingDirectory);

    seam.files.push_back(QString::fromStdString(elsewhere.file("missing/hop.bmp")));
    main().N6Click();
    EXPECT_EQ(seam.texts("Error box").back(), "Cannot create file " + elsewhere.file("missing/hop.bmp") + ".");
    EXPECT_EQ(QDir::currentPath().toStdString(), model.workingDirectory);
}

}  // namespace
}  // namespace vakrel
