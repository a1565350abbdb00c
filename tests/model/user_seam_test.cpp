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
    seam.ShowIoError(nullptr, IoError(IoErrorKind::Other, "prf.idn", 5));
    ASSERT_EQ(seam.events.size(), 2u);
    EXPECT_EQ(seam.events[0].caption, "VAKREL");
    EXPECT_EQ(seam.events[0].text, "File not found.");
    EXPECT_EQ(seam.events[1].text, "I/O error 5.");
}

}  // namespace
}  // namespace vakrel
