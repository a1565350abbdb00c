// The main window under bad data, as a planner meets it: a hop the picture refuses, an Open that
// fails halfway, a file that is not a file, engine runs that are not over or went wrong. Each time
// what is on disk afterwards is checked byte for byte, and what the user was told.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "U_rez.h"
#include "codepage.h"
#include "hop_model.h"
#include "parameter_line.h"
#include "planner.h"
#include "profile_view.h"
#include "scripted_seam.h"
#include "startup.h"
#include "temp_dir.h"
#include "text_file.h"
#include "u_vakrel.h"

namespace vakrel {
namespace {

class BadData : public testing::Test, public Planner {};

// Save and "Подг" write the ground under the antennas, which only a drawn hop has: while the
// picture is refused they say why and write nothing. The verdict strip says why as the picture
// does (nothing when the working set did not load: the box at start-up said why).
TEST_F(BadData, SaveAndPrepareRefusedWhileThePictureIsRefused) {
    struct Row {
        const char* name;
        std::string file, bytes;
        std::string reason;
        std::string strip;
    };
    const Row rows[] = {
        {"distances that do not grow", "prf.idn",
         ProfileWithRows("0 100 0 0\r\n10 100 0 0\r\n5 100 0 0\r\n20 100 0 0\r\n0 0\r\n"),
         "Расстояния точек профиля не возрастают", "Расстояния точек профиля не возрастают"},
        {"a profile without points", "prf.idn", ProfileWithRows(""), "Нет данных для построения профиля",
         "Нет данных для построения профиля"},
        {"frequency 0", "ttx.idn", WithValue(Example("ttx.idn"), 24, 0), "Рабочая частота не больше 0",
         "Рабочая частота не больше 0"},
        {"no usable earth radius", "rrv.idn", ConditionsWithoutRadius(), "Эффективный радиус Земли не определен",
         "Эффективный радиус Земли не определен"},
        {"no conditions file", "rrv.idn", "", "Нет данных для построения профиля", ""},  // as the picture says
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Planner set;
        if (row.bytes.empty())
            std::filesystem::remove(set.dir.file(row.file));
        else
            set.dir.write(row.file, row.bytes);
        set.Start();
        QCoreApplication::processEvents();
        EXPECT_EQ(set.main().findChild<QLabel*>(QStringLiteral("Panel1"))->toolTip().toStdString(), row.strip);
        set.seam.events.clear();
        const auto before = set.Files();

        set.seam.answers = {true};
        set.button("Button1").click();
        set.button("Button4").click();
        const std::string told = "Профиль не построен: " + row.reason;
        EXPECT_EQ(set.errors(), (std::vector<std::string>{told, told}));
        EXPECT_TRUE(set.seam.texts("Warning").empty());  // refused before the question
        EXPECT_EQ(set.Files(), before);
        EXPECT_FALSE(set.button("Button2").isEnabled());
    }
}

// A failed Open changes nothing: the old profile and stations stay together under their picture.
TEST_F(BadData, OpenThatFailsOnTheStationsKeepsTheOldHop) {
    Start();
    const QImage shown = picture();
    const QString caption = main().findChild<QLabel*>(QStringLiteral("Label1"))->text();
    button("Button4").click();
    const std::string bufPrf = dir.read("buf.prf"), bufTtx = dir.read("buf.ttx");

    // A new profile on disk, and ttx.idn a FIFO that nothing writes to.
    dir.write("prf.idn", ProfileWithRows("0 100 0 0\r\n20 120 0 0\r\n0 0\r\n"));
    std::filesystem::remove(dir.file("ttx.idn"));
    ASSERT_EQ(::mkfifo(dir.file("ttx.idn").c_str(), 0600), 0);
    button("Button3").click();
    EXPECT_EQ(errors(), (std::vector<std::string>{std::string(kNotAFileMessage) + ".\nttx.idn"}));
    EXPECT_EQ(model.pointCount(), 211);
    EXPECT_EQ(picture(), shown);
    EXPECT_EQ(main().findChild<QLabel*>(QStringLiteral("Label1"))->text(), caption);

    button("Button4").click();  // the hop on the screen, not a mix of two
    EXPECT_EQ(dir.read("buf.prf"), bufPrf);
    EXPECT_EQ(dir.read("buf.ttx"), bufTtx);
}

// "Рез" shows only what the last run wrote: nothing while the engine runs, the exit code when it
// ended without a result file; and an old result file that cannot go stops "Расч".
TEST_F(BadData, ResultsBelongToTheirRun) {
    Start();
    dir.write("vakrel.rez", "old results\r\n");
    button("Button4").click();
    button("Button2").click();  // "Расч"
    ASSERT_TRUE(seam.lastRun);
    EXPECT_FALSE(dir.exists("vakrel.rez"));
    EXPECT_EQ(button("Button2").text(), QStringLiteral("Рез"));

    EXPECT_FALSE(PressResults());
    EXPECT_EQ(errors().back(), "Расчет еще выполняется");
    seam.lastRun->running = false;
    seam.lastRun->exitCode = 3;
    EXPECT_FALSE(PressResults());
    EXPECT_EQ(errors().back(), "Расчет завершился с ошибкой (код 3)");
    EXPECT_EQ(seam.events.back().caption, "VAKREL");
    EXPECT_TRUE(seam.dialogs.empty());  // no report, so no offer to save one

    // vakrel.rez a folder: it cannot be removed, nothing is started.
    button("Button4").click();
    std::filesystem::create_directory(dir.file("vakrel.rez"));
    const std::size_t starts = seam.texts("Start").size();
    button("Button2").click();
    EXPECT_EQ(errors().back(), "File access denied.\nvakrel.rez");
    EXPECT_EQ(seam.texts("Start").size(), starts);
    EXPECT_EQ(button("Button2").text(), QStringLiteral("Расч"));

    // A start that fails has removed the old results all the same: "Рез" finds none.
    std::filesystem::remove(dir.file("vakrel.rez"));
    dir.write("vakrel.rez", "old results\r\n");
    seam.startSucceeds = false;
    button("Button2").click();
    EXPECT_EQ(errors().back(), "Ошибка запуска vakrel.exe buf.prf buf.ttx");
    PressResults();
    EXPECT_EQ(errors().back(), "File not found.\nvakrel.rez");
}

// The working folder removed under the running program: the box says so, with its path.
TEST_F(BadData, AVanishedWorkingFolderIsNamed) {
    Start();
    std::filesystem::remove_all(dir.path());
    button("Button4").click();
    EXPECT_EQ(errors(),
              (std::vector<std::string>{"File not found.\nbuf.prf\nРабочая папка не найдена: " + dir.path()}));
}

// The real engine on conditions it refuses: the report shows the engine's own error line, not
// the results an earlier run left; saved, it is the report shown, byte for byte.
TEST_F(BadData, TheEnginesOwnErrorReportIsShownAndSavedAsShown) {
    seam.startForReal = true;
    Start();
    dir.write("rrv.idn", ConditionsWithoutRadius());  // after loading
    dir.write("vakrel.rez", "old results\r\n");
    button("Button4").click();
    button("Button2").click();

    seam.files.push_back(QString::fromStdString(dir.file("vakrel_w.rez")));
    QElapsedTimer clock;
    clock.start();
    bool opened = false;  // pressed again while the engine still runs
    while (!(opened = PressResults()) &&
           errors() == std::vector<std::string>(errors().size(), "Расчет еще выполняется") && clock.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_TRUE(opened);
    const std::string saved = dir.read("vakrel_w.rez");
    EXPECT_EQ(saved.find("old results"), std::string::npos);
    EXPECT_NE(saved.find(Utf8ToCp1251("Ошибка:")), std::string::npos);
    const QString memo = windows.form6->findChild<QWidget*>(QStringLiteral("Memo1"))->property("plainText").toString();
    std::string shown;
    for (const QString& line : memo.split('\n')) shown += Utf8ToCp1251(line.toStdString()) + "\r\n";
    EXPECT_EQ(saved, shown);
}

// A no-break space (0xA0) of a result line in code page 1251 stays one in the saved report; the
// text box's plain text would have given a blank. A report the planner annotated is saved as it
// stands, the no-break space still kept.
TEST_F(BadData, TheSavedReportKeepsEveryByteOfItsLines) {
    Start();
    button("Button4").click();
    button("Button2").click();
    seam.lastRun->running = false;
    const std::string noBreakSpace = "\xA0";
    dir.write("vakrel.rez", Utf8ToCp1251("  Результат:") + noBreakSpace + "42\r\n");  // a line in code page 1251
    seam.files.push_back(QString::fromStdString(dir.file("vakrel_w.rez")));
    ASSERT_TRUE(PressResults());
    const std::string saved = dir.read("vakrel_w.rez");
    EXPECT_NE(saved.find(noBreakSpace + "42\r\n"), std::string::npos);

    seam.files.push_back(QString::fromStdString(dir.file("vakrel_w.rez")));
    ASSERT_TRUE(PressResults([&] {
        windows.form6->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
            ->appendPlainText(QStringLiteral("Проверено"));
    }));
    EXPECT_EQ(dir.read("vakrel_w.rez"), saved + Utf8ToCp1251("Проверено") + "\r\n");
}

}  // namespace
}  // namespace vakrel
