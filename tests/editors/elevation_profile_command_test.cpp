// The profile editor's command "Построить по карте высот…" with the real vakrel-profile over
// the synthetic rasters of examples/dem: the grid filled as by a load, the closing questions
// deciding about prf.idn, a refusal shown with the program's message, and the dialog's checks.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "U_prf.h"
#include "editor_fixture.h"
#include "elevation_profile_dialog.h"
#include "string_grid.h"

namespace vakrel {
namespace {

const std::string kDem = std::string(VAKREL_EXAMPLES) + "/dem/hop_elevation.asc";
const std::string kCover = std::string(VAKREL_EXAMPLES) + "/dem/hop_landcover.asc";
const char* const kOverwrite = "Перезаписать данные о профиле в рабочий файл prf.idn?";
const char* const kUse = "Использовать измененные данные о профиле в текущих расчетах ?";

struct Fields {
    QString fromLat, fromLon, toLat, toLon, dem, cover;
};
const Fields kHop{"55,3", "37.9", "55.34", "38,56", QString::fromStdString(kDem), QString::fromStdString(kCover)};

struct ElevationCommand : testing::Test {
    test::WorkingSet set;
    TForm3 form{set.model, set.seam};
    StringGrid& grid = test::GridOf(form);

    static QLineEdit& Field(QDialog& dialog, const char* name) { return *dialog.findChild<QLineEdit*>(name); }
    static void Fill(QDialog& dialog, const Fields& f) {
        Field(dialog, "FromLat").setText(f.fromLat);
        Field(dialog, "FromLon").setText(f.fromLon);
        Field(dialog, "ToLat").setText(f.toLat);
        Field(dialog, "ToLon").setText(f.toLon);
        Field(dialog, "DemPaths").setText(f.dem);
        Field(dialog, "LandCover").setText(f.cover);
    }
    // Runs the command; `inDialog` acts in the dialog once it is shown.
    void Command(const std::function<void(QDialog&)>& inDialog) {
        QTimer::singleShot(0, &form, [&] {
            auto* dialog = form.findChild<ElevationProfileDialog*>();
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(dialog->isVisible());
            inDialog(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        form.findChild<QAction*>("N3")->trigger();
    }
    static void Build(QDialog& dialog) { dialog.findChild<QPushButton*>("Build")->click(); }
    int Rows() {
        int rows = 0;
        while (rows < 1000 && !grid.cell(1, rows + 1).isEmpty()) ++rows;
        return rows;
    }
};

TEST_F(ElevationCommand, FillsTheGridAndTheClosingQuestionsWriteTheWorkingFile) {
    form.show();
    Command([](QDialog& dialog) {
        Fill(dialog, kHop);
        Build(dialog);
    });
    ASSERT_EQ(set.errors(), std::vector<std::string>{});
    const int rows = Rows();
    EXPECT_GT(rows, 300);
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("0"));
    EXPECT_TRUE(grid.cell(1, rows).startsWith(QStringLiteral("42.13"))) << grid.cell(1, rows).toStdString();
    EXPECT_EQ(test::NameFieldOf(form).text(), QStringLiteral("55.300000,37.900000 - 55.340000,38.560000"));
    int forest = 0;
    for (int r = 1; r <= rows; ++r) forest += grid.cell(3, r) == QStringLiteral("1");
    EXPECT_GT(forest, 10);

    // The fields are kept for the next time.
    Command([](QDialog& dialog) { EXPECT_EQ(Field(dialog, "DemPaths").text(), kHop.dem); });
    EXPECT_EQ(Rows(), rows);

    set.seam.answers = {true, true};
    form.close();
    EXPECT_EQ(set.questions(), (std::vector<std::string>{kOverwrite, kUse}));
    const ProfileData written = ReadProfileFile("prf.idn");
    EXPECT_EQ(static_cast<int>(written.points.size()), rows);
    EXPECT_NE(written.header[3].find("55.300000, 37.900000"), std::string::npos);
    EXPECT_NE(written.header[6].find("hop_elevation.asc"), std::string::npos);
    EXPECT_EQ(set.model.pointCount(), rows);
    EXPECT_TRUE(form.profileHandedOver());
}

TEST_F(ElevationCommand, RefusalShowsTheProgramsMessageAndKeepsTheGrid) {
    form.show();
    const int before = Rows();
    Fields outside = kHop;
    outside.toLat = "55.9";
    Command([&](QDialog& dialog) {
        Fill(dialog, outside);
        Build(dialog);
    });
    ASSERT_EQ(set.errors().size(), 1u);
    EXPECT_NE(set.errors()[0].find("вне всех растров высот"), std::string::npos) << set.errors()[0];
    EXPECT_EQ(Rows(), before);
    form.close();
    EXPECT_TRUE(set.questions().empty());
}

// The program started by this test program, held stopped as soon as it runs, so that it goes on
// until the progress window's cancel button ends it (no raster makes the program itself wait).
void HoldChildren(QObject& context, const std::shared_ptr<bool>& waiting) {
    if (!*waiting) return;
    bool held = false;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream children(task.path() / "children");
        for (pid_t pid; children >> pid; held = true) ::kill(pid, SIGSTOP);
    }
    if (!held) QTimer::singleShot(1, &context, [&context, waiting] { HoldChildren(context, waiting); });
}

TEST_F(ElevationCommand, CancelEndsTheProgramAndKeepsTheGrid) {
    form.show();
    const int before = Rows();
    const std::function<void(QProgressDialog&)> cancels[] = {
        [](QProgressDialog& progress) { progress.findChild<QPushButton*>()->click(); },
        [](QProgressDialog& progress) { QTest::keyClick(&progress, Qt::Key_Escape); },
    };
    for (const auto& cancel : cancels) {
        // Both polls end with the command, whatever happened, so that none outlives its row.
        const auto waiting = std::make_shared<bool>(true);
        const auto progressShown = std::make_shared<bool>(false);
        std::function<void()> cancelWhenShown = [&, waiting, progressShown] {
            if (!*waiting) return;
            auto* progress = form.findChild<QProgressDialog*>("ProfileBuilderProgress");
            if (progress && progress->isVisible()) {
                *progressShown = true;
                cancel(*progress);
            } else {
                QTimer::singleShot(50, &form, cancelWhenShown);
            }
        };
        Command([&](QDialog& dialog) {
            Fill(dialog, kHop);
            HoldChildren(form, waiting);
            QTimer::singleShot(50, &form, cancelWhenShown);
            Build(dialog);
        });
        *waiting = false;
        EXPECT_TRUE(*progressShown);
        EXPECT_TRUE(set.errors().empty());
        EXPECT_EQ(Rows(), before);
    }
}

TEST_F(ElevationCommand, DialogPreviewAndChecks) {
    const struct {
        Fields fields;
        const char* preview;
        bool buildable;
    } cases[] = {
        {kHop, "Длина: около 42.1", true},
        {{"91", "37.9", "55.34", "38.56", "a.hgt", ""}, "Широта", false},
        {{"55.3", "37.9", "55.34", "181", "a.hgt", ""}, "Долгота", false},
        {{"55.3", "37.9", "55.34x", "38.56", "a.hgt", ""}, "Введите", false},
        {{"55.3", "37.9", "55.34", "38.56", " ; ", ""}, "Длина: около 42.1", false},
    };
    form.show();
    for (const auto& c : cases) {
        Command([&](QDialog& dialog) {
            Fill(dialog, c.fields);
            EXPECT_TRUE(dialog.findChild<QLabel*>("LengthPreview")->text().startsWith(QString::fromUtf8(c.preview)))
                << dialog.findChild<QLabel*>("LengthPreview")->text().toStdString();
            EXPECT_EQ(dialog.findChild<QPushButton*>("Build")->isEnabled(), c.buildable) << c.preview;
        });
    }
    EXPECT_TRUE(set.errors().empty());
}

}  // namespace
}  // namespace vakrel
