// What a planner must be able to trust: a file written reads back as what was written, the working
// files land in the working folder whatever folder a dialog made current, a file the user made
// read-only or a link stays as the user set it, and one program works in a folder at a time. Each
// case checks the bytes on disk and what the user was told.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QLockFile>
#include <QProcess>
#include <filesystem>

#include "U_prf.h"
#include "U_ttx.h"
#include "conditions_file.h"
#include "editor_fixture.h"
#include "io_error.h"
#include "planner.h"
#include "read_back.h"
#include "text_file.h"
#include "updown.h"

namespace vakrel {
namespace {

namespace fs = std::filesystem;

class Trust : public testing::Test, public Planner {
protected:
    UpDown& spin(const char* name) { return *main().findChild<UpDown*>(QString::fromLatin1(name)); }
    // Antenna 1 moved right by `steps` of 0.01 km with its arrow.
    void MoveAntenna1(int steps) {
        for (int i = 0; i < steps; ++i) spin("UpDown3").stepUp();
    }
    bool Told(const std::string& part) const {
        for (const std::string& text : errors())
            if (text.find(part) != std::string::npos) return true;
        return false;
    }
};

// The cut layouts keep 0.01 km: a point that would read as the terminator or as its neighbour's
// distance is left out, the user is told, and the file reads back with distances that rise.
TEST_F(Trust, PointsBelowTheCutLayoutsResolutionAreLeftOutAndTheFileReadsBack) {
    struct Row {
        const char* name;
        std::string rows;
        int antenna1Steps;
        std::size_t written;  // rows of the cut as written
    };
    const Row rows[] = {
        {"a point 4 m right of antenna 1",
         "0.000 150.00 0 0.00\r\n1.004 151.00 0 0.00\r\n2.000 152.00 0 0.00\r\n5.000 150.00 0 0.00\r\n"
         "        0.000           0.00\r\n",
         10, 3},
        {"two points 3 m apart",
         "0.000 150.00 0 0.00\r\n2.000 152.00 0 0.00\r\n2.003 153.00 1 10.00\r\n5.000 150.00 0 0.00\r\n"
         "        0.000           0.00\r\n",
         0, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Planner fresh;
        fresh.dir.write("prf.idn", ProfileWithRows(row.rows));
        fresh.Start();
        for (int i = 0; i < row.antenna1Steps; ++i)
            fresh.main().findChild<UpDown*>(QStringLiteral("UpDown3"))->stepUp();
        fresh.seam.answers = {true};
        fresh.button("Button1").click();  // Save
        fresh.button("Button4").click();  // "Подг"
        const auto saved = ReadProfileFile(fresh.dir.file("prf.idn")).points;
        const auto buffer = ParseProfileBufferRows(fresh.dir.read("buf.prf"), "buf.prf");
        EXPECT_EQ(saved.size(), row.written);
        EXPECT_EQ(buffer.size(), row.written);
        for (std::size_t i = 1; i < saved.size(); ++i) EXPECT_GT(saved[i].distance, saved[i - 1].distance);
        EXPECT_EQ(fresh.errors(),
                  (std::vector<std::string>{
                      "В файл prf.idn не записаны точки профиля, которые при точности файла 0.01 км совпали бы с "
                      "соседними: 1.",
                      "В файл buf.prf не записаны точки профиля, которые при точности файла 0.01 км совпали бы с "
                      "соседними: 1."}));
    }
}

// A writer whose bytes would read back otherwise writes nothing and says so.
TEST_F(Trust, AFileThatWouldReadBackOtherwiseIsNotWritten) {
    Start();
    const auto before = Files();
    model.stationParam(1) = -12345678.9;  // wider than the 9 columns of its field
    seam.answers = {true};
    button("Button1").click();
    button("Button4").click();
    EXPECT_EQ(Files(), before);
    const std::string refused = std::string(kReadBackMessage) + " (параметр 1)\n";
    EXPECT_EQ(errors(), (std::vector<std::string>{refused + "ttx.idn", refused + "buf.ttx"}));
    EXPECT_FALSE(dir.exists("buf.ttx"));

    struct Row {
        const char* name;
        const char* file;
        std::function<void(const std::string&)> write;
        const char* told;
    };
    const Row rows[] = {
        {"an editor's profile with a later point at 0.4 m", "prf.idn",
         [](const std::string& path) {
             ProfileData data = ReadProfileFile(path);
             data.points[1].distance = 0.0004;
             WriteProfileFile(path, data, "x");
         },
         " (точек 1 вместо 211)"},
        {"an editor's conditions with a value wider than its field", "rrv.idn",
         [](const std::string& path) {
             ConditionsFile file = LoadConditionsFile(path);
             file.params[13] = 1e12;
             SaveConditionsFile(path, file, "x");
         },
         " (параметр 14)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            row.write(dir.file(row.file));
            ADD_FAILURE() << "written";
        } catch (const IoError& error) {
            EXPECT_EQ(error.userMessage(), std::string(kReadBackMessage) + row.told);
        }
        EXPECT_EQ(dir.read(row.file), Example(row.file));
    }
}

// The working files go to the working folder, whatever folder a dialog made current, and nowhere
// else when it is gone.
TEST_F(Trust, WorkingFilesGoToTheWorkingFolderOnly) {
    test::TempDir other;  // another hop's folder
    for (const char* name : {"prf.idn", "ttx.idn"}) other.write(name, "another hop\r\n");
    Start();
    const QString copy = QString::fromStdString(other.file("copy.idn"));

    struct Row {
        const char* name;
        QDialog* editor;
        void (TForm1::*open)();
        int col, row;
        const char* working;
    };
    const Row rows[] = {
        {"station editor", windows.form2.get(), &TForm1::N1Click, 3, 5, "ttx.idn"},
        {"profile editor", windows.form3.get(), &TForm1::N2Click, 2, 3, "prf.idn"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTimer::singleShot(0, [&] {
            test::TypeInto(test::GridOf(*row.editor), row.col, row.row, QStringLiteral("42.5"));
            seam.files = {copy};
            row.editor->findChild<QAction*>(QStringLiteral("N2"))->trigger();  // "Сохранить в файле"
            seam.answers = {true, false};  // save in the working file: Yes; overwrite it again: No
            row.editor->close();
        });
        (main().*row.open)();
        EXPECT_EQ(other.read(row.working), "another hop\r\n");
        EXPECT_NE(dir.read(row.working), Example(row.working));
        EXPECT_EQ(dir.read(row.working), other.read("copy.idn"));
    }

    // The working folder renamed away, the picture saved elsewhere: Save names the folder and
    // writes nothing anywhere.
    const std::string moved = dir.path() + "-moved";
    fs::rename(dir.path(), moved);
    seam.files = {QString::fromStdString(other.file("picture.bmp"))};
    main().N6Click();
    seam.answers = {true};
    button("Button1").click();
    fs::rename(moved, dir.path());
    EXPECT_EQ(errors().back(), "File not found.\nprf.idn\nРабочая папка не найдена: " + dir.path());
    EXPECT_EQ(other.read("prf.idn"), "another hop\r\n");
    EXPECT_EQ(other.read("ttx.idn"), "another hop\r\n");
}

// A read-only working file is not replaced; a link is written through and stays a link.
TEST_F(Trust, WritersRespectWhatTheUserSetOnAFile) {
    test::TempDir elsewhere;
    struct Row {
        const char* name;
        const char* file;
        bool link;  // else read-only
    };
    const Row rows[] = {{"read-only ttx.idn", "ttx.idn", false},
                        {"read-only prf.idn", "prf.idn", false},
                        {"ttx.idn a link", "ttx.idn", true},
                        {"prf.idn a link", "prf.idn", true}};
    Start();
    spin("UpDown1").stepUp();  // antenna 1 a metre higher: ttx.idn is written anew
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (const char* name : {"prf.idn", "ttx.idn"}) {
            fs::remove(dir.file(name));
            dir.write(name, Example(name));
        }
        if (row.link) {
            elsewhere.write(row.file, Example(row.file));
            fs::remove(dir.file(row.file));
            fs::create_symlink(elsewhere.file(row.file), dir.file(row.file));
        } else {
            fs::permissions(dir.file(row.file), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
        const std::size_t told = errors().size();
        seam.answers = {true};
        button("Button1").click();
        if (row.link) {
            EXPECT_TRUE(fs::is_symlink(dir.file(row.file)));
            EXPECT_NE(elsewhere.read(row.file), Example(row.file));
            EXPECT_EQ(errors().size(), told);
        } else {
            EXPECT_EQ(errors().back(), std::string("File access denied.\n") + row.file);
            for (const char* name : {"prf.idn", "ttx.idn"}) EXPECT_EQ(dir.read(name), Example(name));
            fs::permissions(dir.file(row.file), fs::perms::owner_write, fs::perm_options::add);
        }
    }
}

// A second program in a folder says who holds it and offers to view the hop only or to choose
// another folder; a lock left by a process that has ended is taken over.
TEST_F(Trust, OneProgramPerWorkingFolder) {
    Start();
    struct Row {
        const char* name;
        std::deque<int> choices;
        bool viewOnly;
    };
    const Row rows[] = {{"view only", {0}, true}, {"another folder", {1}, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Planner second;
        second.seam.choices = row.choices;
        second.seam.files = {QString::fromStdString(second.dir.path())};
        QDir::setCurrent(QString::fromStdString(dir.path()));
        CreateWindows(second.windows, second.model, second.seam);
        second.main().resize(1000, 700);
        second.main().show();
        second.main().FormActivate();
        const auto choices = second.seam.texts("Choice");
        ASSERT_EQ(choices.size(), 1u);
        EXPECT_NE(choices[0].find(dir.path()), std::string::npos) << choices[0];
        EXPECT_NE(choices[0].find("процесс " + std::to_string(::getpid())), std::string::npos) << choices[0];
        EXPECT_EQ(second.main().viewOnly(), row.viewOnly);
        EXPECT_EQ(second.model.workingDirectory, row.viewOnly ? dir.path() : second.dir.path());
        for (const char* button : {"Button1", "Button4"})
            EXPECT_EQ(second.button(button).isEnabled(), !row.viewOnly) << button;
        const auto before = Files();
        second.seam.answers = {true};
        second.button("Button1").click();
        second.button("Button4").click();
        EXPECT_EQ(Files(), before);
    }

    // A lock whose process has ended: its file names a process that is gone.
    test::TempDir stale;
    for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"}) stale.write(name, Example(name));
    {
        QLockFile lock(QString::fromStdString(stale.file(kFolderLockFile)));
        ASSERT_TRUE(lock.tryLock(0));
        std::string bytes = stale.read(kFolderLockFile);
        QProcess ended;
        ended.start(QStringLiteral("true"), {});
        ASSERT_TRUE(ended.waitForStarted());
        const qint64 gone = ended.processId();
        ASSERT_TRUE(ended.waitForFinished());
        bytes.replace(0, bytes.find('\n'), std::to_string(gone));
        lock.unlock();
        stale.write(kFolderLockFile, bytes);
    }
    FolderLock lock;
    EXPECT_TRUE(lock.Take(stale.path()));
}

// Messages say what happened: a folder gone before "Рез", a report without its results.
TEST_F(Trust, MessagesTellTheTruth) {
    Start();
    button("Button4").click();
    button("Button2").click();  // "Расч"
    seam.lastRun->running = false;
    const std::string moved = dir.path() + "-moved";
    fs::rename(dir.path(), moved);
    EXPECT_FALSE(PressResults());
    fs::rename(moved, dir.path());
    EXPECT_EQ(errors().back(), "Рабочая папка не найдена: " + dir.path());

    fs::create_directory(dir.file("vakrel.rez"));  // a result file that cannot be read
    EXPECT_TRUE(PressResults());
    ASSERT_FALSE(seam.dialogs.empty());
    EXPECT_EQ(seam.dialogs.back().title, QStringLiteral("Сохранение неполного отчета: результатов расчета в нем нет"));
}

}  // namespace
}  // namespace vakrel
