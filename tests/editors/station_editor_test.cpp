#include "U_ttx.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "codepage.h"
#include "editor_fixture.h"
#include "editor_support.h"
#include "number_format.h"
#include "string_grid.h"

namespace vakrel {
namespace {

const char* const kShowChanged = "Отображать изменённые ТТХ?";
const char* const kSaveWorking = "Сохранить измененные ТТХ в файле ttx.idn ?";
const char* const kOverwrite = "Перезаписать ТТХ в рабочий файл ttx.idn?";
const char* const kUse = "Использовать измененные ТТХ в текущих расчетах ?";

using Questions = std::vector<std::string>;

struct StationEditor : testing::Test {
    test::WorkingSet set;
    TForm2 form{set.model, set.seam};
    StringGrid& grid = test::GridOf(form);
    std::string original = set.read("ttx.idn");

    void Close() {
        form.close();
        EXPECT_FALSE(form.isVisible());
    }
    double Value(const std::string& file, int number) { return LoadStationFile(file).params[number - 1]; }
};

TEST_F(StationEditor, LayoutAndFixedTexts) {
    form.show();
    EXPECT_EQ(form.size(), QSize(417, 385));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(grid.geometry(), QRect(8, 40, 401, 340));
    EXPECT_EQ(grid.colCount(), 4);
    EXPECT_EQ(grid.gridRowCount(), 16);
    EXPECT_EQ(grid.columnWidth(1), 280);
    EXPECT_EQ(grid.rowHeight(3), 20);
    EXPECT_EQ(grid.cell(3, 0), QStringLiteral("Значение"));
    EXPECT_EQ(grid.cell(0, 15), QStringLiteral("15"));
    EXPECT_EQ(grid.cell(1, 11), QStringLiteral("Рабочая частота"));
    EXPECT_EQ(grid.cell(2, 11), QStringLiteral("МГц"));
    EXPECT_EQ(grid.cell(2, 14), QString());
    EXPECT_EQ(grid.cell(3, 11), QStringLiteral("8000"));
    EXPECT_EQ(test::NameFieldOf(form).text(), QStringLiteral("РРС-8Ц, 8 ГГц, цифровая, STM-1"));
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("Label1"))->toolTip(),
              QStringLiteral("Правая кнопка мыши - меню ввода/вывода ТТХ из файла"));
    Close();
}

TEST_F(StationEditor, KeyboardReachesTheFileMenuTheNameAndTheGrid) {
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(QApplication::focusWidget(), &test::NameFieldOf(form));  // typing goes to the name first
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), grid.inplaceEditor());
    QTest::keyClick(&test::NameFieldOf(form), Qt::Key_Backtab);
    auto* label = form.findChild<QWidget*>(QStringLiteral("Label1"));
    EXPECT_EQ(QApplication::focusWidget(), label);
    auto* menu = form.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QTest::keyClick(label, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
    Close();
}

TEST_F(StationEditor, NothingChangedAsksNothing) {
    form.show();
    Close();
    EXPECT_TRUE(set.seam.events.empty());
    EXPECT_EQ(set.read("ttx.idn"), original);
    EXPECT_FALSE(form.valuesHandedOver());
}

TEST_F(StationEditor, ModelHeightsShownOnYesThenSaveOffered) {
    set.model.stationParam(kAntenna1HeightParam) = 33.5;
    set.model.stationParam(kAntenna1HeightParam) = 33.5;
    set.seam.answers = {true, true};
    form.show();
    EXPECT_EQ(grid.cell(3, 5), QStringLiteral("33.5"));
    Close();
    // The values equal the model's, so after the save nothing is offered.
    EXPECT_EQ(set.questions(), (Questions{kShowChanged, kSaveWorking}));
    EXPECT_EQ(Value("ttx.idn", 5), 33.5);
    EXPECT_FALSE(form.valuesHandedOver());
}

TEST_F(StationEditor, ModelHeightsDeclinedShowsTheFile) {
    const double fileHeight = set.model.stationParam(kAntenna1HeightParam);
    set.model.stationParam(kAntenna1HeightParam) = 33.5;
    set.seam.answers = {false};
    form.show();
    EXPECT_EQ(grid.cell(3, 5).toStdString(), FormatGeneral(fileHeight, '.'));
    Close();
    // The file is unchanged but its values differ from the model's: they are offered.
    EXPECT_EQ(set.questions(), (Questions{kShowChanged, kUse}));
    EXPECT_EQ(set.read("ttx.idn"), original);
}

