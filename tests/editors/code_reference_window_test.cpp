#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "U_col.h"
#include "U_tip.h"
#include "editor_fixture.h"
#include "text_file.h"

namespace vakrel {
namespace {

QPlainTextEdit& MemoOf(QWidget& window) { return *window.findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); }

TEST(CodeReferenceWindows, FilledAfreshAtEachShowing) {
    test::WorkingSet set;
    TForm8 form(set.model, set.seam);
    EXPECT_EQ(form.size(), QSize(600, 200));
    EXPECT_EQ(form.pos(), QPoint(256, 189));
    set.dir.write("prf.tip", "\xB3 1 \xB3 \x8B\xA5\xE1\r\nsecond\r\n");
    form.show();
    QPlainTextEdit& memo = MemoOf(form);
    EXPECT_TRUE(memo.isVisible());
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("  1   Лес\nsecond"));
    EXPECT_EQ(memo.font().pixelSize(), 13);
    EXPECT_TRUE(memo.font().fixedPitch());
    form.close();
    EXPECT_FALSE(memo.isVisible());

    set.dir.write("prf.tip", "changed\r\n");
    form.show();
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("changed"));
    form.close();
}

TEST(CodeReferenceWindows, MissingFileShowsTheErrorAndAnEmptyWindow) {
    test::WorkingSet set;
    TForm5 form(set.model, set.seam);
    EXPECT_EQ(form.size(), QSize(600, 300));
    std::filesystem::remove("rrv.tip");
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(MemoOf(form).isVisible());
    EXPECT_EQ(set.errors(), (std::vector<std::string>{"File not found.\nrrv.tip"}));
    form.close();
    EXPECT_FALSE(form.isVisible());
}

// A reference text is a hundred lines or so: one of thousands is refused before its lines are
// stored, with the standard box naming the file, and the box stays empty and hidden.
TEST(CodeReferenceWindows, LongTextsRefusedLongLinesCut) {
    test::WorkingSet set;
    TForm8 form(set.model, set.seam);
    QPlainTextEdit& memo = MemoOf(form);
    auto repeat = [](std::string_view unit, std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) text += unit;
        return text;
    };
    struct Row {
        const char* what;
        std::string bytes;
        QString shown;  // empty: refused
    };
    const Row rows[] = {
        {"5000 lines", repeat("x\r\n", kMaxShownLines), QStringList(kMaxShownLines, QStringLiteral("x")).join('\n')},
        {"5001 lines", repeat("x\r\n", kMaxShownLines + 1), {}},
        {"16 MiB of bare CRs", repeat("\r", kMaxDataFileBytes), {}},
        {"16 MiB of CR LF pairs", repeat("\r\n", kMaxDataFileBytes / 2), {}},
        {"16 MiB of blanks, one line", std::string(kMaxDataFileBytes, ' '), QString(kReferenceLineWidth, ' ')},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        set.seam.events.clear();
        set.dir.write("prf.tip", row.bytes);
        form.show();
        if (row.shown.isEmpty()) {
            EXPECT_EQ(set.errors(), std::vector<std::string>{"Файл длиннее 5000 строк.\nprf.tip"});
            EXPECT_FALSE(memo.isVisible());
            EXPECT_TRUE(memo.toPlainText().isEmpty());
        } else {
            EXPECT_TRUE(set.errors().empty());
            EXPECT_TRUE(memo.isVisible());
            EXPECT_EQ(memo.toPlainText(), row.shown);
        }
        form.close();
    }
}

}  // namespace
}  // namespace vakrel
