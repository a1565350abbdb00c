#include "U_rrv.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QTimer>

#include "U_tip.h"
#include "codepage.h"
#include "editor_fixture.h"
#include "editor_support.h"
#include "string_grid.h"

namespace vakrel {
namespace {

const char* const kSaveWorking = "Сохранить условия РРВ в файле rrv.idn ?";
const char* const kOverwrite = "Перезаписать условия РРВ в рабочий файл rrv.idn?";

using Questions = std::vector<std::string>;

struct ConditionsEditor : testing::Test {
    test::WorkingSet set;
    TForm4 form{set.model, set.seam};
    StringGrid& grid = test::GridOf(form);
    std::string original = set.read("rrv.idn");
    Refraction before{99, 98, 0.5, 0.25};

    ConditionsEditor() { set.model.refraction = before; }
    void Close() {
        form.close();
        EXPECT_FALSE(form.isVisible());
    }
    void ExpectModelUntouched() {
        EXPECT_EQ(set.model.refraction.month, before.month);
        EXPECT_EQ(set.model.refraction.region, before.region);
        EXPECT_EQ(set.model.refraction.gradient, before.gradient);
        EXPECT_EQ(set.model.refraction.coefficient, before.coefficient);
    }
};

TEST_F(ConditionsEditor, LayoutAndFixedTexts) {
    form.show();
    EXPECT_EQ(form.size(), QSize(438, 422));
    EXPECT_EQ(grid.geometry(), QRect(8, 40, 419, 361));
    EXPECT_EQ(grid.gridRowCount(), 17);
    EXPECT_EQ(grid.columnWidth(1), 290);
    EXPECT_EQ(grid.cell(1, 4), QStringLiteral("Номер географического района (1..21,0-нетиповой) "));
    EXPECT_EQ(grid.cell(2, 13), QStringLiteral("мсим/м"));
    EXPECT_EQ(grid.cell(3, 3), QStringLiteral("7"));
    EXPECT_EQ(grid.toolTip(), QStringLiteral("Для вызова справки о кодах щелкните два раза левой кнопкой мыши"));
    Close();
}

TEST_F(ConditionsEditor, NothingChangedAsksNothingAndLeavesTheModel) {
    form.show();
    Close();
    EXPECT_TRUE(set.seam.events.empty());
    ExpectModelUntouched();
    EXPECT_FALSE(form.refractionHandedOver());
}

TEST_F(ConditionsEditor, MonthSavedReachesTheModel) {
    form.show();
    test::TypeInto(grid, 3, 3, QStringLiteral("6.9"));
    test::TypeInto(grid, 3, 16, QStringLiteral("1,333"));
    set.seam.answers = {true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking}));
    EXPECT_NE(set.read("rrv.idn").find("     6.900"), std::string::npos);
    EXPECT_EQ(LoadConditionsFile("rrv.idn").params[2], 6.9);
    EXPECT_TRUE(form.refractionHandedOver());
    EXPECT_EQ(set.model.refraction.month, 6);
    EXPECT_EQ(set.model.refraction.region, 10);
    EXPECT_EQ(set.model.refraction.gradient, LoadConditionsFile("rrv.idn").params[8]);
    EXPECT_EQ(set.model.refraction.coefficient, 1.333);
}

TEST_F(ConditionsEditor, SaveDeclinedLeavesFileAndModelAndTheEditIsLost) {
    form.show();
    test::TypeInto(grid, 3, 3, QStringLiteral("7"));
    test::TypeInto(grid, 3, 3, QStringLiteral("3"));
    set.seam.answers = {false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking}));
    EXPECT_EQ(set.read("rrv.idn"), original);
    ExpectModelUntouched();
    form.show();
    EXPECT_EQ(grid.cell(3, 3), QStringLiteral("7"));
    Close();
}

TEST_F(ConditionsEditor, AnotherFileCopiedIntoTheWorkingFileAndTheModel) {
    ConditionsFile other = LoadConditionsFile("rrv.idn");
    other.params[2] = 2;
    other.params[3] = 0;
    SaveConditionsFile(set.other.file("winter.rrv"), other, "Winter");
    form.show();
    set.seam.files = {QString::fromStdString(set.other.file("winter.rrv"))};
    form.findChild<QAction*>(QStringLiteral("N1"))->trigger();
    EXPECT_EQ(set.seam.dialogs.at(0).filter, QStringLiteral("Исходные данные (*.idn);;Условия РРВ (*.rrv)"));
    EXPECT_EQ(set.seam.dialogs.at(0).initialName, QStringLiteral("rrv"));
    EXPECT_EQ(test::NameFieldOf(form).text(), QStringLiteral("Winter"));
    set.seam.answers = {true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kOverwrite}));
    EXPECT_EQ(set.read("rrv.idn"), set.other.read("winter.rrv"));
    EXPECT_EQ(CurrentDirectory(), set.model.workingDirectory);
    EXPECT_EQ(set.model.refraction.month, 2);
    EXPECT_EQ(set.model.refraction.region, 0);
}

TEST_F(ConditionsEditor, SaveUnderTheWorkingNameDoesNotUpdateTheModel) {
    form.show();
    test::TypeInto(grid, 3, 3, QStringLiteral("11"));
    set.seam.files = {QString::fromStdString(set.dir.file("rrv.idn"))};
    form.findChild<QAction*>(QStringLiteral("N2"))->trigger();
    EXPECT_EQ(set.seam.dialogs.at(0).title, QStringLiteral("Запись условий РРВ в файл"));
    EXPECT_EQ(set.seam.dialogs.at(0).initialName, QStringLiteral("rrv.idn"));
    EXPECT_EQ(LoadConditionsFile("rrv.idn").params[2], 11);
    ExpectModelUntouched();
    set.seam.answers = {false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking}));
    ExpectModelUntouched();
}

TEST_F(ConditionsEditor, DoubleClickShowsTheTypicalCodesWindow) {
    TForm5 codes(set.model, set.seam);
    form.setCodeReference(codes);
    form.show();
    bool shownWithText = false;
    QTimer::singleShot(0, &codes, [&] {
        auto* memo = codes.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        shownWithText = codes.isVisible() && memo->isVisible() && !memo->toPlainText().isEmpty();
        codes.close();
    });
    emit grid.gridDoubleClicked();
    EXPECT_TRUE(shownWithText);
    EXPECT_FALSE(codes.isVisible());
    Close();
}

}  // namespace
}  // namespace vakrel
