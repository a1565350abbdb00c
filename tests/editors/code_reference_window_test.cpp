#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "U_col.h"
#include "U_tip.h"
#include "editor_fixture.h"

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

}  // namespace
}  // namespace vakrel
