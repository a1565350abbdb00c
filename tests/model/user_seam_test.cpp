// The shared part of the seam: a confirmed file dialog makes the chosen file's folder current,
// a cancelled one leaves it; every command's error box carries the application's title.

#include <gtest/gtest.h>

#include <QDir>

#include "io_error.h"
#include "scripted_seam.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

TEST(UserSeam, ChosenFolderBecomesCurrentOnlyOnConfirmation) {
    test::TempDir start, chosen;
    QDir::setCurrent(QString::fromStdString(start.path()));
    test::ScriptedSeam seam;
    seam.files = {std::nullopt, QString::fromStdString(chosen.file("hop.prf"))};

    EXPECT_FALSE(seam.ChooseFile(nullptr, {}));
    EXPECT_EQ(QDir::current(), QDir(QString::fromStdString(start.path())));

    EXPECT_EQ(seam.ChooseFile(nullptr, {}), QString::fromStdString(chosen.file("hop.prf")));
    EXPECT_EQ(QDir::current(), QDir(QString::fromStdString(chosen.path())));
    QDir::setCurrent(QDir::tempPath());
}

TEST(UserSeam, ErrorBoxIsTitledWithTheApplicationAndEndsWithThePoint) {
    test::ScriptedSeam seam;
    seam.ShowIoError(nullptr, IoError(IoErrorKind::FileNotFound, "prf.idn"));
    ASSERT_EQ(seam.events.size(), 1u);
    EXPECT_EQ(seam.events[0].caption, "VAKREL");
}

// The standard message first, the file's short name under it, and a vanished working folder
// named with its path.
TEST(UserSeam, ErrorTextNamesTheFileAndAVanishedWorkingFolder) {
    test::TempDir dir;
    const std::string gone = dir.file("gone");
    struct Row {
        IoError error;
        std::string workingDirectory;
        std::string text;
    };
    const Row rows[] = {
        {IoError(IoErrorKind::FileNotFound, "prf.idn"), {}, "File not found.\nprf.idn"},
        {IoError(IoErrorKind::Other, "/any/folder/vakrel_w.rez", 5), {}, "I/O error 5.\nvakrel_w.rez"},
        {IoError(IoErrorKind::DiskFull, "ttx.idn"), dir.path(), "Disk full.\nttx.idn"},
        {IoError(IoErrorKind::FileNotFound, "buf.prf"), gone,
         "File not found.\nbuf.prf\nРабочая папка не найдена: " + gone},
        {IoError("Cannot create file /x/hop.bmp", "/x/hop.bmp"),
         {},
         "Cannot create file /x/hop.bmp."},  // named already
        {IoError(IoErrorKind::FileNotFound, ""), {}, "File not found."},
    };
    for (const Row& row : rows) EXPECT_EQ(IoErrorText(row.error, row.workingDirectory).toStdString(), row.text);
}

}  // namespace
}  // namespace vakrel
