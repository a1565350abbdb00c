#include "U_prf.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "codepage.h"
#include "editor_fixture.h"
#include "editor_support.h"
#include "number_format.h"
#include "string_grid.h"

namespace vakrel {
namespace {

const char* const kSaveWorking = "Сохранить измененный профиль в файле prf.idn ?";
const char* const kOverwrite = "Перезаписать данные о профиле в рабочий файл prf.idn?";
const char* const kUse = "Использовать измененные данные о профиле в текущих расчетах ?";
const char* const kInsert = "Вставить строку ?";
const char* const kDelete = "Стереть строку ?";

using Questions = std::vector<std::string>;

struct ProfileEditor : testing::Test {
    test::WorkingSet set;
    TForm3 form{set.model, set.seam};
    StringGrid& grid = test::GridOf(form);
    std::string original = set.read("prf.idn");
    ProfileData file = ReadProfileFile("prf.idn");
    int n = static_cast<int>(file.points.size());

    void Close() {
        form.close();
        EXPECT_FALSE(form.isVisible());
    }
    QString Shown(double value) { return QString::fromStdString(FormatGeneral(value, '.')); }
    int RowsWithDistance() {
        int rows = 0;
        while (rows < 1000 && !grid.cell(1, rows + 1).isEmpty()) ++rows;
        return rows;
    }
};

TEST_F(ProfileEditor, LayoutHeadingsAndRows) {
    form.show();
    EXPECT_EQ(form.size(), QSize(438, 370));
    EXPECT_EQ(grid.geometry(), QRect(8, 40, 420, 321));
    EXPECT_EQ(grid.gridRowCount(), 1001);
    EXPECT_EQ(grid.columnWidth(4), 94);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("  №"));
    EXPECT_EQ(grid.cell(2, 0), QStringLiteral("     Высота [м]"));
    EXPECT_EQ(grid.cell(0, 1000), QStringLiteral("1000"));
    EXPECT_EQ(grid.toolTip(), QStringLiteral("1-й/последний знак в 1-й колонке: +/вставить строку; -/стереть строку"));
    EXPECT_EQ(RowsWithDistance(), n);
    EXPECT_EQ(grid.cell(2, 2), Shown(file.points[1].groundHeight));
    EXPECT_EQ(test::NameFieldOf(form).text().toStdString(),
              Cp1251ToUtf8(DosToWin(file.header[2].substr(12, 68), WindowsTest::Full, true)));
    Close();
    EXPECT_TRUE(set.seam.events.empty());
}

TEST_F(ProfileEditor, ChangedHeightSavedAndHandedOver) {
    form.show();
    test::TypeInto(grid, 2, 3, QStringLiteral("155.5"));
    set.seam.answers = {true, true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kUse}));
    ProfileData written = file;
    written.points[2].groundHeight = 155.5;
    EXPECT_EQ(set.read("prf.idn"), FormatProfileEditorLayout(written));
    EXPECT_TRUE(form.profileHandedOver());
    EXPECT_EQ(set.model.pointCount(), n);
    EXPECT_EQ(set.model.profile.points[2].groundHeight, 155.5);
    EXPECT_EQ(set.model.profile.header[2], file.header[2]);
    EXPECT_EQ(form.profileCaption(),
              QStringLiteral("Профиль местности на интервале: ") + test::NameFieldOf(form).text());
}

TEST_F(ProfileEditor, EscapeInTheGridClosesThroughTheClosingQuestions) {
    form.show();
    test::TypeInto(grid, 2, 3, QStringLiteral("155.5"));
    set.seam.answers = {false, false};
    QTest::keyClick(grid.inplaceEditor(), Qt::Key_Escape);
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kUse}));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(set.read("prf.idn"), original);
}

TEST_F(ProfileEditor, TypingRulesCellByCell) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    form.show();
    const struct {
        int col;
        const char* typed;
        const char* shown;
    } cases[] = {
        {2, "12,5", "12,5"}, {2, "12.5", "12.5"}, {2, "12.", "12."}, {2, "1.2.3", "12"},
        {2, "12a", "12"},    {2, "12-", "12"},    {2, "1e3", "1e3"}, {2, "", "1000"},
        {3, "8", "8"},       {3, "9", "8"},       {3, "7.9", "7.9"}, {3, "-1", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        test::TypeInto(grid, c.col, 4, QString::fromUtf8(c.typed));
        EXPECT_EQ(grid.cell(c.col, 4), QString::fromUtf8(c.shown));
    }
    set.seam.answers = {false, false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kUse}));
    EXPECT_EQ(set.read("prf.idn"), original);
}

