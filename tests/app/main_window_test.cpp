// The main window over a real working folder: what the loading sets up, what clicks on the
// spin controls and the picture do to the model, the labels, the bounds and the calculate
// button, the step menus, the layout, and the window after a failed loading.

#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "hop_ground.h"
#include "hop_model.h"
#include "parameter_line.h"
#include "profile_view.h"
#include "scripted_seam.h"
#include "temp_dir.h"
#include "text_file.h"
#include "u_vakrel.h"
#include "updown.h"

namespace vakrel {
namespace {

using test::Example;

// The example station file with antenna 1's height replaced.
std::string StationWithHeight1(double height) {
    const std::string bytes = Example("ttx.idn");
    LineReader in(bytes);
    std::string out;
    for (int line = 1; !in.AtEnd(); ++line) {
        std::string text = in.ReadLine();
        if (line == 18) text = WriteParameterLine(text, height, SuffixOf(text));  // value 5
        out += text + "\r\n";
    }
    return out;
}

class MainWindow : public testing::Test {
protected:
    void TearDown() override {
        QDir::setCurrent(previous_);
        QLocale::setDefault(QLocale::c());
    }

    // Shows the window over `dir` and runs its first activation there.
    void Open(const test::TempDir& dir) {
        QDir::setCurrent(QString::fromStdString(dir.path()));
        form_.resize(1000, 700);
        form_.show();
        form_.FormActivate();
    }
    void FillExample(const test::TempDir& dir, const std::string& station = Example("ttx.idn")) {
        dir.write("prf.idn", Example("prf.idn"));
        dir.write("ttx.idn", station);
        dir.write("rrv.idn", Example("rrv.idn"));
    }
    template <typename T>
    T* Find(const char* name) {
        T* found = form_.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString Text(const char* label) { return Find<QLabel>(label)->text(); }
    void Click(const char* updown, bool up, int times = 1) {
        auto* control = Find<UpDown>(updown);
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(up ? control->upButton() : control->downButton(), Qt::LeftButton);
    }

    QString previous_ = QDir::currentPath();
    HopModel model_;
    test::ScriptedSeam seam_;
    TForm1 form_{model_, seam_};
};

TEST_F(MainWindow, LoadingSetsUpTheControls) {
    test::TempDir dir;
    FillExample(dir);
    Open(dir);
    EXPECT_TRUE(seam_.events.empty());
    EXPECT_EQ(Text("Label1"), QStringLiteral("Профиль местности на интервале: Березовка - Каменка"));
    EXPECT_EQ(Text("Label5"), "30");
    EXPECT_EQ(Text("Label6"), "25");
    EXPECT_EQ(Text("Label7"), "42");
    struct Row {
        const char* name;
        int position, minimum, maximum;
    };
    for (const Row& row : {Row{"UpDown1", 300, 1, 1000}, Row{"UpDown2", 250, 1, 10000}, Row{"UpDown3", 0, 0, 4199},
                           Row{"UpDown4", 4200, 1, 4200}}) {
        SCOPED_TRACE(row.name);
        auto* control = Find<UpDown>(row.name);
        EXPECT_EQ(control->position(), row.position);
        EXPECT_EQ(control->minimum(), row.minimum);
        EXPECT_EQ(control->maximum(), row.maximum);
        EXPECT_EQ(control->increment(), 10);
    }
    auto* button2 = Find<QPushButton>("Button2");
    EXPECT_FALSE(button2->isEnabled());
    EXPECT_EQ(button2->text(), QStringLiteral("Расч"));
    EXPECT_EQ(button2->toolTip(), QStringLiteral("Расчет "));  // as laid out, with its blank
    EXPECT_TRUE(Find<QPushButton>("Button4")->isEnabled());
    EXPECT_TRUE(model_.launchPending);
    // The picture was drawn: the ground under the antennas is the profile's end heights.
    EXPECT_DOUBLE_EQ(GroundUnderAntenna(model_)[0], model_.profile.points.front().groundHeight);
    EXPECT_DOUBLE_EQ(GroundUnderAntenna(model_)[1], model_.profile.points.back().groundHeight);
    EXPECT_EQ(Find<ProfileView>("Image1")->image().size(), Find<ProfileView>("Image1")->size());
}

TEST_F(MainWindow, SpinClicksMoveTheAntennas) {
    test::TempDir dir;
    FillExample(dir);
    Open(dir);
    auto* button2 = Find<QPushButton>("Button2");

    button2->setEnabled(true);  // as after "Подг"
    Click("UpDown1", true);
    EXPECT_DOUBLE_EQ(model_.antennaHeight1(), 31);
    EXPECT_DOUBLE_EQ(model_.stationParam(5), 31);
    EXPECT_EQ(Text("Label5"), "31");
    EXPECT_FALSE(button2->isEnabled());
    EXPECT_EQ(button2->toolTip(), QStringLiteral("Расчет"));
    EXPECT_TRUE(model_.launchPending);

    Click("UpDown2", false, 3);
    EXPECT_DOUBLE_EQ(model_.antennaHeight2(), 22);
    EXPECT_DOUBLE_EQ(model_.stationParam(10), 22);
    EXPECT_EQ(Text("Label6"), "22");

    QLocale::setDefault(QLocale(QLocale::Russian));  // numbers take the locale's comma
    const double groundBefore = GroundUnderAntenna(model_)[0];
    Click("UpDown3", true);
    EXPECT_DOUBLE_EQ(model_.antennas.position1, 0.1);
    EXPECT_EQ(Find<UpDown>("UpDown4")->minimum(), 11);
    EXPECT_EQ(Text("Label7"), "41,9");
    EXPECT_NE(GroundUnderAntenna(model_)[0], groundBefore);  // redrawn at the new place

    Click("UpDown4", false);
    EXPECT_DOUBLE_EQ(model_.antennas.position2, 41.9);
    EXPECT_EQ(Find<UpDown>("UpDown3")->maximum(), 4189);
    EXPECT_EQ(Text("Label7"), "41,8");
}

TEST_F(MainWindow, StepMenusAndTheEndsOfTheRange) {
    test::TempDir dir;
    FillExample(dir, StationWithHeight1(95));
    Open(dir);
    auto* tenMetres = Find<QAction>("N101");
    auto* oneMetre = Find<QAction>("N11");
    EXPECT_TRUE(oneMetre->isChecked());
    EXPECT_EQ(Find<QMenu>("PopupMenu2")->actions().size(), 3);
    tenMetres->trigger();
    EXPECT_TRUE(tenMetres->isChecked());
    EXPECT_FALSE(oneMetre->isChecked());
    EXPECT_EQ(Find<UpDown>("UpDown1")->increment(), 100);
    EXPECT_TRUE(model_.launchPending);

    auto* button2 = Find<QPushButton>("Button2");
    button2->setEnabled(true);
    Click("UpDown1", true);  // 95 m + 10 m stops at the end of the range
    EXPECT_DOUBLE_EQ(model_.antennaHeight1(), 100);
    button2->setEnabled(true);
    Click("UpDown1", true);  // no further: nothing changes, the button keeps its state
    EXPECT_DOUBLE_EQ(model_.antennaHeight1(), 100);
    EXPECT_TRUE(button2->isEnabled());

    struct Item {
        const char* name;
        const char* control;
        int step;
    };
    for (const Item& item : {Item{"N011", "UpDown1", 1}, Item{"N014", "UpDown2", 1}, Item{"N102", "UpDown2", 100},
                             Item{"N0011", "UpDown3", 1}, Item{"N12", "UpDown3", 100}, Item{"N0012", "UpDown4", 1},
                             Item{"N13", "UpDown4", 100}}) {
        Find<QAction>(item.name)->trigger();
        EXPECT_EQ(Find<UpDown>(item.control)->increment(), item.step) << item.name;
    }
}

TEST_F(MainWindow, LoadedHeightsThatTheControlCannotHold) {
    struct Row {
        double loaded;
        int position;
        double afterUp;
    };
    for (const Row& row : {Row{3.3, 32, 4.2}, Row{150, 1500, 100}}) {
        SCOPED_TRACE(row.loaded);
        HopModel model;
        test::ScriptedSeam seam;
        TForm1 form(model, seam);
        test::TempDir dir;
        FillExample(dir, StationWithHeight1(row.loaded));
        QDir::setCurrent(QString::fromStdString(dir.path()));
        form.FormActivate();
        auto* control = form.findChild<UpDown*>(QStringLiteral("UpDown1"));
        EXPECT_EQ(control->position(), row.position);
        EXPECT_DOUBLE_EQ(model.antennaHeight1(), row.loaded);  // shown as loaded until the first click
        QTest::mouseClick(control->upButton(), Qt::LeftButton);
        EXPECT_DOUBLE_EQ(model.antennaHeight1(), row.afterUp);
    }
}

TEST_F(MainWindow, PictureClicksCycleTheScale) {
    test::TempDir dir;
    FillExample(dir);
    Open(dir);
    auto* image = Find<ProfileView>("Image1");
    const QImage plain = image->image();
    struct State {
        bool scale, curved;
    };
    for (const State& want : {State{true, false}, State{true, true}, State{false, false}}) {
        QTest::mouseClick(image, Qt::LeftButton);
        EXPECT_EQ(form_.plotOptions().scaleShown, want.scale);
        EXPECT_EQ(form_.plotOptions().curvedLevels, want.curved);
    }
    EXPECT_EQ(image->image(), plain);  // the third click removes the scale in one step
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_NE(image->image(), plain);
}

// The printed report's picture always carries the scale, whatever the window shows; the item
// of the minimum k is ticked on and off, and without a calculation's hop at minimum k the
// picture stays as it was.
TEST_F(MainWindow, ReportPictureWithTheScaleAndTheMinimumKItem) {
    test::TempDir dir;
    FillExample(dir);
    Open(dir);
    auto* image = Find<ProfileView>("Image1");
    const QImage plain = image->image();
    const QImage report = form_.ReportPicture();
    EXPECT_EQ(report.size(), plain.size());
    EXPECT_NE(report, plain);
    QTest::mouseClick(image, Qt::LeftButton);  // the window shows the scale now
    const QImage scaled = image->image();
    EXPECT_EQ(form_.ReportPicture(), scaled);
    EXPECT_EQ(scaled, report);

    auto* item = Find<QAction>("N8");
    ASSERT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    for (const bool shown : {true, false}) {
        item->trigger();
        EXPECT_EQ(item->isChecked(), shown);
        EXPECT_EQ(form_.plotOptions().minimumKShown, shown);
        EXPECT_EQ(image->image() == scaled, !shown);  // the hop at k_e over the picture, then gone again
    }
}

TEST_F(MainWindow, LayoutFollowsTheClientSize) {
    test::TempDir dir;
    FillExample(dir);
    Open(dir);
    form_.resize(1000, 700);
    const int half = 500, CH = 700;
    auto at = [&](const char* name) { return Find<QWidget>(name)->pos(); };
    // The verdict strip takes 20 pixels between the picture's frame and the controls.
    EXPECT_EQ(Find<QFrame>("Bevel1")->geometry(), QRect(8, 16, 984, 610));
    EXPECT_EQ(Find<QWidget>("Image1")->geometry(), QRect(12, 20, 976, 602));
    EXPECT_EQ(Find<QWidget>("Panel1")->geometry(), QRect(8, CH - 72, 984, 18));
    EXPECT_EQ(at("UpDown3"), QPoint(half - (33 + 24), CH - 30));
    EXPECT_EQ(at("UpDown4"), QPoint(half + 24, CH - 30));
    const int label3 = Find<QLabel>("Label3")->width();
    EXPECT_EQ(at("Label3"), QPoint(half - (33 + 24 + label3), CH - 30));
    EXPECT_EQ(at("UpDown1"), QPoint(half - (33 + 24 + label3 + 16), CH - 47));
    EXPECT_EQ(at("Label7"), QPoint(half - Find<QLabel>("Label7")->width() / 2, CH - 32));
    EXPECT_EQ(at("Button1"), QPoint(half - 175, CH - 22));
    EXPECT_EQ(at("Button2"), QPoint(half + 143, CH - 22));
    EXPECT_EQ(at("Button3"), QPoint(half - 175, CH - 47));
    EXPECT_EQ(at("Button4"), QPoint(half + 143, CH - 47));
    EXPECT_EQ(Find<QWidget>("UpDown1")->width(), 16);
    EXPECT_EQ(Find<QWidget>("UpDown4")->width(), 32);
}

TEST_F(MainWindow, MenusAndHints) {
    auto* menu = Find<QMenu>("PopupMenu1");
    QStringList captions;
    for (QAction* action : menu->actions()) captions << action->objectName() + ":" + action->text();
    EXPECT_EQ(captions, QStringList({QStringLiteral("N5:Исходные данные :"),
                                     QStringLiteral("N7:Построить профиль по карте высот…"),
                                     QStringLiteral("N10:Подобрать высоты антенн…"),
                                     QStringLiteral("N8:Просвет при k мин"), QStringLiteral("N9:Легенда"),
                                     QStringLiteral("N6:Сохранить изображение"), QStringLiteral("N4:О программе")}));
    QStringList inner;
    for (QAction* action : Find<QAction>("N5")->menu()->actions()) inner << action->objectName() + ":" + action->text();
    EXPECT_EQ(inner, QStringList({QStringLiteral("N1:ТТХ  РРС (ТРС)"), QStringLiteral("N2:Профиль"),
                                  QStringLiteral("N3:Условия РРВ")}));
    EXPECT_EQ(Find<QWidget>("Image1")->toolTip(),
              QStringLiteral("Левая кнопка мыши - разметка, правая - исходные данные"));
    EXPECT_EQ(Find<QWidget>("UpDown3")->toolTip(), QStringLiteral("Управление расстоянием до 1-й антенны"));
    EXPECT_EQ(Find<QWidget>("Label7")->toolTip(), QStringLiteral("Расстояние между антеннами"));
    EXPECT_EQ(Text("Label5"), QStringLiteral("Hаn1"));  // the design-time captions
    EXPECT_EQ(Text("Label7"), QStringLiteral("Rант."));
    EXPECT_EQ(Text("Label3"), QStringLiteral("- Aнт1 -"));
}

TEST_F(MainWindow, FailedLoadingLeavesTheDesignLookAndControlsIdle) {
    test::TempDir dir;
    dir.write("prf.idn", Example("prf.idn"));  // ttx.idn and rrv.idn are missing
    Open(dir);
    ASSERT_EQ(seam_.events.size(), 1u);
    EXPECT_EQ(seam_.events[0].caption, "VAKREL");
    EXPECT_EQ(seam_.events[0].text, "File not found.\nttx.idn");
    EXPECT_EQ(Text("Label5"), QStringLiteral("Hаn1"));
    EXPECT_FALSE(form_.workingSetLoaded());

    Click("UpDown1", true);
    Click("UpDown4", false);
    QTest::mouseClick(Find<ProfileView>("Image1"), Qt::LeftButton);
    EXPECT_EQ(model_.antennaHeight1(), 0);
    EXPECT_EQ(model_.antennas.position2, 0);
    EXPECT_FALSE(form_.plotOptions().scaleShown);
    EXPECT_FALSE(model_.launchPending);
    EXPECT_EQ(Text("Label5"), QStringLiteral("Hаn1"));
    // The box has said why; the picture stays empty and does not say it again.
    const QImage& picture = Find<ProfileView>("Image1")->image();
    EXPECT_TRUE(std::all_of(picture.constBits(), picture.constBits() + picture.sizeInBytes(),
                            [](uchar byte) { return byte == 0xFF; }));

    form_.FormActivate();  // activation loads once only
    EXPECT_EQ(seam_.events.size(), 1u);
}

TEST_F(MainWindow, KeyboardReachesEveryControlAndOpensThePicturesMenu) {
    test::TempDir dir;
    FillExample(dir);
    Open(dir);
    QApplication::setActiveWindow(&form_);
    Find<QPushButton>("Button4")->click();  // the calculate button is enabled, and so in the chain

    // Tab from the picture goes through every control once, left to right, and back.
    Find<ProfileView>("Image1")->setFocus();
    QStringList visited;
    for (int i = 0; i < 9; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QStringList({"Image1", "Button3", "Button1", "UpDown1", "UpDown3", "UpDown4", "UpDown2",
                                    "Button4", "Button2"}));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Image1"));

    // A focused spin control moves its antenna from the keyboard as a click does.
    auto* height1 = Find<UpDown>("UpDown1");
    height1->setFocus();
    QTest::keyClick(height1, Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(model_.antennaHeight1(), 40);  // ten steps of 1 m
    EXPECT_EQ(Text("Label5"), "40");

    auto* menu = Find<QMenu>("PopupMenu1");
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        auto* image = Find<ProfileView>("Image1");
        image->setFocus();
        QTest::keyClick(image, key, modifiers);
        EXPECT_TRUE(menu->isVisible());
        menu->close();
    }
    // Space on the picture cycles the scale, as a left click does.
    QTest::keyClick(Find<ProfileView>("Image1"), Qt::Key_Space);
    EXPECT_TRUE(form_.plotOptions().scaleShown);
}

TEST_F(MainWindow, LongNumbersStandAboveTheButtons) {
    test::TempDir dir;
    FillExample(dir, StationWithHeight1(150.5));
    Open(dir);
    // Label5 is laid out by the layout's rule; a number wider than its place runs over "Open"
    // and stays readable there.
    auto* label5 = Find<QLabel>("Label5");
    auto* button3 = Find<QPushButton>("Button3");
    const QList<QObject*> order = form_.children();
    EXPECT_GT(order.indexOf(label5), order.indexOf(button3));
}

}  // namespace
}  // namespace vakrel
