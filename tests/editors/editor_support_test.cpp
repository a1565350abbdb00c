#include <gtest/gtest.h>

#include "code_reference.h"
#include "editor_support.h"
#include "io_error.h"
#include "temp_dir.h"

namespace vakrel {
namespace {

TEST(FileDialogFilter, PairsBecomeQtEntries) {
    const struct {
        const char* pairs;
        const char* qt;
    } cases[] = {
        {"Исходные файлы с ТТХ (*.idn)|*.idn|Фаилы с ТТХ (*.ttx)|*.ttx",
         "Исходные файлы с ТТХ (*.idn);;Фаилы с ТТХ (*.ttx)"},
        {"Исходные данные (*.idn) |*.idn|Параметры профиля (*.prf)|*.prf",
         "Исходные данные (*.idn);;Параметры профиля (*.prf)"},
        {"Графические файлы|*.bmp", "Графические файлы (*.bmp)"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToQtFilter(QString::fromUtf8(c.pairs)), QString::fromUtf8(c.qt));
}

TEST(CodeReferenceText, LinesConvertedBlankedAndCut) {
    test::TempDir dir;
    const std::string hundred(100, 'a');
    dir.write("ref.tip",
              "\xB3 1 \xB3\r\n"   // single-line bars become blanks
              "\x8B\xA5\xE1\r\n"  // code page 866 letters
              "\xBA\r\n"          // a double-line bar passes unchanged
              "\r\n" +
                  hundred + "\r\n\r\nlast without end\x1A after the end");
    const auto lines = ReadCodeReference(dir.file("ref.tip"));
    const std::vector<std::string> expected = {"  1  ", "\xCB\xE5\xF1",    "\xBA", "", std::string(76, 'a'),
                                               "",      "last without end"};
    EXPECT_EQ(lines, expected);
}

TEST(CodeReferenceText, MissingFileIsFileNotFound) {
    test::TempDir dir;
    try {
        ReadCodeReference(dir.file("none.tip"));
        FAIL() << "no error";
    } catch (const IoError& e) {
        EXPECT_EQ(e.userMessage(), "File not found.");
    }
}

}  // namespace
}  // namespace vakrel
