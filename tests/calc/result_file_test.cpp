#include "result_file.h"

#include <gtest/gtest.h>

namespace vakrel {
namespace {

// A coded line: code in columns 3-5, label, value ending at column 75.
std::string Coded(const std::string& code, const std::string& value) {
    std::string line = "  " + code + " label";
    line.resize(65, ' ');
    return line + std::string(value.size() < 10 ? 10 - value.size() : 0, ' ') + value;
}

std::string File(std::initializer_list<std::string> lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

TEST(ResultFile, ListsFromCodedLines) {
    auto r = ParseResultFile(File({
        "Title", Coded(" 58", "2"), Coded("102", "3,25"), Coded("102", "12.75"), Coded("103", "-1.5"),
        Coded("103", "2"), Coded(" 59", "1"), Coded(" 89", "20.000"), Coded(" 91", "4.5"), Coded(" 60", "0"),
        Coded("58 ", "9"),  // not one of the codes: shown only
    }));
    EXPECT_EQ(r.lines.size(), 11u);
    ASSERT_EQ(r.lists[kListA].count, 2);
    EXPECT_DOUBLE_EQ(r.lists[kListA].distance[0], 3.25);
    EXPECT_DOUBLE_EQ(r.lists[kListA].distance[1], 12.75);
    EXPECT_DOUBLE_EQ(r.lists[kListA].offset[0], -1.5);
    EXPECT_DOUBLE_EQ(r.lists[kListA].offset[1], 2);
    ASSERT_EQ(r.lists[kListB].count, 1);
    EXPECT_DOUBLE_EQ(r.lists[kListB].distance[0], 20);
    EXPECT_DOUBLE_EQ(r.lists[kListB].offset[0], 4.5);
    EXPECT_EQ(r.lists[kListC].count, 0);
}

TEST(ResultFile, EmptyLongAndOversizedInput) {
    auto empty = ParseResultFile("");
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_EQ(empty.lists[kListA].count, 0);

    // A 100-character line shows as 76; its field at columns 66-75 is still read.
    std::string longLine = Coded(" 58", "1") + std::string(25, 'x');
    auto r = ParseResultFile(File({longLine, Coded("102", "7")}));
    EXPECT_EQ(r.lines[0].size(), 76u);
    EXPECT_EQ(r.lists[kListA].count, 1);
    EXPECT_DOUBLE_EQ(r.lists[kListA].distance[0], 7);

    // A count above 20 is held to 20 and the surplus entries are ignored.
    std::string many = Coded(" 60", "25") + "\r\n";
    for (int i = 1; i <= 25; ++i) many += Coded(" 75", std::to_string(i)) + "\r\n";
    for (int i = 1; i <= 25; ++i) many += Coded(" 81", std::to_string(-i)) + "\r\n";
    auto capped = ParseResultFile(many);
    EXPECT_EQ(capped.lists[kListC].count, 20);
    EXPECT_DOUBLE_EQ(capped.lists[kListC].distance[19], 20);
    EXPECT_DOUBLE_EQ(capped.lists[kListC].offset[0], -1);
    EXPECT_DOUBLE_EQ(capped.lists[kListC].offset[19], -20);

    // Ctrl-Z ends the file.
    EXPECT_EQ(ParseResultFile("a\r\nb\r\n\x1A"
                              "c\r\n")
                  .lines.size(),
              2u);
}

TEST(ResultFile, EachLineConvertedOnItsOwn) {
    // A code page 1251 capital Р (0xD0) keeps its line unconverted; the next line is converted.
    auto r = ParseResultFile(File({"\xD0\xA0", "\xA0\xB3\xC4"}));
    EXPECT_EQ(r.lines[0], "\xD0\xA0");
    EXPECT_EQ(r.lines[1], "\xE0  ");  // а, then │ and ─ blanked
    // └ (0xC0) is in the narrow set: the line counts as Windows text.
    EXPECT_EQ(ParseResultFile(File({"\xA0\xC0"})).lines[0], "\xA0\xC0");
}

}  // namespace
}  // namespace vakrel