TEST_F(StationEditor, TypedValueSavedAndHandedOver) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    form.show();
    test::KeyInto(grid, 3, 10, QString());  // to row 10 without typing
    test::TypeInto(grid, 3, 10, QStringLiteral("12,5"));
    EXPECT_EQ(grid.cell(3, 10), QStringLiteral("12,5"));  // the grid keeps what was typed
    test::TypeInto(grid, 3, 11, QStringLiteral("7500"));
    set.seam.answers = {true, true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kUse}));
    EXPECT_EQ(Value("ttx.idn", 10), 12.5);
    EXPECT_NE(set.read("ttx.idn").find("    12.500"), std::string::npos);
    EXPECT_TRUE(form.valuesHandedOver());
    EXPECT_EQ(set.model.stationParam(10), 12.5);
    EXPECT_EQ(set.model.antennaHeight2(), 12.5);
    EXPECT_EQ(set.model.workingFrequency(), 7500);
    EXPECT_EQ(set.model.station.lines, ParseStationFile(original).lines);  // kept lines as read
}

TEST_F(StationEditor, TypingRuleCellByCell) {
    form.show();
    const struct {
        const char* typed;
        const char* shown;
        double held;
    } cases[] = {
        {"12,5", "12,5", 12.5}, {"12.", "12.", 12},   {"1.2.3", "12", 12},  // refused: back to the value held
        {"12a", "12", 12},      {"1e3", "1e3", 1000}, {"", "", 0},         {"-", "0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        test::TypeInto(grid, 3, 1, QString::fromUtf8(c.typed));
        EXPECT_EQ(grid.cell(3, 1), QString::fromUtf8(c.shown));
    }
    set.seam.answers = {true};
    Close();
    EXPECT_EQ(Value("ttx.idn", 1), 0);
}

TEST_F(StationEditor, KeystrokesUndoASecondPointAtOnce) {
    form.show();
    test::TypeInto(grid, 3, 2, QString());
    test::KeyInto(grid, 3, 2, QStringLiteral("1.2.3"));
    // "1.2." is set back to 1.2 at once; the 3 then follows it.
    EXPECT_EQ(grid.cell(3, 2), QStringLiteral("1.23"));
    set.seam.answers = {false, false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kUse}));
    EXPECT_EQ(set.read("ttx.idn"), original);
}

TEST_F(StationEditor, OnlyTheNameChangedAsksOnlyToSave) {
    const std::string modelNameLine = set.model.station.lines[2];
    form.show();
    test::NameFieldOf(form).setText(QStringLiteral("Новое имя"));
    set.seam.answers = {true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking}));
    EXPECT_EQ(LoadStationFile("ttx.idn").lines[2], Utf8ToCp866("Тип РРС   : Новое имя"));
    EXPECT_EQ(set.model.station.lines[2], modelNameLine);
}

TEST_F(StationEditor, NameCharactersOutsideCodePage1251BecomeQuestionMarks) {
    form.show();
    QLineEdit& name = test::NameFieldOf(form);
    name.setText(QString());
    name.insert(QStringLiteral("A\u4E2DB"));
    EXPECT_EQ(name.text(), QStringLiteral("A?B"));
    EXPECT_EQ(name.cursorPosition(), 3);
    set.seam.answers = {true};
    Close();
    EXPECT_EQ(LoadStationFile("ttx.idn").lines[2], Utf8ToCp866("Тип РРС   : A?B"));
}

TEST_F(StationEditor, AnotherFileLoadedAsksToOverwriteTheWorkingFile) {
    StationFile other = LoadStationFile("ttx.idn");
    other.params[4] = 48;
    SaveStationFile(set.other.file("mast.ttx"), other, "Mast");
    const std::string otherBytes = set.other.read("mast.ttx");

    form.show();
    set.seam.files = {QString::fromStdString(set.other.file("mast.ttx"))};
    form.findChild<QAction*>(QStringLiteral("N1"))->trigger();
    EXPECT_EQ(test::NameFieldOf(form).text(), QStringLiteral("Mast"));
    EXPECT_EQ(grid.cell(3, 5), QStringLiteral("48"));
    EXPECT_EQ(CurrentDirectory(), set.other.path());  // the dialog made its folder current
    ASSERT_EQ(set.seam.dialogs.size(), 1u);
    EXPECT_EQ(set.seam.dialogs[0].title, QStringLiteral("Считывание ТТХ из файла"));
    EXPECT_EQ(set.seam.dialogs[0].filter, QStringLiteral("Исходные файлы с ТТХ (*.idn);;Фаилы с ТТХ (*.ttx)"));
    EXPECT_EQ(set.seam.dialogs[0].defaultSuffix, QStringLiteral("idn"));
    EXPECT_EQ(set.seam.dialogs[0].initialName, QStringLiteral("ttx"));
    EXPECT_FALSE(set.seam.dialogs[0].save);

    set.seam.answers = {true, true};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kOverwrite, kUse}));
    EXPECT_EQ(CurrentDirectory(), set.model.workingDirectory);
    EXPECT_EQ(set.read("ttx.idn"), otherBytes);
    EXPECT_EQ(set.model.antennaHeight1(), 48);
    EXPECT_EQ(set.model.station.lines[2], Utf8ToCp866("Тип РРС   : Mast"));
}

