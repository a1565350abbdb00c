// Texts the engine copies from its inputs into vakrel.rez: a doubtful value field and the name of
// the file it stands in, shown escaped and cut so that the file keeps its lines.
#include <gtest/gtest.h>

#include <string>

#include "engine_run.h"

namespace vakrel {
namespace {

// Line 14 of buf.ttx (characteristic 1) made unreadable. A value field cannot hold CR (it ends a
// line of the file), Ctrl-Z (it ends the file) nor more than 9 bytes: those come in the name of
// the station buffer on the command line, which the warning quotes too.
TEST(QuotedInput, DoubtfulFieldsAndFileNamesAreShownEscapedWithinTheLines) {
    struct Row {
        std::string name, field, shown;
    };
    const std::string longName = std::string(196, 'a') + ".ttx";
    const std::string cut = std::string(37, 'a') + "...";
    const Row rows[] = {
        {"buf.ttx", "  1\n2    ", R"q(buf.ttx, строка 14 (мощность передатчика): "1\x0A2")q"},
        {"buf.ttx", "  1\t2    ", R"q(buf.ttx, строка 14 (мощность передатчика): "1\x092")q"},
        {"buf.ttx", "  1\\2    ", R"q(buf.ttx, строка 14 (мощность передатчика): "1\\2")q"},
        {"buf\r.ttx", "  x      ", R"q(buf\x0D.ttx, строка 14 (мощность передатчика): "x")q"},
        {"buf\x1A.ttx", "  x      ", R"q(buf\x1A.ttx, строка 14 (мощность передатчика): "x")q"},
        {"buf\xFF.ttx", "  x      ", R"q(buf\xFF.ttx, строка 14 (мощность передатчика): "x")q"},  // no UTF-8
        {longName, "  x      ", cut + R"q(, строка 14 (мощность передатчика): "x")q"},
    };
    for (const Row& r : rows) {
        test::TempDir dir;
        PutSet(dir, VAKREL_EXAMPLES);
        dir.write(r.name, ReplaceParameter(dir.read("buf.ttx"), 14, r.field.c_str()));
        ASSERT_EQ(RunEngine(dir, "buf.prf '" + r.name + "' --json out.json"), 0) << r.shown;
        EXPECT_TRUE(ReportSays(ReadRez(dir), "Внимание: " + r.shown + " не число, взято 0.")) << r.shown;
        std::string inJson;  // the same text as a JSON string holds it
        for (const char c : r.shown) inJson += c == '\\' || c == '"' ? std::string("\\") + c : std::string(1, c);
        EXPECT_NE(dir.read("out.json").find(inJson), std::string::npos) << r.shown;
    }
}

}  // namespace
}  // namespace vakrel
