// Start-up in a folder without a hop: the one box that names the folder and the three files,
// its two offers (a hop's folder, the example set in a new folder), and the command line.

#include "working_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <filesystem>

#include "command_line.h"
#include "hop_model.h"
#include "scripted_seam.h"
#include "temp_dir.h"
#include "u_vakrel.h"

namespace vakrel {
namespace {

const char* const kSetFiles[] = {"prf.idn", "ttx.idn", "rrv.idn", "prf.tip", "rrv.tip"};

using test::Example;

QString Q(const test::TempDir& dir) { return QString::fromStdString(dir.path()); }

class StartInAFolderWithoutAHop : public testing::Test {
protected:
    void SetUp() override { QDir::setCurrent(Q(home_)); }
    void TearDown() override { QDir::setCurrent(previous_); }

    // The main window's first activation in the home folder.
    void Start() {
        form_.resize(1000, 700);
        form_.show();
        form_.FormActivate();
    }
    std::string OfferFor(const test::TempDir& dir) const {
        return "В папке\n" + QDir::toNativeSeparators(Q(dir)).toStdString() +
               "\nнет рабочих файлов интервала prf.idn, ttx.idn и rrv.idn.\n\n"
               "Выберите папку интервала или создайте новую папку с примером.\n"
               "Выбрать папку интервала...\nСоздать папку с примером...";
    }

    QString previous_ = QDir::currentPath();
    test::TempDir home_;
    HopModel model_;
    test::ScriptedSeam seam_;
    TForm1 form_{model_, seam_};
};

TEST_F(StartInAFolderWithoutAHop, ClosedBoxIsTheOnlyMessage) {
    Start();
    ASSERT_EQ(seam_.events.size(), 1u);
    EXPECT_EQ(seam_.events[0].kind, "Choice");
    EXPECT_EQ(seam_.events[0].caption, "VAKREL");
    EXPECT_EQ(seam_.events[0].text, OfferFor(home_));
    EXPECT_FALSE(form_.workingSetLoaded());
    EXPECT_EQ(QDir::currentPath(), Q(home_));
}

TEST_F(StartInAFolderWithoutAHop, ChosenHopFolderIsWorkedIn) {
    test::TempDir empty, hop;
    for (const char* name : {"prf.idn", "ttx.idn", "rrv.idn"}) hop.write(name, Example(name));
    // First a folder that holds no hop either: the box comes back and names it.
    seam_.choices = {0, 0};
    seam_.files = {Q(empty), Q(hop)};
    Start();
    EXPECT_EQ(seam_.texts("Choice"), (std::vector<std::string>{OfferFor(home_), OfferFor(empty)}));
    EXPECT_TRUE(seam_.texts("Error box").empty());
    EXPECT_TRUE(form_.workingSetLoaded());
    EXPECT_EQ(model_.workingDirectory, hop.path());
    EXPECT_EQ(model_.pointCount(), 211);
}

TEST_F(StartInAFolderWithoutAHop, ExampleSetLaidOutInANewFolder) {
    test::TempDir fresh, taken;
    taken.write("ttx.idn", "kept");
    // A folder that holds working files already is refused, the box comes back; then a fresh one.
    seam_.choices = {1, 1};
    seam_.files = {Q(taken), Q(fresh)};
    form_.resize(1000, 700);
    form_.show();
    ASSERT_TRUE(OfferWorkingFolder(seam_, &form_, QStringLiteral(VAKREL_EXAMPLES)));
    EXPECT_EQ(seam_.texts("Error box"), std::vector<std::string>{"В папке\n" + taken.path() +
                                                                 "\nуже есть рабочие файлы; пример в ней не создан."});
    EXPECT_EQ(taken.read("ttx.idn"), "kept");
    for (const char* name : kSetFiles) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fresh.read(name), Example(name));
    }
    EXPECT_EQ(QDir::currentPath(), Q(fresh));
    form_.FormActivate();
    EXPECT_TRUE(form_.workingSetLoaded());
    EXPECT_EQ(model_.workingDirectory, fresh.path());
}

TEST_F(StartInAFolderWithoutAHop, MissingExampleSetIsReportedAndTheBoxComesBack) {
    test::TempDir fresh, nowhere;
    seam_.choices = {1};
    seam_.files = {Q(fresh)};
    EXPECT_FALSE(OfferWorkingFolder(seam_, nullptr, Q(nowhere)));
    EXPECT_EQ(seam_.texts("Error box"), std::vector<std::string>{"File not found.\nprf.idn"});
    EXPECT_EQ(seam_.texts("Choice").size(), 2u);
    EXPECT_FALSE(fresh.exists("prf.idn"));
}

TEST(CommandLine, FolderHelpVersionAndMistakes) {
    test::TempDir dir;
    dir.write("prf.idn", "");
    const std::string folder = dir.path();
    // A folder whose name is not UTF-8 opens by its bytes and is named readably.
    const std::string undecodable = folder + "/\xff\xfe-hop";
    std::filesystem::create_directory(undecodable);
    struct Row {
        std::vector<std::string> arguments;
        std::string folder;
        std::optional<int> exitCode;
        const char* outputHas;  // what the output holds (none when it is to be empty)
    };
    const Row rows[] = {
        {{}, {}, std::nullopt, ""},
        {{folder}, folder, std::nullopt, ""},
        {{folder + "/prf.idn"}, folder, std::nullopt, ""},
        {{undecodable}, undecodable, std::nullopt, ""},
        {{"--version"}, {}, 0, "vakrel_w " VAKREL_VERSION "\n"},
        {{"--help"}, {}, 0, " [options] [FOLDER]\n"},
        {{folder + "/none"}, {}, 2, "vakrel_w: нет папки "},
        {{folder + "/\xff-none"}, {}, 2, "/\\xFF-none\n"},
        {{folder, folder}, {}, 2, "vakrel_w: одна рабочая папка"},
        {{"--colour"}, {}, 2, "Unknown option 'colour'."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.empty() ? "" : row.arguments.front());
        const CommandLine line = ParseCommandLine(row.arguments);
        EXPECT_EQ(line.exitCode, row.exitCode);
        if (!row.exitCode) EXPECT_EQ(line.folder, row.folder);
        if (*row.outputHas)
            EXPECT_TRUE(line.output.contains(QString::fromUtf8(row.outputHas))) << line.output.toStdString();
        else
            EXPECT_TRUE(line.output.isEmpty());
    }
}

TEST(CommandLine, QtsOwnButtonsSpeakRussian) {
    ASSERT_TRUE(InstallRussianQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Закрыть"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

}  // namespace
}  // namespace vakrel