TEST_F(StationEditor, OverwriteDeclinedEndsTheQuestions) {
    form.show();
    set.seam.files = {QString::fromStdString(set.dir.file("ttx.idn"))};  // a full path is never the working file
    form.findChild<QAction*>(QStringLiteral("N1"))->trigger();
    set.seam.answers = {false};
    const auto modelParams = set.model.station.params;
    Close();
    EXPECT_EQ(set.questions(), (Questions{kOverwrite}));
    EXPECT_EQ(set.model.station.params, modelParams);
    EXPECT_EQ(set.read("ttx.idn"), original);
}

TEST_F(StationEditor, SaveUnderANameKeepsTheWindowChanged) {
    form.show();
    test::TypeInto(grid, 3, 12, QStringLiteral("99.9"));
    set.seam.files = {QString::fromStdString(set.other.file("copy.ttx"))};
    form.findChild<QAction*>(QStringLiteral("N2"))->trigger();
    ASSERT_EQ(set.seam.dialogs.size(), 1u);
    EXPECT_TRUE(set.seam.dialogs[0].save);
    EXPECT_EQ(set.seam.dialogs[0].title, QStringLiteral("Запись ТТХ в файл"));
    EXPECT_EQ(set.seam.dialogs[0].initialName, QStringLiteral("ttx.idn"));
    EXPECT_EQ(Value(set.other.file("copy.ttx"), 12), 99.9);

    // The other folder is current: the working file name is kept but the directory differs.
    set.seam.answers = {false, false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kOverwrite}));
    EXPECT_EQ(CurrentDirectory(), set.model.workingDirectory);
    EXPECT_EQ(set.read("ttx.idn"), original);
}

TEST_F(StationEditor, MissingWorkingFileKeepsWhatTheEditorHeld) {
    form.show();
    test::NameFieldOf(form).setText(QStringLiteral("Edited"));
    set.seam.answers = {false};
    Close();
    std::filesystem::remove("ttx.idn");
    form.show();
    EXPECT_EQ(set.errors(), (Questions{"File not found.\nttx.idn"}));
    EXPECT_EQ(test::NameFieldOf(form).text(), QStringLiteral("Edited"));
    EXPECT_EQ(grid.cell(3, 11), QStringLiteral("8000"));
}

TEST_F(StationEditor, AFailedSaveKeepsTheWindowOpenAndClosingAsksAgain) {
    form.show();
    test::TypeInto(grid, 3, 1, QStringLiteral("5"));
    std::filesystem::remove("ttx.idn");
    std::filesystem::create_directory("ttx.idn");  // a folder cannot be replaced by the file
    set.seam.answers = {true};
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(set.errors().size(), 1u);
    set.seam.answers = {false, false};
    Close();
    EXPECT_EQ(set.questions(), (Questions{kSaveWorking, kSaveWorking, kUse}));
}

// A working directory that is gone holds no working file to show, and cannot be returned to: the
// user is told each time, with the folder's path, and the editor still closes, without offering
// a working file it could not write.
TEST_F(StationEditor, AVanishedWorkingDirectoryStillLetsTheWindowClose) {
    set.model.workingDirectory = set.dir.file("gone");
    form.show();
    Close();
    const std::string gone = "\nРабочая папка не найдена: " + set.dir.file("gone");
    EXPECT_EQ(set.errors(),
              (std::vector<std::string>{"File not found.\nttx.idn" + gone, "File not found.\ngone" + gone}));
    EXPECT_TRUE(set.questions().empty());
}

}  // namespace
}  // namespace vakrel