TEST_F(ProfileEditor, InsertAfterADistanceAndAppendBelowTheLast) {
    form.show();
    set.seam.answers = {true};
    test::TypeInto(grid, 1, 5, grid.cell(1, 5) + QStringLiteral("+"));
    EXPECT_EQ(RowsWithDistance(), n + 1);
    EXPECT_EQ(grid.cell(1, 5), Shown(file.points[3].distance + 0.01));
    EXPECT_EQ(grid.cell(2, 5), Shown(file.points[3].groundHeight));
    EXPECT_EQ(grid.cell(1, 6), Shown(file.points[4].distance));

    set.seam.answers = {false};
    test::TypeInto(grid, 1, n + 2, QStringLiteral("+"));
    EXPECT_EQ(grid.cell(1, n + 2), QString());
    set.seam.answers = {true};
    test::TypeInto(grid, 1, n + 2, QStringLiteral("+"));
    EXPECT_EQ(grid.cell(1, n + 2), Shown(file.points[n - 1].distance + 0.01));
    EXPECT_EQ(RowsWithDistance(), n + 2);

    // Beyond the row below the last point everything is wiped at once.
    test::TypeInto(grid, 2, n + 4, QStringLiteral("5"));
    EXPECT_EQ(grid.cell(2, n + 4), QString());
    test::TypeInto(grid, 2, n + 3, QStringLiteral("+"));
    EXPECT_EQ(grid.cell(2, n + 3), QString());

    // Insertion alone is no change: the closing asks nothing.
    Close();
    EXPECT_EQ(set.questions(), (Questions{kInsert, kInsert, kInsert}));
    EXPECT_EQ(set.read("prf.idn"), original);
    EXPECT_FALSE(form.profileHandedOver());
}

TEST_F(ProfileEditor, DeleteEmptiesTheLastRow) {
    form.show();
    set.seam.answers = {false};
    test::TypeInto(grid, 1, 3, QStringLiteral("-"));
    EXPECT_EQ(grid.cell(1, 3), Shown(file.points[2].distance));  // No: restored
    set.seam.answers = {true};
    test::TypeInto(grid, 1, 3, QStringLiteral("-"));
    EXPECT_EQ(RowsWithDistance(), n - 1);
    EXPECT_EQ(grid.cell(1, 3), Shown(file.points[3].distance));
    EXPECT_EQ(grid.cell(4, n), QString());
    Close();
    EXPECT_EQ(set.questions(), (Questions{kDelete, kDelete}));
}

TEST_F(ProfileEditor, AnotherFileAlwaysAsksToOverwriteAndNoSkipsTheHandOver) {
    ProfileData other = file;
    other.points.resize(5);
    WriteProfileFile(set.other.file("short.prf"), other, "Short");
    form.show();
    set.seam.files = {QString::fromStdString(set.other.file("short.prf"))};
    form.findChild<QAction*>(QStringLiteral("N1"))->trigger();
    EXPECT_EQ(set.seam.dialogs.at(0).title, QStringLiteral("Ввод исходных данных о профиле из файлов"));
    EXPECT_EQ(set.seam.dialogs.at(0).filter, QStringLiteral("Исходные данные (*.idn);;Параметры профиля (*.prf)"));
    EXPECT_EQ(set.seam.dialogs.at(0).initialName, QStringLiteral("prf"));
    EXPECT_EQ(RowsWithDistance(), 5);
    EXPECT_EQ(test::NameFieldOf(form).text(), QStringLiteral("Short"));
    set.seam.answers = {false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kOverwrite}));
    EXPECT_EQ(set.read("prf.idn"), original);
    EXPECT_EQ(CurrentDirectory(), set.model.workingDirectory);

    form.show();  // the working file again
    EXPECT_EQ(RowsWithDistance(), n);
    set.seam.files = {QString::fromStdString(set.other.file("short.prf"))};
    form.findChild<QAction*>(QStringLiteral("N1"))->trigger();
    set.seam.answers = {true, true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kOverwrite, kOverwrite, kUse}));
    EXPECT_EQ(set.read("prf.idn"), set.other.read("short.prf"));
    EXPECT_EQ(set.model.pointCount(), 5);
    EXPECT_EQ(form.profileCaption(), QStringLiteral("Профиль местности на интервале: Short"));
}

TEST_F(ProfileEditor, SaveUnderANameThenASinglePointIsNeverHandedOver) {
    ProfileData single = file;
    single.points.resize(1);
    WriteProfileFile(set.other.file("one.prf"), single, "One");
    form.show();
    set.seam.files = {QString::fromStdString(set.other.file("one.prf"))};
    form.findChild<QAction*>(QStringLiteral("N1"))->trigger();
    set.seam.files = {QString::fromStdString(set.other.file("copy.idn"))};
    form.findChild<QAction*>(QStringLiteral("N2"))->trigger();
    EXPECT_EQ(set.seam.dialogs.at(1).title, QStringLiteral("Сохранение исходных данных о профиле  "));
    EXPECT_EQ(set.seam.dialogs.at(1).initialName, QString::fromStdString(set.other.file("one.prf")));
    EXPECT_EQ(set.other.read("copy.idn"), set.other.read("one.prf"));
    set.seam.answers = {true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kOverwrite}));
    EXPECT_EQ(set.read("prf.idn"), set.other.read("one.prf"));
    EXPECT_EQ(set.model.pointCount(), n);
    EXPECT_FALSE(form.profileHandedOver());
}

TEST_F(ProfileEditor, ZeroDistanceEndsTheProfileHandedOver) {
    form.show();
    test::TypeInto(grid, 1, 11, QStringLiteral("0"));
    set.seam.answers = {false, true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kUse}));
    EXPECT_EQ(set.model.pointCount(), 10);
}

TEST_F(ProfileEditor, UnreadableWorkingFileKeepsThePointsHeld) {
    form.show();
    Close();
    std::filesystem::remove("prf.idn");
    form.show();
    EXPECT_EQ(set.errors(), (Questions{"File not found.\nprf.idn"}));
    EXPECT_EQ(RowsWithDistance(), n);
    EXPECT_EQ(grid.cell(2, 2), Shown(file.points[1].groundHeight));
    Close();
    EXPECT_TRUE(set.questions().empty());
}

}  // namespace
}  // namespace vakrel
